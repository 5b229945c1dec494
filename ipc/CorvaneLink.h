#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QStringList>

// The game browser's topic; each execute command is one address.
inline constexpr char GameBrowserTopic[] = "Corvane|CorvaneDDE";

// Hands web-game addresses to the game browser program: over its topic when it runs,
// otherwise by starting it with the address as its command line. Addresses that come
// while it is still starting wait for its topic instead of starting it again.
class CorvaneLink : public QObject {
    Q_OBJECT
public:
    static constexpr int DefaultStartupWaitMs = 15000;
    static constexpr int RetryMs = 250;

    explicit CorvaneLink(const QString& programPath, int startupWaitMs = DefaultStartupWaitMs,
                         QObject* parent = nullptr);

    void open(const QString& address);
    // Ends the game browser processes this program started (and only those).
    void endStartedProcesses();
    QList<qint64> startedProcesses() const { return m_started; }

signals:
    void failed(const QString& message);

private:
    void flushPending();

    QString m_programPath;
    int m_startupWaitMs;
    QStringList m_pending;
    QList<qint64> m_started;
    QElapsedTimer m_startedAt;
    bool m_starting = false;
};
