#include "ipc/CorvaneLink.h"

#include "ipc/LocalTopic.h"

#include <QFileInfo>
#include <QProcess>
#include <QTimer>

#include <csignal>

namespace {

constexpr int HandOverWaitMs = 1000;

} // namespace

CorvaneLink::CorvaneLink(const QString& programPath, int startupWaitMs, QObject* parent)
    : QObject(parent)
    , m_programPath(programPath)
    , m_startupWaitMs(startupWaitMs)
{
}

void CorvaneLink::open(const QString& address)
{
    if (m_starting) {
        m_pending << address;
        return;
    }
    if (SendExecute(QString::fromLatin1(GameBrowserTopic), {address}, HandOverWaitMs))
        return;
    if (!QFileInfo(m_programPath).isExecutable()) {
        emit failed(QStringLiteral("游戏浏览器 %1 不存在，无法打开网页游戏。").arg(m_programPath));
        return;
    }
    qint64 pid = 0;
    if (!QProcess::startDetached(m_programPath, {address}, QString(), &pid)) {
        emit failed(QStringLiteral("无法启动游戏浏览器 %1。").arg(m_programPath));
        return;
    }
    m_started << pid;
    m_starting = true;
    m_startedAt.start();
    QTimer::singleShot(RetryMs, this, &CorvaneLink::flushPending);
}

void CorvaneLink::flushPending()
{
    // The browser counts as starting until its topic answers or the wait runs out.
    const bool served = m_pending.isEmpty() ? TopicIsServed(QString::fromLatin1(GameBrowserTopic))
                                            : SendExecute(QString::fromLatin1(GameBrowserTopic), m_pending, HandOverWaitMs);
    if (served) {
        m_pending.clear();
        m_starting = false;
        return;
    }
    if (m_startedAt.elapsed() >= m_startupWaitMs) {
        m_starting = false;
        if (!m_pending.isEmpty())
            emit failed(QStringLiteral("游戏浏览器没有响应，%1 个游戏未能打开。").arg(m_pending.size()));
        m_pending.clear();
        return;
    }
    QTimer::singleShot(RetryMs, this, &CorvaneLink::flushPending);
}

void CorvaneLink::endStartedProcesses()
{
    const QString program = QFileInfo(m_programPath).canonicalFilePath();
    for (qint64 pid : std::as_const(m_started)) {
        // The number may have been reused by another program since.
        const QString running = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).canonicalFilePath();
        if (!program.isEmpty() && running == program)
            ::kill(pid_t(pid), SIGTERM);
    }
    m_started.clear();
}
