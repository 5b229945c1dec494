#include "tests/support/SecretService.h"

#include <QDir>
#include <QProcessEnvironment>
#include <QTest>

namespace {

void stop(QProcess& process)
{
    if (process.state() == QProcess::NotRunning)
        return;
    process.terminate();
    if (!process.waitForFinished(5000))
        process.kill();
    process.waitForFinished(5000);
}

} // namespace

SecretService::~SecretService()
{
    stop(m_keyring);
    stop(m_bus);
}

void SecretService::UseNoSessionBus()
{
    qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QDir::home().filePath("no-session-bus").toUtf8());
}

bool SecretService::start()
{
    m_bus.start(QStringLiteral("dbus-daemon"), {"--session", "--nofork", "--print-address=1"});
    if (!m_bus.waitForStarted(5000)) {
        m_error = QStringLiteral("dbus-daemon did not start: ") + m_bus.errorString();
        return false;
    }
    if (!QTest::qWaitFor([this] { return m_bus.canReadLine(); }, 10000)) {
        m_error = QStringLiteral("dbus-daemon printed no address");
        return false;
    }
    const QByteArray address = m_bus.readLine().trimmed();
    qputenv("DBUS_SESSION_BUS_ADDRESS", address);

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromUtf8(address));
    m_keyring.setProcessEnvironment(environment);
    m_keyring.start(QStringLiteral("gnome-keyring-daemon"),
                    {"--foreground", "--unlock", "--components=secrets"});
    if (!m_keyring.waitForStarted(5000)) {
        m_error = QStringLiteral("gnome-keyring-daemon did not start: ") + m_keyring.errorString();
        return false;
    }
    // The login keyring's password: an empty line (no line at all leaves it uncreated).
    m_keyring.write("\n");
    m_keyring.closeWriteChannel();
    // It names itself on the bus once it serves.
    const bool served = QTest::qWaitFor(
        [&] {
            QProcess ask;
            ask.setProcessEnvironment(environment);
            ask.start(QStringLiteral("dbus-send"),
                      {"--session", "--print-reply", "--dest=org.freedesktop.DBus", "/org/freedesktop/DBus",
                       "org.freedesktop.DBus.NameHasOwner", "string:org.freedesktop.secrets"});
            return ask.waitForFinished(3000) && ask.readAllStandardOutput().contains("boolean true");
        },
        10000);
    if (!served) {
        m_error = QStringLiteral("gnome-keyring-daemon did not serve the secrets: ")
                + QString::fromUtf8(m_keyring.readAllStandardError());
        return false;
    }
    return true;
}
