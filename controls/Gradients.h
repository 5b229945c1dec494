#pragma once

#include <QColor>
#include <QPainter>
#include <QRectF>

// Fills `rect` with colours running from `from` to `to` along `direction`.
void GradientTwoColour(QPainter& painter, const QRectF& rect, const QColor& from, const QColor& to,
    Qt::Orientation direction);
