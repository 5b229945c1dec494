#include "controls/ProgressText.h"

QString ProgressText(int textStyle, const ProgressRange& range, const QString& text)
{
    switch (textStyle) {
    case 1:
        return QString::number(range.value());
    case 2:
        return QString::number(range.percent(), 'g', 15) + QLatin1Char('%');
    case 3:
        return text;
    default:
        return QString();
    }
}

QPoint ProgressTextPosition(int alignment, QSize inner, QSize text)
{
    const int left = 0;
    const int centre = inner.width() / 2 - text.width() / 2 - 1;
    const int right = inner.width() - text.width() - 1;
    const int top = 1;
    const int middle = inner.height() / 2 - text.height() / 2 - 1;
    const int bottom = inner.height() - text.height() - 3;
    switch (alignment) {
    case 1: return { left, top };
    case 2: return { centre, top };
    case 3: return { right, top };
    case 4: return { left, middle };
    case 6: return { right, middle };
    case 7: return { left, bottom };
    case 8: return { centre, bottom };
    case 9: return { right, bottom };
    default: return { centre, middle };
    }
}

QList<QPoint> ProgressTextEffectOffsets(int effect)
{
    switch (effect) {
    case 1:
        return {};
    case 2:
        return { { 1, 1 } };
    case 3:
        return { { -1, -1 } };
    case 4:
        return { { -1, 0 }, { 1, 0 } };
    case 6:
        return { { -1, -1 }, { 0, -1 }, { 1, -1 }, { -1, 0 }, { 1, 0 }, { -1, 1 }, { 0, 1 }, { 1, 1 } };
    default:
        return { { 0, -1 }, { 0, 1 }, { -1, 0 }, { 1, 0 } };
    }
}
