#pragma once

#include <QProcess>
#include <QString>

// A desktop secret store of the test's own: a private D-Bus session bus with
// gnome-keyring's Secret Service on it, its login keyring made and unlocked below
// the test's data folder. The bus becomes this process's session bus. Both
// programs end with the object.
class SecretService {
public:
    SecretService() = default;
    ~SecretService();
    SecretService(const SecretService&) = delete;
    SecretService& operator=(const SecretService&) = delete;

    // False, with `error()` saying why, when either program does not come up in time.
    bool start();
    QString error() const { return m_error; }

    // Points this process's session bus at a socket nobody serves, so that nothing
    // starts a bus or a store on demand.
    static void UseNoSessionBus();

private:
    QProcess m_bus;
    QProcess m_keyring;
    QString m_error;
};
