#pragma once

#include "tests/support/AppFolder.h"
#include "tabs/CTabItem.h"
#include "tabs/ITabForm.h"

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QWidget>

#include <memory>

// A page that records how the workspace treats it.
class TestForm : public QWidget, public ITabForm {
public:
    explicit TestForm(bool keepsTab = true, Qt::WindowFlags flags = Qt::Window)
        : QWidget(nullptr, flags)
        , m_keepsTab(keepsTab)
    {
        resize(300, 200);
    }

    QWidget* hwnd() override { return this; }
    void Initialize(IuTab* strip, const std::shared_ptr<CTabItem>& tab) override
    {
        ++initializeCalls;
        this->strip = strip;
        if (m_keepsTab)
            this->tab = tab;
    }

    int initializeCalls = 0;
    IuTab* strip = nullptr;
    std::shared_ptr<CTabItem> tab;

private:
    bool m_keepsTab;
};

// Skin atlases made in code: every piece a flat colour, the two top rows of each head
// transparent (alpha 0 in the PNG, magenta in the bitmap), the glyphs' top-left
// pixel transparent too.
namespace SkinFixture {

inline const QColor Background[2] = { QColor(20, 40, 60), QColor(30, 60, 90) };
inline const QColor HeadNormal(200, 200, 200);
inline const QColor HeadHover(150, 200, 250);
inline const QColor HeadSelected(250, 250, 240);
inline const QColor LeftEdge(100, 0, 0);
inline const QColor RightEdge(0, 100, 0);
inline const QColor GlyphSelected(255, 0, 0);
inline const QColor GlyphNormal(0, 128, 0);
inline const QColor GlyphOver(0, 0, 255);
inline const QColor GlyphPressed(255, 128, 0);
constexpr int TransparentRows = 2;

inline QImage Atlas(int style)
{
    const int headWidth = style == 0 ? 122 : 124;
    const int headHeight = style == 0 ? 25 : 26;
    const int height = style == 0 ? 25 : 28;
    const int firstGlyph = 1 + 3 * headWidth;
    QImage atlas(firstGlyph + 4 * 12, height, QImage::Format_ARGB32);
    atlas.fill(Qt::transparent);
    QPainter painter(&atlas);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.fillRect(0, 0, 1, height, Background[style == 0 ? 0 : 1]);
    const QColor heads[3] = { HeadNormal, HeadHover, HeadSelected };
    for (int i = 0; i < 3; ++i) {
        const int x = 1 + i * headWidth;
        painter.fillRect(x, 0, headWidth, headHeight, heads[i]);
        painter.fillRect(x, 0, 14, headHeight, LeftEdge);
        painter.fillRect(x + headWidth - 14, 0, 14, headHeight, RightEdge);
        painter.fillRect(x, 0, headWidth, TransparentRows, Qt::transparent);
    }
    const QColor glyphs[4] = { GlyphSelected, GlyphNormal, GlyphOver, GlyphPressed };
    for (int i = 0; i < 4; ++i) {
        painter.fillRect(firstGlyph + i * 12, 0, 12, 12, glyphs[i]);
        painter.fillRect(firstGlyph + i * 12, 0, 1, 1, Qt::transparent);
    }
    return atlas;
}

inline QImage AsColourKeyedBitmap(const QImage& atlas)
{
    QImage bitmap(atlas.size(), QImage::Format_RGB32);
    for (int y = 0; y < atlas.height(); ++y) {
        for (int x = 0; x < atlas.width(); ++x) {
            const QRgb pixel = atlas.pixel(x, y);
            bitmap.setPixel(x, y, qAlpha(pixel) == 0 ? qRgb(255, 0, 255) : pixel);
        }
    }
    return bitmap;
}

// Writes both formats of both styles below `appFolder` and points the settings there.
inline void Install(const QString& appFolder)
{
    const QString skin = appFolder + QStringLiteral("/Skin/DefaultSkin/");
    QDir().mkpath(skin);
    const char* names[2] = { "MainMenu", "CorvaneMenu" };
    for (int style = 0; style < 2; ++style) {
        const QImage atlas = Atlas(style);
        atlas.save(skin + QLatin1String(names[style]) + QStringLiteral(".png"));
        AsColourKeyedBitmap(atlas).save(skin + QLatin1String(names[style]) + QStringLiteral(".bmp"));
    }
    UseAppFolder(appFolder);
}

}
