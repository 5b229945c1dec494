#pragma once

#include <QImage>
#include <QString>

// How a program ships its strip skin: PNG pictures with per-pixel alpha (Tavolin), or
// bitmaps in which magenta (255, 0, 255) marks transparent pixels (Corvane).
enum class TabSkinFormat { Png, ColourKeyedBmp };

// Loads the skin atlas of one strip style from the skin folder.
class TabAtlas {
public:
    // "MainMenu" for style 0, "CorvaneMenu" for any other, with the format's extension.
    static QString FileName(TabSkinFormat format, int style);
    // The atlas with transparency as alpha. A missing PNG gives an empty atlas (the
    // strip draws nothing from it); a missing bitmap throws TabError 53.
    static QImage Load(TabSkinFormat format, int style, const QString& appFolder);
};
