#include "pages/bkDLControl.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/FileContent.h"
#include "web/WebProfile.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <QWebEngineCookieStore>
#include <QWebEngineProfile>
#include <QWebEngineView>

namespace {

constexpr qint64 CutAnnounced = 100000;
constexpr qint64 CutSent = 50000;
constexpr int SlowChunk = 4096;
constexpr int SlowPauseMs = 10;
constexpr int WaitMs = 15000;
const QByteArray SessionCookie = "session=granted";

QByteArray makePayload()
{
    QByteArray bytes(256 * 1024, Qt::Uninitialized);
    QRandomGenerator random(7);
    random.fillRange(reinterpret_cast<quint32*>(bytes.data()), bytes.size() / 4);
    return bytes;
}

QByteArray head(const QByteArray& status, qint64 length, const QByteArray& extra = {})
{
    return "HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(length)
         + "\r\nConnection: close\r\n" + extra + "\r\n";
}

// The site as the tests need it:
//   /files/NAME[?slow][&norange]  the payload; ranges honoured unless "norange", slowly when "slow"
//   /go/NAME                      a redirect to /files/payload.bin
//   /loop/NAME                    a redirect to itself
//   /missing/NAME                 404
//   /cut/NAME                     announces 100000 bytes, sends 50000 and closes
//   /members/NAME                 the payload with the session cookie, 403 without
//   /login                        a page that sets the session cookie
void answer(const QByteArray& payload, const LoopbackHttpServer::Request& request, LoopbackHttpServer::Connection& out)
{
    const QByteArray path = request.target.split('?').first();
    const QByteArray query = request.target.mid(path.size() + 1);
    const bool members = path.startsWith("/members/");
    if (path.startsWith("/go/")) {
        out.send(head("302 Found", 0, "Location: /files/payload.bin\r\n"));
    } else if (path.startsWith("/loop/")) {
        out.send(head("302 Found", 0, "Location: " + path + "\r\n"));
    } else if (path.startsWith("/cut/")) {
        out.send(head("200 OK", CutAnnounced) + payload.left(CutSent));
    } else if (path == "/login") {
        const QByteArray page = "<html><body>Welcome</body></html>";
        out.send(head("200 OK", page.size(), "Content-Type: text/html\r\nSet-Cookie: " + SessionCookie + "; Path=/\r\n") + page);
    } else if (path.startsWith("/files/") || (members && request.headers.value("cookie").contains(SessionCookie))) {
        const QByteArray etag = "\"v1\"";
        const QByteArray range = request.headers.value("range");
        const bool ranged = range.startsWith("bytes=") && !query.contains("norange")
                         && request.headers.value("if-range", etag) == etag;
        const qint64 from = ranged ? range.mid(6, range.indexOf('-') - 6).toLongLong() : 0;
        const QByteArray body = payload.mid(from);
        if (ranged) {
            out.send(head("206 Partial Content", body.size(),
                          "ETag: " + etag + "\r\nContent-Range: bytes " + QByteArray::number(from) + '-'
                              + QByteArray::number(payload.size() - 1) + '/' + QByteArray::number(payload.size()) + "\r\n"));
        } else {
            out.send(head("200 OK", body.size(), "ETag: " + etag + "\r\n"));
        }
        if (!query.contains("slow")) {
            out.send(body);
            return;
        }
        for (qsizetype at = 0; at < body.size(); at += SlowChunk) {
            if (!out.send(body.constData() + at, size_t(std::min<qsizetype>(SlowChunk, body.size() - at))))
                return;
            QThread::msleep(SlowPauseMs);
        }
    } else {
        const QByteArray page = members ? "<html>Log in first</html>" : "<html>Not found</html>";
        out.send(head(members ? "403 Forbidden" : "404 Not Found", page.size()) + page);
    }
}

// What one start of a control announced.
struct Watch {
    explicit Watch(bkDLControl& control)
        : progress(&control, &bkDLControl::DownloadProgress)
        , errors(&control, &bkDLControl::DownloadError)
        , done(&control, &bkDLControl::DownloadDone)
    {
        // The file must be in place when the page hears of it.
        QObject::connect(&control, &bkDLControl::DownloadDone, &control, [this, &control](qint64 count) {
            inPlaceAtDone = QFileInfo(QDir(control.SaveFolder()).filePath(bkDLControl::SavedFileName(control.SourceUrl()))).size() == count;
        });
    }
    bool ended() const { return errors.size() + done.size() > 0; }
    float lastFraction() const { return progress.isEmpty() ? 0 : progress.constLast().at(0).toFloat(); }

    QSignalSpy progress;
    QSignalSpy errors;
    QSignalSpy done;
    bool inPlaceAtDone = false;
};

QStringList entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

class TestDownloadControl : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void transfer_data();
    void transfer();
    void siteSessionCookieReachesTheServer();

private:
    const QByteArray m_payload = makePayload();
    LoopbackHttpServer m_server{[this](const LoopbackHttpServer::Request& request, LoopbackHttpServer::Connection& out) {
        answer(m_payload, request, out);
    }};
};

void TestDownloadControl::initTestCase()
{
    QVERIFY(m_server.port() != 0);
}

void TestDownloadControl::transfer_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("folderExists");
    QTest::addColumn<bool>("pauseMidway");
    QTest::addColumn<int>("error"); // 0: the file arrives
    QTest::addColumn<QString>("savedAs");

    QTest::newRow("redirect followed, named after the address") << "/go/Tank%20Battle.swf" << true << false << 0 << "TankBattle.swf";
    QTest::newRow("redirect loop") << "/loop/game.swf" << true << false << int(bkDLControl::Redirected) << "";
    QTest::newRow("not found") << "/missing/game.swf" << true << false << int(bkDLControl::NotDownloadable) << "";
    QTest::newRow("not http") << "ftp://127.0.0.1/game.swf" << true << false << int(bkDLControl::NotDownloadable) << "";
    QTest::newRow("cut off") << "/cut/game.swf" << true << false << int(bkDLControl::NoBytes) << "";
    QTest::newRow("save folder missing") << "/files/game.swf" << false << false << int(bkDLControl::SaveFailed) << "";
    QTest::newRow("pause, resume by range") << "/files/game.swf?slow" << true << true << 0 << "game.swf";
    QTest::newRow("pause, resume where ranges are ignored") << "/files/game.swf?slow&norange" << true << true << 0 << "game.swf";
    const QString escaping = QStringLiteral("/files/..%2F..%2Fescape.swf?to=/x.swf");
    QTest::newRow("name cannot leave the folder") << escaping << true << false << 0 << bkDLControl::SavedFileName(escaping);
}

void TestDownloadControl::transfer()
{
    QFETCH(QString, path);
    QFETCH(bool, folderExists);
    QFETCH(bool, pauseMidway);
    QFETCH(int, error);
    QFETCH(QString, savedAs);

    QTemporaryDir root;
    const QString folder = root.filePath(QStringLiteral("Games"));
    QVERIFY(!folderExists || QDir(root.path()).mkdir(QStringLiteral("Games")));
    bkDLControl control;
    Watch watch(control);
    control.SetSourceUrl(path.startsWith(QLatin1Char('/')) ? m_server.base() + path : path);
    control.SetSaveFolder(folder);
    const qsizetype requestsBefore = m_server.requests().size();
    control.StartDownload();
    QVERIFY(control.IsRunning());

    if (pauseMidway) {
        QTRY_VERIFY_WITH_TIMEOUT(watch.lastFraction() >= 0.1f, WaitMs);
        QVERIFY(watch.lastFraction() < 0.7f);
        control.PauseDownload();
        QVERIFY(control.IsPaused());
        // Held: nothing arrives, and only the partial file is there.
        QTest::qWait(400);
        const qsizetype heard = watch.progress.size();
        QTest::qWait(300);
        QCOMPARE(watch.progress.size(), heard);
        QVERIFY(!watch.ended());
        const QStringList held = entries(folder);
        QCOMPARE(held.size(), 1);
        QVERIFY2(held.first().endsWith(QLatin1String(".part")), qPrintable(held.first()));
        const qint64 kept = QFileInfo(QDir(folder).filePath(held.first())).size();
        QVERIFY(kept > 0 && kept < m_payload.size());
        control.ResumeDownload();
        QVERIFY(!control.IsPaused());
        QTRY_VERIFY_WITH_TIMEOUT(watch.ended(), WaitMs);
        const QList<LoopbackHttpServer::Request> requests = m_server.requests().mid(requestsBefore);
        QCOMPARE(requests.size(), 2);
        QCOMPARE(requests.last().headers.value("range"), "bytes=" + QByteArray::number(kept) + '-');
    }

    QTRY_VERIFY_WITH_TIMEOUT(watch.ended(), WaitMs);
    QTest::qWait(200); // no second notification
    QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             folderExists ? QStringList(QStringLiteral("Games")) : QStringList());
    QVERIFY(!control.IsRunning());
    QVERIFY(!control.IsPaused());
    float before = 0;
    for (const QList<QVariant>& report : watch.progress) {
        const float fraction = report.at(0).toFloat();
        QVERIFY2(fraction >= before && fraction <= 1.0f, qPrintable(QStringLiteral("%1 after %2").arg(fraction).arg(before)));
        before = fraction;
    }
    if (error) {
        QCOMPARE(watch.done.size(), 0);
        QCOMPARE(watch.errors.size(), 1);
        QCOMPARE(watch.errors.first().at(0).toInt(), error);
        QCOMPARE(entries(folder), QStringList());
        return;
    }
    QCOMPARE(watch.errors.size(), 0);
    QCOMPARE(watch.done.size(), 1);
    QCOMPARE(watch.done.first().at(0).toLongLong(), qint64(m_payload.size()));
    QVERIFY(watch.inPlaceAtDone);
    QCOMPARE(watch.lastFraction(), 1.0f);
    QCOMPARE(entries(folder), QStringList(savedAs));
    QVERIFY(FileContent(QDir(folder).filePath(savedAs)) == m_payload);
}

// A person logs in on the site's page; files for members then download with that session.
void TestDownloadControl::siteSessionCookieReachesTheServer()
{
    QWebEngineProfile* profile = CreateNamedWebProfile(QStringLiteral("TestDownloadControl"), this);
    QTemporaryDir folder;
    bkDLControl control(profile);
    control.SetSourceUrl(m_server.base() + QStringLiteral("/members/game.swf"));
    control.SetSaveFolder(folder.path());
    {
        Watch refused(control);
        control.StartDownload();
        QTRY_VERIFY_WITH_TIMEOUT(refused.ended(), WaitMs);
        QCOMPARE(refused.errors.size(), 1);
        QCOMPARE(refused.errors.first().at(0).toInt(), int(bkDLControl::NotDownloadable));
    }

    QSignalSpy cookieAdded(profile->cookieStore(), &QWebEngineCookieStore::cookieAdded);
    QWebEngineView view;
    view.setPage(new QWebEnginePage(profile, &view));
    QSignalSpy loaded(view.page(), &QWebEnginePage::loadFinished);
    view.load(QUrl(m_server.base() + QStringLiteral("/login")));
    QVERIFY(loaded.wait(WaitMs));
    QVERIFY(loaded.first().at(0).toBool());
    QTRY_VERIFY_WITH_TIMEOUT(!cookieAdded.isEmpty(), WaitMs);

    Watch watch(control);
    control.StartDownload();
    QTRY_VERIFY_WITH_TIMEOUT(watch.ended(), WaitMs);
    QCOMPARE(watch.errors.size(), 0);
    QVERIFY(FileContent(folder.filePath(QStringLiteral("game.swf"))) == m_payload);
    QVERIFY(m_server.requests().last().headers.value("cookie").contains(SessionCookie));
}

QTEST_MAIN(TestDownloadControl)
#include "TestDownloadControl.moc"
