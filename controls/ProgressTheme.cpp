#include "controls/ProgressTheme.h"

#include <algorithm>

namespace {

// Four track colours, four fill colours and the edge; each band is flat (start and
// end colour equal), the palette holds each colour twice.
struct ThemeColours {
    std::array<QRgb, 9> colours;
};

constexpr QRgb LightTrack[4] = { qRgb(248, 249, 250), qRgb(241, 243, 245), qRgb(234, 237, 240), qRgb(243, 245, 247) };

constexpr ThemeColours WithLightTrack(QRgb f0, QRgb f1, QRgb f2, QRgb f3, QRgb edge)
{
    return { { LightTrack[0], LightTrack[1], LightTrack[2], LightTrack[3], f0, f1, f2, f3, edge } };
}

const ThemeColours Themes[9] = {
    // 1: the programs' blue.
    WithLightTrack(qRgb(90, 167, 224), qRgb(58, 151, 217), qRgb(41, 140, 211), qRgb(28, 118, 186), qRgb(4, 96, 163)),
    // 2: light olive green.
    { { qRgb(247, 248, 242), qRgb(231, 233, 211), qRgb(222, 226, 182), qRgb(237, 239, 215), qRgb(249, 251, 223),
        qRgb(230, 239, 133), qRgb(190, 203, 57), qRgb(233, 237, 187), qRgb(192, 204, 62) } },
    // 3: deep blue.
    WithLightTrack(qRgb(52, 128, 186), qRgb(24, 110, 176), qRgb(4, 96, 163), qRgb(3, 80, 138), qRgb(3, 70, 120)),
    // 4: teal.
    WithLightTrack(qRgb(77, 196, 184), qRgb(45, 178, 166), qRgb(26, 160, 148), qRgb(18, 132, 122), qRgb(14, 110, 102)),
    // 5: orange.
    WithLightTrack(qRgb(255, 184, 102), qRgb(250, 160, 62), qRgb(242, 140, 30), qRgb(214, 118, 18), qRgb(186, 98, 10)),
    // 6: rose.
    WithLightTrack(qRgb(240, 120, 140), qRgb(228, 92, 115), qRgb(214, 70, 96), qRgb(186, 52, 78), qRgb(160, 40, 64)),
    // 7: violet.
    WithLightTrack(qRgb(160, 140, 222), qRgb(138, 115, 210), qRgb(118, 94, 196), qRgb(96, 74, 170), qRgb(80, 60, 146)),
    // 8: green.
    WithLightTrack(qRgb(120, 200, 120), qRgb(92, 184, 92), qRgb(70, 166, 72), qRgb(52, 140, 56), qRgb(40, 116, 44)),
    // 9: graphite.
    WithLightTrack(qRgb(150, 158, 168), qRgb(126, 135, 146), qRgb(108, 117, 128), qRgb(88, 96, 106), qRgb(70, 76, 84)),
};

QColor Shifted(const QColor& colour, int amount)
{
    return QColor(std::clamp(colour.red() + amount, 0, 255), std::clamp(colour.green() + amount, 0, 255),
        std::clamp(colour.blue() + amount, 0, 255));
}

ProgressPalette Doubled(const std::array<QColor, 9>& colours)
{
    ProgressPalette palette;
    for (int i = 0; i < 8; ++i) {
        palette[2 * i] = colours[i];
        palette[2 * i + 1] = colours[i];
    }
    palette[16] = colours[8];
    return palette;
}

}

ProgressPalette ProgressThemePalette(int theme, const QColor& custom1, const QColor& custom2)
{
    std::array<QColor, 9> colours;
    if (theme == 10) {
        const int trackShift[4] = { 180, 172, 165, 176 };
        const int fillShift[4] = { 50, 20, 0, -20 };
        for (int k = 0; k < 4; ++k) {
            colours[k] = Shifted(custom1, trackShift[k]);
            colours[4 + k] = Shifted(custom2, fillShift[k]);
        }
        colours[8] = Shifted(custom2, -80);
        return Doubled(colours);
    }
    const ThemeColours& set = Themes[theme >= 1 && theme <= 9 ? theme - 1 : 0];
    for (int i = 0; i < 9; ++i)
        colours[i] = QColor(set.colours[i]);
    return Doubled(colours);
}

ProgressPalette DisabledPalette(const ProgressPalette& palette)
{
    ProgressPalette subdued;
    for (size_t i = 0; i < palette.size(); ++i) {
        const int grey = qGray(palette[i].rgb());
        // Greyed and pulled two thirds of the way towards white.
        const int light = grey + (255 - grey) * 2 / 3;
        subdued[i] = QColor(light, light, light);
    }
    return subdued;
}
