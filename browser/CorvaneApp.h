#pragma once

#include "ipc/SingleInstance.h"

#include <QObject>
#include <QStringList>

#include <memory>

class QWebEngineProfile;
class WebMainFrm;

// The running game browser: one per user and installation. It serves the game
// browser's topic, where each command is one address, and owns its web profile and
// its window.
class CorvaneApp : public QObject {
    Q_OBJECT
public:
    enum class Outcome { Running, Refused, HandedOver, NotAnswering };

    explicit CorvaneApp(QObject* parent = nullptr);
    ~CorvaneApp() override;

    // Refuses a blank command line; hands the address to a game browser that already
    // runs; otherwise opens the window with it. Only a running one opens its profile.
    Outcome start(const QStringList& arguments);
    WebMainFrm* frame() const { return m_frame.get(); }

private:
    SingleInstance m_instance;
    QWebEngineProfile* m_profile = nullptr;
    std::unique_ptr<WebMainFrm> m_frame;
};
