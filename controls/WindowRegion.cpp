#include "controls/WindowRegion.h"

#include <QPainterPath>
#include <QRegion>
#include <QWidget>

QRegion RoundRectRgn(int width, int height, int ellipse)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, width, height), ellipse / 2.0, ellipse / 2.0);
    return QRegion(path.toFillPolygon().toPolygon());
}

void RectRgn(QWidget* window, int width, int height, int ellipse)
{
    window->setMask(RoundRectRgn(width, height, ellipse));
}
