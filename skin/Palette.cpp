#include "skin/Palette.h"

#include <algorithm>

namespace Palette {

QColor Mix(const QColor& a, const QColor& b, double t)
{
    return QColor::fromRgbF(float(a.redF() + (b.redF() - a.redF()) * t),
                            float(a.greenF() + (b.greenF() - a.greenF()) * t),
                            float(a.blueF() + (b.blueF() - a.blueF()) * t));
}

QColor Accent() { return QColor(41, 140, 211); }
QColor AccentDark() { return QColor(4, 96, 163); }
QColor AccentSoft() { return QColor(230, 242, 251); }
QColor AccentPress() { return QColor(208, 228, 246); }

QColor Band(int y)
{
    const double t = std::clamp(y, 0, 33) / 33.0;
    return QColor(qRound(50 - 26 * t), qRound(148 - 32 * t), qRound(219 - 29 * t));
}

QColor Edge() { return QColor(15, 86, 143); }
QColor Frame() { return QColor(233, 240, 247); }
QColor Page() { return QColor(247, 249, 252); }
QColor Grid() { return QColor(249, 249, 249); }
QColor Footer() { return QColor(243, 247, 251); }
QColor Line() { return QColor(219, 227, 236); }
QColor Ink() { return QColor(35, 35, 35); }
QColor InkSoft() { return QColor(88, 101, 115); }

QColor Strip(int y)
{
    const double t = std::clamp(y, 0, 51) / 51.0;
    return Mix(QColor(252, 253, 254), QColor(231, 238, 245), t);
}

QColor Bar(int y)
{
    const double t = std::clamp(y, 0, 38) / 38.0;
    return Mix(QColor(255, 255, 255), QColor(241, 245, 250), t);
}

QColor Magenta() { return QColor(255, 0, 255); }

QFont Font(int pixelSize, bool bold)
{
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    font.setHintingPreference(QFont::PreferFullHinting);
    return font;
}

} // namespace Palette
