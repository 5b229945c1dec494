#include "skin/WindowArt.h"

#include "skin/Canvas.h"
#include "skin/Glyphs.h"
#include "skin/Palette.h"

#include <QPainterPath>

namespace {

// Title band rows, the one-pixel highlight under the top edge and the rounded outline.
void DrawBand(QPainter& p, int width, int height)
{
    Canvas::FillRows(p, QRect(0, 0, width, height), Palette::Band);
    p.fillRect(QRect(1, 1, width - 2, 1), QColor(255, 255, 255, 46));
}

void DrawOutline(QPainter& p, int width, int height)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::Edge(), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(QRectF(0.5, 0.5, width - 1, height - 1), 3, 3);
    p.restore();
}

// Two soft light rings in the band, kept clear of the close button.
void DrawBandOrnament(QPainter& p, int width)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setClipRect(QRect(width / 2, 2, width / 2 - 34, 28));
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 34), 10));
    p.drawEllipse(QPointF(width - 96, 36), 40, 40);
    p.setPen(QPen(QColor(255, 255, 255, 22), 6));
    p.drawEllipse(QPointF(width - 150, -6), 30, 30);
    p.restore();
}

void PaintDialog(QPainter& p, int width, int height, bool withFooter)
{
    p.fillRect(0, 0, width, height, Qt::white);
    DrawBand(p, width, 30);
    DrawBandOrnament(p, width);
    if (withFooter) {
        const int top = height - 46;
        p.fillRect(QRect(0, top, width, 46), Palette::Footer());
        p.fillRect(QRect(0, top, width, 1), Palette::Line());
    }
    WindowArt::DrawLogoMark(p, QRectF(9, 6, 18, 18));
    DrawOutline(p, width, height);
}

// An 8 x 52 piece of the tool strip: its rows, the top line, and a side line at
// column `sideLine` (-1: none).
QImage StripPiece(int sideLine)
{
    QImage image = Canvas::New(8, 52);
    QPainter p(&image);
    Canvas::FillRows(p, image.rect(), Palette::Strip);
    p.fillRect(QRect(0, 0, 8, 1), Palette::Line());
    if (sideLine >= 0)
        p.fillRect(QRect(sideLine, 0, 1, 52), Palette::Line());
    return image;
}

} // namespace

namespace WindowArt {

void DrawLogoMark(QPainter& p, const QRectF& box)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    const qreal r = box.width() * 0.24;
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 40, 80, 40));
    p.drawRoundedRect(box.translated(0, box.height() * 0.05), r, r);
    QLinearGradient face(box.topLeft(), box.bottomLeft());
    face.setColorAt(0, Qt::white);
    face.setColorAt(1, QColor(226, 239, 250));
    p.setBrush(face);
    p.drawRoundedRect(box, r, r);
    const qreal inset = box.width() * 0.12;
    DrawGlyph(p, Glyph::Gamepad, box.adjusted(inset, inset, -inset, -inset), Palette::Accent(),
              qMax<qreal>(1.3, box.width() / 14));
    p.restore();
}

QImage ProgramIcon(int size)
{
    QImage image = Canvas::New(size, size, Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0.5, 0.5, size - 1, size - 1);
    const qreal r = size * 0.22;
    QLinearGradient face(box.topLeft(), box.bottomLeft());
    face.setColorAt(0, Palette::Accent());
    face.setColorAt(1, Palette::AccentDark());
    p.setPen(QPen(Palette::AccentDark(), 1));
    p.setBrush(face);
    p.drawRoundedRect(box, r, r);
    const qreal inset = size * 0.16;
    DrawGlyph(p, Glyph::Gamepad, box.adjusted(inset, inset, -inset, -inset), Qt::white, qMax<qreal>(1.3, size / 14.0));
    return image;
}

QImage MainFrame()
{
    const int w = 801, h = 589;
    QImage image = Canvas::New(w, h, Palette::Frame());
    QPainter p(&image);
    DrawBand(p, w, 34);
    p.fillRect(QRect(4, 34, 791, 550), Palette::Page());
    p.setPen(Palette::Line());
    p.drawRect(QRect(3, 34, 792, 550));
    DrawLogoMark(p, QRectF(11, 5, 24, 24));
    DrawOutline(p, w, h);
    return image;
}

QImage MainLogo()
{
    return MainFrame().copy(5, 0, 220, 34);
}

QImage FrameSkin()
{
    // Measured in twips by its users (15 per pixel): title 545 high, left cap 545 wide,
    // right end 1000 wide, borders 60 wide, left/right border rows from 800 down.
    const int w = 200, h = 100;
    QImage image = Canvas::New(w, h, Palette::Frame());
    QPainter p(&image);
    DrawBand(p, w, 34);
    DrawOutline(p, w, h);
    return image;
}

QImage Dialog(int width, int height, bool withFooter)
{
    QImage image = Canvas::New(width, height);
    QPainter p(&image);
    PaintDialog(p, width, height, withFooter);
    return image;
}

QImage CornerPopup()
{
    QImage image = Canvas::New(310, 200);
    QPainter p(&image);
    PaintDialog(p, 310, 200, false);
    p.setRenderHint(QPainter::TextAntialiasing);
    Canvas::Text(p, QRectF(33, 0, 200, 30), QStringLiteral("系统提示"), Palette::Font(13, true), Qt::white,
                 Qt::AlignLeft | Qt::AlignVCenter);
    return image;
}

QImage AboutBox()
{
    QImage image = Canvas::New(419, 256);
    QPainter p(&image);
    PaintDialog(p, 419, 256, true);
    QRadialGradient glow(QPointF(56, 86), 70);
    glow.setColorAt(0, QColor(230, 242, 251));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(QRect(1, 30, 160, 150), glow);
    DrawLogoMark(p, QRectF(28, 58, 56, 56));
    return image;
}

QImage MyBoxPage()
{
    QImage image = Canvas::New(791, 550, Palette::Page());
    QPainter p(&image);
    p.fillRect(QRect(0, 0, 602, 550), Palette::Grid());
    p.fillRect(QRect(602, 0, 1, 550), Palette::Line());
    QLinearGradient pane(0, 0, 0, 550);
    pane.setColorAt(0, Qt::white);
    pane.setColorAt(1, Palette::Page());
    p.fillRect(QRect(603, 0, 188, 550), pane);
    return image;
}

QImage FinderBar()
{
    QImage image = Canvas::New(791, 40);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Canvas::FillRows(p, image.rect(), Palette::Bar);
    p.fillRect(QRect(0, 39, 791, 1), Palette::Line());
    p.setPen(QPen(QColor(190, 204, 218), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(532.5, 7.5, 183, 25), 4, 4);
    DrawGlyph(p, Glyph::Lookup, QRectF(538, 12, 16, 16), QColor(160, 172, 186), 1.4);
    return image;
}

QImage DownloadPanel()
{
    QImage image = Canvas::New(791, 550, Palette::Page());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 60, 100, 14));
    p.drawRoundedRect(QRectF(12, 14, 767, 92), 6, 6);
    p.setPen(QPen(Palette::Line(), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(12.5, 12.5, 766, 91), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Accent());
    p.drawRoundedRect(QRectF(13, 13, 4, 90), 2, 2);
    p.setPen(QPen(Palette::Line(), 1));
    p.drawLine(QPointF(12.5, 116.5), QPointF(778.5, 116.5));
    return image;
}

QImage LoadingBackdrop()
{
    QImage image = Canvas::New(64, 64, Palette::Page());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Palette::Line(), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, 63, 63), 10, 10);
    return image;
}

QImage StripLeft()
{
    return StripPiece(0);
}

QImage StripRight()
{
    return StripPiece(7);
}

QImage StripMiddle()
{
    return StripPiece(-1);
}

QImage ToolTray()
{
    QImage image = Canvas::New(260, 52);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    Canvas::FillRows(p, image.rect(), Palette::Strip);
    p.fillRect(QRect(0, 0, 260, 1), Palette::Line());
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 60, 100, 16));
    p.drawRoundedRect(QRectF(4, 4.5, 252, 45), 6, 6);
    p.setPen(QPen(Palette::Line(), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(4.5, 3.5, 251, 45), 6, 6);
    return image;
}

QImage BrowserLogo()
{
    QImage image = Canvas::New(32, 32);
    QPainter p(&image);
    Canvas::FillRows(p, image.rect(), [](int y) { return Palette::Band(2 + y); });
    DrawLogoMark(p, QRectF(5, 5, 22, 22));
    return image;
}

QImage LoginStatus()
{
    QImage image = Canvas::New(294, 24, Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(187, 216, 240), 1));
    p.setBrush(Palette::AccentSoft());
    p.drawRoundedRect(QRectF(0.5, 0.5, 293, 23), 3, 3);
    p.setPen(Qt::NoPen);
    p.setBrush(Palette::Accent());
    p.drawEllipse(QRectF(6, 5, 14, 14));
    p.setRenderHint(QPainter::TextAntialiasing);
    Canvas::Text(p, QRectF(6, 5, 14, 14), QStringLiteral("i"), Palette::Font(11, true), Qt::white);
    return image;
}

} // namespace WindowArt
