#pragma once

// What the game browser's tests share: the real program copied into a test's
// application folder, what the screen shows, and addresses sent over the topic from
// another thread while this one serves it.

#include "ipc/CorvaneLink.h"
#include "ipc/LocalTopic.h"
#include "tests/support/XWindows.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QScreen>
#include <QGuiApplication>
#include <QStringList>
#include <QTest>

#include <atomic>
#include <thread>

// The built program, copied (not linked) so that it takes the test's folder as its own.
inline bool InstallCorvane(const QString& appFolder)
{
    return QFile::copy(QStringLiteral(TAVOLIN_APP_DIR "/Corvane"), appFolder + QStringLiteral("/Corvane"));
}

// What the screen shows in `rect`, whoever draws it.
inline QImage ScreenPixels(const QRect& rect)
{
    return QGuiApplication::primaryScreen()
        ->grabWindow(0, rect.x(), rect.y(), rect.width(), rect.height())
        .toImage()
        .convertToFormat(QImage::Format_RGB32);
}

// Sends each address with its own SendExecute, from `senders` threads at once, while
// this thread's event loop runs (it may be the one serving). Answers how many were
// acknowledged.
inline int SendAddressesInBurst(const QList<QStringList>& perSender)
{
    std::atomic<int> acknowledged = 0;
    std::atomic<int> finished = 0;
    std::vector<std::thread> threads;
    for (const QStringList& addresses : perSender) {
        threads.emplace_back([&, addresses] {
            for (const QString& address : addresses)
                acknowledged += SendExecute(QString::fromLatin1(GameBrowserTopic), {address}, 10000) ? 1 : 0;
            ++finished;
        });
    }
    // Joining below waits for the rest; the senders give up within their own time-outs.
    (void)QTest::qWaitFor([&] { return finished == int(perSender.size()); }, 120000);
    for (std::thread& thread : threads)
        thread.join();
    return acknowledged;
}
