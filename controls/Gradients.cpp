#include "controls/Gradients.h"

#include <QLinearGradient>

void GradientTwoColour(QPainter& painter, const QRectF& rect, const QColor& from, const QColor& to,
    Qt::Orientation direction)
{
    if (from == to) {
        painter.fillRect(rect, from);
        return;
    }
    const QPointF end = direction == Qt::Horizontal ? rect.topRight() : rect.bottomLeft();
    QLinearGradient gradient(rect.topLeft(), end);
    gradient.setColorAt(0.0, from);
    gradient.setColorAt(1.0, to);
    painter.fillRect(rect, gradient);
}
