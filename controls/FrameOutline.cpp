#include "controls/FrameOutline.h"

#include <QPainter>
#include <QRegion>

FrameOutline::FrameOutline()
    : QWidget(nullptr, Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowTransparentForInput)
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FrameOutline::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.fillRect(rect(), QBrush(Qt::black, Qt::Dense4Pattern));
}

void FrameOutline::resizeEvent(QResizeEvent*)
{
    // Only the ring shows: what lies inside stays visible through it.
    const QRect outer = rect();
    setMask(QRegion(outer).subtracted(QRegion(outer.adjusted(Thickness, Thickness, -Thickness, -Thickness))));
}
