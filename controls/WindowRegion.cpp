#include "controls/WindowRegion.h"

#include <QPainterPath>
#include <QRegion>
#include <QWidget>

void RectRgn(QWidget* window, int width, int height, int ellipse)
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, width, height), ellipse / 2.0, ellipse / 2.0);
    window->setMask(QRegion(path.toFillPolygon().toPolygon()));
}
