#include "ipc/CorvaneLink.h"
#include "tests/support/TopicServerThread.h"

#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

namespace {
const QString Topic = QStringLiteral("Corvane|CorvaneDDE");
}

class TestCorvaneLink : public QObject {
    Q_OBJECT
private slots:
    void init();
    void handsOverToARunningBrowser();
    void missingProgramIsReported();
    void startsTheBrowserOnceAndQueuesWhileItStarts();
    void queuedAddressesFailAfterTheWait();

private:
    QString writeFakeBrowser();
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestCorvaneLink::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
}

// A stand-in browser that records its command line and stays up for a moment.
QString TestCorvaneLink::writeFakeBrowser()
{
    const QString path = m_dir->filePath("Corvane");
    QFile script(path);
    if (!script.open(QIODevice::WriteOnly))
        return {};
    script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '%1'\nsleep 5\n")
                     .arg(m_dir->filePath("started.txt"))
                     .toUtf8());
    script.close();
    script.setPermissions(script.permissions() | QFile::ExeOwner);
    return path;
}

void TestCorvaneLink::handsOverToARunningBrowser()
{
    TopicServerThread browser(Topic);
    QVERIFY(browser.listening());
    CorvaneLink link(m_dir->filePath("Corvane"));
    QSignalSpy failed(&link, &CorvaneLink::failed);
    link.open("http://games.test/a");
    link.open("http://games.test/a");
    QCOMPARE(browser.received(), QStringList({"http://games.test/a", "http://games.test/a"}));
    QVERIFY(link.startedProcesses().isEmpty());
    QCOMPARE(failed.count(), 0);
}

void TestCorvaneLink::missingProgramIsReported()
{
    CorvaneLink link(m_dir->filePath("Corvane"));
    QSignalSpy failed(&link, &CorvaneLink::failed);
    link.open("http://games.test/a");
    QCOMPARE(failed.count(), 1);
    QVERIFY(failed[0][0].toString().contains("Corvane"));
}

void TestCorvaneLink::startsTheBrowserOnceAndQueuesWhileItStarts()
{
    CorvaneLink link(writeFakeBrowser(), 10000);
    QSignalSpy failed(&link, &CorvaneLink::failed);
    link.open("http://games.test/first");
    link.open("http://games.test/second");
    QCOMPARE(link.startedProcesses().size(), 1);
    QTRY_VERIFY(QFile::exists(m_dir->filePath("started.txt")));
    // The browser's topic comes up after its start; the queued address follows it there.
    TopicServerThread browser(Topic);
    QVERIFY(browser.listening());
    QTRY_COMPARE_WITH_TIMEOUT(browser.received(), QStringList("http://games.test/second"), 5000);
    QFile started(m_dir->filePath("started.txt"));
    QVERIFY(started.open(QIODevice::ReadOnly));
    QCOMPARE(started.readAll(), QByteArray("http://games.test/first\n"));
    QCOMPARE(link.startedProcesses().size(), 1);
    QCOMPARE(failed.count(), 0);
    link.endStartedProcesses();
    QVERIFY(link.startedProcesses().isEmpty());
}

void TestCorvaneLink::queuedAddressesFailAfterTheWait()
{
    CorvaneLink link(writeFakeBrowser(), 600);
    QSignalSpy failed(&link, &CorvaneLink::failed);
    link.open("http://games.test/first");
    link.open("http://games.test/second");
    QTRY_COMPARE_WITH_TIMEOUT(failed.count(), 1, 5000);
    link.endStartedProcesses();
}

QTEST_GUILESS_MAIN(TestCorvaneLink)
#include "TestCorvaneLink.moc"
