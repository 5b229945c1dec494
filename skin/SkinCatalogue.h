#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QSize>
#include <QString>

#include <functional>

enum class SkinFormat {
    Png,      // 32-bit PNG with alpha
    Bmp,      // 24-bit BMP; where transparency is meant, magenta (255, 0, 255) marks it
    BmpAlpha, // 32-bit BMP with an alpha channel
    Gif,      // GIF89a, 256 colours; animated when it has several frames
    Ico,      // icon, 16 x 16 and 32 x 32, 32-bit with alpha
    Cur,      // cursor, 32 x 32, 32-bit with alpha, with its hot spot
};

// One file of the default skin. Paths are below "Skin/DefaultSkin/" and spelled as the
// programs ask for them (look-up is case-insensitive).
struct SkinFile {
    QString path;
    SkinFormat format;
    QSize size;          // the whole picture (icons: the largest size)
    int cells;           // pictures side by side of equal width (button states); 1 = one picture
    int animationFrames; // 1 = still picture
    QString usedBy;
    QString placement;   // how the picture lines up with what surrounds it
    QPoint hotSpot;      // cursors only
    std::function<QList<QImage>()> paint; // the picture, the animation frames or the icon sizes
};

// Every file of the default skin, in the order the contact sheet shows them.
const QList<SkinFile>& SkinFiles();
