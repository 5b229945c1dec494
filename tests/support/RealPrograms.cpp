#include "tests/support/RealPrograms.h"

#include <QProcessEnvironment>
#include <QTest>

DemoSite::~DemoSite()
{
    if (m_process.state() != QProcess::NotRunning) {
        m_process.terminate();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(5000);
    }
}

bool DemoSite::start(const QStringList& extraArguments)
{
    m_process.setProgram(QStringLiteral(TAVOLIN_SITE_PROGRAM));
    m_process.setArguments(QStringList{QStringLiteral("--port"), QStringLiteral("0")} + extraArguments);
    m_process.start();
    if (!m_process.waitForStarted(10000) || !m_process.waitForReadyRead(10000)) {
        m_error = QStringLiteral("the demo site did not start: ") + m_process.errorString();
        return false;
    }
    const QString first = QString::fromUtf8(m_process.readLine()).trimmed();
    const QString prefix = QStringLiteral("listening on ");
    if (!first.startsWith(prefix + QStringLiteral("127.0.0.1:"))) {
        m_error = QStringLiteral("unexpected first line of the demo site: ") + first;
        return false;
    }
    m_base = QStringLiteral("http://%1/").arg(first.mid(prefix.size()));
    return true;
}

void StartTavolin(QProcess& program, const QString& siteBase, const QStringList& arguments, const QString& appFolder)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("TAVOLIN_SITE_BASE"), siteBase);
    program.setProcessEnvironment(environment);
    program.start(appFolder + QStringLiteral("/Tavolin"), arguments);
}

bool WaitForEnd(QProcess& program, int timeoutMs)
{
    // The event loop runs meanwhile: the test process may be serving what the program asks.
    if (QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, timeoutMs))
        return true;
    program.kill();
    program.waitForFinished(5000);
    return false;
}
