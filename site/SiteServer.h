#pragma once

#include <QtGlobal>

#include <memory>

class SiteRouter;

// Serves the router's answers over HTTP on 127.0.0.1 only, each connection on a thread
// of a fixed pool. Files go out in slices: a range of them when asked, and no faster
// than the throttle allows when one is set.
class SiteServer {
public:
    // Web views keep several idle connections open at once, each holding a thread.
    static constexpr int Threads = 32;

    explicit SiteServer(SiteRouter& router);
    ~SiteServer();

    // Caps every file body at this many KiB per second; 0, the default, sends at full speed.
    void setThrottle(int kibPerSecond) { m_throttle = kibPerSecond; }
    // Port 0 picks a free port. On success the router learns the address.
    bool listen(quint16 port);
    quint16 port() const { return m_port; }
    // Answers requests until stop(); blocks the calling thread.
    bool serve();
    void stop();

private:
    struct Library;

    SiteRouter& m_router;
    std::unique_ptr<Library> m_library;
    int m_throttle = 0;
    quint16 m_port = 0;
};
