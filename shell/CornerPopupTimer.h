#pragma once

#include <QObject>
#include <QTimer>

// When the corner pop-up opens: once, a delay after the advertisement page loaded.
// Settings and About switch it off while they are open; switched back on, a pop-up
// still owed (its page loaded, it has not been shown) is due a full delay later.
class CornerPopupTimer : public QObject {
    Q_OBJECT
public:
    static constexpr int DelayMs = 5000;

    explicit CornerPopupTimer(QObject* parent = nullptr);

    // The advertisement pane finished a page whose markup is `html`.
    void pageLoaded(const QString& html);
    void switchOff();
    void switchOn();
    bool isActive() const { return m_timer.isActive(); }
    int interval() const { return m_timer.interval(); }

signals:
    void due();

private:
    QTimer m_timer;
    bool m_switchedOff = false;
    bool m_owed = false;
};
