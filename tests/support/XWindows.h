#pragma once

// Another process's windows as the X server sees them, and the real pointer moved and
// clicked there, through xdotool.

#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QString>
#include <QStringList>

inline QString Xdotool(const QStringList& arguments)
{
    QProcess xdotool;
    xdotool.start(QStringLiteral("xdotool"), arguments);
    if (!xdotool.waitForFinished(10000))
        xdotool.kill();
    return QString::fromUtf8(xdotool.readAllStandardOutput()).trimmed();
}

// The mapped windows of a process, by their X ids.
inline QStringList VisibleWindows(qint64 pid)
{
    const QString out = Xdotool({QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--pid"),
                                 QString::number(pid)});
    return out.isEmpty() ? QStringList() : out.split(QLatin1Char('\n'));
}

inline QString WindowName(const QString& window)
{
    return Xdotool({QStringLiteral("getwindowname"), window});
}

// The window's place on the screen, read from xdotool's shell form.
inline QRect WindowGeometry(const QString& window)
{
    const QStringList lines = Xdotool({QStringLiteral("getwindowgeometry"), QStringLiteral("--shell"), window})
                                  .split(QLatin1Char('\n'));
    QRect rect;
    for (const QString& line : lines) {
        const int value = line.section(QLatin1Char('='), 1).toInt();
        if (line.startsWith(QLatin1String("X=")))
            rect.moveLeft(value);
        else if (line.startsWith(QLatin1String("Y=")))
            rect.moveTop(value);
        else if (line.startsWith(QLatin1String("WIDTH=")))
            rect.setWidth(value);
        else if (line.startsWith(QLatin1String("HEIGHT=")))
            rect.setHeight(value);
    }
    return rect;
}

// Moves the real pointer to `at` on the screen and clicks the left button there.
inline void ClickScreen(const QPoint& at)
{
    Xdotool({QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()), QStringLiteral("click"),
             QStringLiteral("1")});
}
