// The download page's panel while a real transfer runs: a slow server on 127.0.0.1,
// a real click on the page's link, and the panel's links clicked as a person does.
#include "controls/ProgressBar.h"
#include "pages/GameDownload.h"
#include "pages/GameFiles.h"
#include "pages/MainGameUrl.h"
#include "shell/GlobalSettings.h"
#include "store/Catalogue.h"
#include "tests/support/LoopbackHttpServer.h"
#include "tests/support/AppFolder.h"
#include "tests/support/FilledImage.h"
#include "tests/support/WebClicks.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include <chrono>
#include <optional>

namespace {

constexpr int MovieSize = 600000;
constexpr int ChunkSize = 6000;

QByteArray jpeg()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    FilledImage({120, 90}, QColor(40, 160, 90)).save(&buffer, "JPG");
    return bytes;
}

} // namespace

class TestDownloadPanel : public QObject {
    Q_OBJECT
private slots:
    void failedTransferIsToldAndRetriedAndPauseHoldsIt();
};

void TestDownloadPanel::failedTransferIsToldAndRetriedAndPauseHoldsIt()
{
    // The movie comes slowly, about a second in all, and only once the site has it.
    std::atomic<bool> movieThere = false;
    const QByteArray thumbnail = jpeg();
    LoopbackHttpServer server([&](const LoopbackHttpServer::Request& request, LoopbackHttpServer::Connection& out) {
        if (request.target.endsWith("/pic/slow.jpg")) {
            out.send("HTTP/1.1 200 OK\r\nContent-Type: image/jpeg\r\nContent-Length: "
                     + QByteArray::number(thumbnail.size()) + "\r\n\r\n" + thumbnail);
        } else if (request.target.endsWith("/swf/slow.swf") && movieThere) {
            if (!out.send("HTTP/1.1 200 OK\r\nContent-Length: " + QByteArray::number(MovieSize) + "\r\n\r\n"))
                return;
            const QByteArray chunk(ChunkSize, 'm');
            for (int sent = 0; sent < MovieSize && out.send(chunk); sent += ChunkSize)
                std::this_thread::sleep_for(std::chrono::milliseconds(10));
        } else {
            out.send("HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n\r\n");
        }
    });
    QVERIFY(server.port() != 0);
    // The site itself is out of reach: only the command's full addresses are fetched.
    TemporaryAppFolder app(TemporaryAppFolder::Skin::Built, QStringLiteral("http://127.0.0.1:1/"));
    const QString pageFile = app.filePath("game.html");
    QFile html(pageFile);
    QVERIFY(html.open(QIODevice::WriteOnly));
    html.write(QStringLiteral("<!doctype html><body style='margin:40px'><a id='go' target='_blank' "
                              "href=\"javascript:CALL_API('FlashTable','慢游戏|%1/pic/slow.jpg|%1/swf/slow.swf|说明')\">"
                              "下载游戏</a></body>")
                   .arg(server.base())
                   .toUtf8());
    html.close();

    QWebEngineProfile profile;
    MainGameUrl page(&profile, nullptr);
    page.GameUrl(QUrl::fromLocalFile(pageFile).toString());
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QTRY_VERIFY_WITH_TIMEOUT(!page.view()->page()->isLoading() && page.view()->url().isLocalFile(), 10000);
    auto* message = page.findChild<QLabel*>("LB_GameName");
    auto* size = page.findChild<QLabel*>("LB_cbSize");
    auto* stop = page.findChild<QLabel*>("LB_Stop");
    auto* bar = page.findChild<ProgressBar*>("ProgressBar1");
    QSignalSpy refusals(&page, &MainGameUrl::refused);

    QVERIFY(ClickElement(page.view(), QStringLiteral("#go")));

    // The site has no movie yet: the panel says so and offers another try; nothing is
    // catalogued and no file is left.
    QTRY_COMPARE_WITH_TIMEOUT(message->text(), QStringLiteral("“慢游戏”下载失败：不可下载文件"), 10000);
    QCOMPARE(stop->text(), QStringLiteral("重新下载"));
    QVERIFY(Catalogue::FindGame(QStringLiteral("慢游戏")).isEmpty());
    QCOMPARE(QDir(MovieFolder(Settings().AppPath)).entryList({"*.swf"}, QDir::Files), QStringList({"1.swf", "2.swf"}));

    movieThere = true;
    QList<int> percents;
    connect(&page.job(), &DownloadJob::progress, this, [&](int percent) { percents << percent; });
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(message->text(), QStringLiteral("您正在下载“慢游戏”游戏，请耐心等待..."));
    QCOMPARE(stop->text(), QStringLiteral("暂停下载"));
    QTRY_VERIFY_WITH_TIMEOUT(bar->Value() >= 20, 10000);
    QCOMPARE(size->text(), FormatSize(MovieSize));
    QCOMPARE(bar->Text(), QString::number(bar->Value()) + QLatin1Char('%'));
    // The advertisement's site is out of reach: no error page in the panel.
    QVERIFY(!page.findChild<QWebEngineView*>("WBDown")->isVisible());
    if (const QString folder = qEnvironmentVariable("TAVOLIN_SCREENSHOT_DIR"); !folder.isEmpty())
        page.screen()->grabWindow(0, page.x(), page.y(), page.width(), page.height())
            .save(QDir(folder).filePath("download-panel.png"));

    // Paused, the transfer stands still and nothing is catalogued.
    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(stop->text(), QStringLiteral("开始下载"));
    const qsizetype reports = percents.size();
    const int value = bar->Value();
    QTest::qWait(1500);
    QCOMPARE(percents.size(), reports);
    QCOMPARE(bar->Value(), value);
    QCOMPARE(page.job().stage(), DownloadJob::Stage::Movie);
    QVERIFY(Catalogue::FindGame(QStringLiteral("慢游戏")).isEmpty());

    QTest::mouseClick(stop, Qt::LeftButton);
    QCOMPARE(stop->text(), QStringLiteral("暂停下载"));
    QTRY_COMPARE_WITH_TIMEOUT(page.job().stage(), DownloadJob::Stage::Finished, 15000);
    QCOMPARE(bar->Text(), QStringLiteral("100%"));
    QCOMPARE(Catalogue::FindGame(QStringLiteral("慢游戏")).size(), 1);
    QCOMPARE(QFileInfo(MovieFile(Settings().UserPath, QStringLiteral("慢游戏"))).size(), qint64(MovieSize));
    QVERIFY(refusals.isEmpty());
}

QTEST_MAIN(TestDownloadPanel)
#include "TestDownloadPanel.moc"
