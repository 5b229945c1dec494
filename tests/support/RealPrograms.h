#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// The built demo site on a free loopback port, for as long as the object lives.
class DemoSite {
public:
    DemoSite() = default;
    ~DemoSite();
    DemoSite(const DemoSite&) = delete;
    DemoSite& operator=(const DemoSite&) = delete;

    // Starts the site; false (with `error()` saying why) when it does not come up.
    bool start(const QStringList& extraArguments = {});
    // "http://127.0.0.1:PORT/"
    QString base() const { return m_base; }
    QString error() const { return m_error; }

private:
    QProcess m_process;
    QString m_base;
    QString m_error;
};

// Starts the built Tavolin of `appFolder` (the build's own by default) against `siteBase`.
void StartTavolin(QProcess& program, const QString& siteBase, const QStringList& arguments = {},
                  const QString& appFolder = QStringLiteral(TAVOLIN_APP_DIR));

// Waits up to `timeoutMs` for `program` to end by itself; one that does not is killed.
// True when it ended by itself.
bool WaitForEnd(QProcess& program, int timeoutMs = 20000);
