#include "skin/ContactSheet.h"

#include "skin/Canvas.h"
#include "skin/Palette.h"
#include "skin/SkinCatalogue.h"

#include <QDir>
#include <QImageReader>
#include <QPainter>

namespace {

// All frames of the file side by side (animations), else the file's picture.
QImage ReadBack(const QString& path)
{
    QImageReader reader(path);
    QList<QImage> frames;
    for (QImage frame; reader.read(&frame);) {
        frames.append(frame);
        if (!reader.supportsAnimation() || frames.size() >= 12)
            break;
    }
    if (frames.isEmpty()) {
        QImage missing(48, 24, QImage::Format_ARGB32_Premultiplied);
        missing.fill(QColor(220, 40, 40));
        return missing;
    }
    QImage row(frames.first().width() * int(frames.size()) + 4 * int(frames.size() - 1), frames.first().height(),
               QImage::Format_ARGB32_Premultiplied);
    row.fill(Qt::transparent);
    QPainter p(&row);
    for (qsizetype i = 0; i < frames.size(); ++i)
        p.drawImage(int(i) * (frames.first().width() + 4), 0, frames[i]);
    return row;
}

void Checkerboard(QPainter& p, const QRect& r)
{
    p.save();
    p.setClipRect(r);
    for (int y = r.top(); y <= r.bottom(); y += 8)
        for (int x = r.left(); x <= r.right(); x += 8)
            p.fillRect(QRect(x, y, 8, 8), ((x - r.left()) / 8 + (y - r.top()) / 8) % 2 ? QColor(236, 236, 236) : QColor(250, 250, 250));
    p.restore();
}

QImage Load(const QString& folder, const QString& name)
{
    QImage image(QDir(folder).filePath(name));
    if (image.format() != QImage::Format_Invalid && name.endsWith(QLatin1String(".bmp")) && name.contains(QLatin1String("Menu"))) {
        // The browser program copies these with magenta as the transparent colour.
        image = image.convertToFormat(QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] & 0xFFFFFF) == 0xFF00FF)
                    line[x] = 0;
        }
    }
    return image;
}

// Nine-slice copy with edges left and right only, as the tab strip draws its heads.
void Slice(QPainter& p, const QRect& dst, const QImage& src, const QRect& box, int left, int right)
{
    p.drawImage(QRect(dst.x(), dst.y(), left, dst.height()), src, QRect(box.x(), box.y(), left, box.height()));
    p.drawImage(QRect(dst.x() + left, dst.y(), dst.width() - left - right, dst.height()), src,
                QRect(box.x() + left, box.y(), box.width() - left - right, box.height()));
    p.drawImage(QRect(dst.right() - right + 1, dst.y(), right, dst.height()), src,
                QRect(box.right() - right + 1, box.y(), right, box.height()));
}

QImage Frame(const QImage& strip, int frames, int index)
{
    const int w = strip.width() / frames;
    return strip.copy(index * w, 0, w, strip.height());
}

// The main window's title area as the program assembles it: background, strip
// background from the logo bitmap, three tabs (selected, normal, hovered with its close
// glyph lit) and the title buttons.
QImage MainWindowMock(const QString& f)
{
    QImage mock = Load(f, QStringLiteral("frmMain_bg.gif")).copy(0, 0, 801, 90).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&mock);
    const QImage logo = Load(f, QStringLiteral("Ico/logo.bmp"));
    Slice(p, QRect(45, 8, 660, 25), logo, QRect(40, 8, 172, 25), 171, 0);
    const QImage atlas = Load(f, QStringLiteral("MainMenu.png"));
    struct Tab { QString caption; int left; int width; bool close; };
    const Tab tabs[] = {{QStringLiteral("我的盒子"), 14, 108, false}, {QStringLiteral("找游戏"), 122, 108, false},
                        {QStringLiteral("超级玛丽兄弟"), 230, 108, true}, {QStringLiteral("愤怒的小鸟 太空版"), 338, 108, true}};
    const int selected = 0, hover = 2;
    p.translate(45, 8);
    auto caption = [&](const Tab& t, int w, bool bold, const QColor& c) {
        Canvas::Text(p, QRectF(t.left, 0, w, 25), t.caption, Palette::Font(12, bold), c, Qt::AlignCenter);
    };
    for (int i = 3; i >= 0; --i) {
        if (i == selected)
            continue;
        const Tab& t = tabs[i];
        Slice(p, QRect(t.left - 14, 0, t.width + 14, 25), atlas, QRect(i == hover ? 123 : 1, 0, 122, 25), 14, 14);
        if (t.close)
            p.drawImage(t.left + t.width - 24, 6, atlas, i == hover ? 391 : 379, 0, 12, 12);
        caption(t, t.close ? t.width - 38 : t.width - 14, false, Qt::black);
    }
    const Tab& s = tabs[selected];
    Slice(p, QRect(s.left - 14, 0, s.width + 14, 25), atlas, QRect(245, 0, 122, 25), 14, 14);
    caption(s, s.width - 26, true, QColor(4, 96, 163));
    p.resetTransform();
    const char* buttons[] = {"menubtn.bmp", "min.bmp", "main_close.bmp"};
    for (int i = 0; i < 3; ++i)
        p.drawImage(713 + 28 * i, 6, Frame(Load(f, QString::fromLatin1(buttons[i])), 3, i == 1 ? 1 : 0));
    return mock;
}

// The browser window's top: the skinned frame (pieces cut in twips), the style-1 strip
// from the colour-keyed bitmap, the logo and the title buttons.
QImage BrowserMock(const QString& f)
{
    const int w = 640, h = 110;
    QImage mock(w, h, QImage::Format_ARGB32_Premultiplied);
    mock.fill(Qt::white);
    QPainter p(&mock);
    const QImage skin = Load(f, QStringLiteral("corvane/bgpf.bmp"));
    const int pw = skin.width(), ph = skin.height();
    auto tw = [](int twips) { return qRound(twips / 15.0); };
    for (int i = 1; i <= w / tw(300) + 1; ++i)
        p.drawImage(tw(300) * i, 0, skin, tw(300), 0, tw(300), tw(500));
    p.drawImage(0, 0, skin, 0, 0, tw(545), tw(500));
    p.drawImage(w - tw(1000), 0, skin, pw - tw(1000), 0, tw(1000), tw(500));
    for (int i = 0; i <= h / tw(300) + 1; ++i) {
        p.drawImage(0, tw(300) * i + tw(500), skin, 0, tw(800), tw(60), tw(300));
        p.drawImage(w - tw(60), tw(300) * i + tw(500), skin, pw - tw(60), tw(800), tw(60), tw(300));
    }
    for (int i = 0; i <= w / tw(300) + 1; ++i)
        p.drawImage(tw(300) * i, h - tw(60), skin, tw(300), ph - tw(60), tw(300), tw(60));
    p.drawImage(0, h - tw(60), skin, 0, ph - tw(60), tw(545), tw(60));
    p.drawImage(w - tw(500), h - tw(60), skin, pw - tw(500), ph - tw(60), tw(500), tw(60));
    p.drawImage(4, 1, Load(f, QStringLiteral("Ico/Corvane_Logo.bmp")));
    const QImage atlas = Load(f, QStringLiteral("CorvaneMenu.bmp"));
    const int stripX = tw(100) + 40, stripY = tw(45);
    p.drawImage(QRect(tw(100), stripY, w - tw(2000) - 40, 32).adjusted(40, 0, 0, 0), atlas, QRect(0, 0, 1, 28));
    const char* captions[] = {"4399 小游戏", "植物大战僵尸", "开心农场"};
    for (int i = 0; i < 3; ++i) {
        const int left = stripX + 129 * i;
        Slice(p, QRect(left, stripY, 124, 26), atlas, QRect(i == 0 ? 249 : i == 2 ? 125 : 1, 0, 124, 26), 14, 14);
        p.drawImage(left + 104, stripY + 7, atlas, i == 0 ? 373 : 385, 0, 12, 12);
        Canvas::Text(p, QRectF(left + 4, stripY, 96, 26), QString::fromUtf8(captions[i]), Palette::Font(12, i == 0),
                     i == 0 ? QColor(4, 96, 163) : Qt::black);
    }
    const struct { const char* file; int frames; int right; } buttons[] = {
        {"corvane/close.bmp", 3, 730}, {"corvane/minmax.bmp", 6, 1105}, {"corvane/min.bmp", 3, 1465}, {"corvane/tool.bmp", 6, 1825}};
    for (const auto& b : buttons)
        p.drawImage(w - tw(b.right), 5, Frame(Load(f, QString::fromLatin1(b.file)), b.frames, b.frames == 6 ? 3 : 0));
    return mock;
}

// The player's tool strip and a small window with its buttons.
QImage StripAndDialogMock(const QString& f)
{
    QImage mock(801, 260, QImage::Format_ARGB32_Premultiplied);
    mock.fill(QColor(200, 204, 210));
    QPainter p(&mock);
    p.drawImage(QRect(0, 0, 640, 52), Load(f, QStringLiteral("InitImages/Pan_Button_middle.bmp")));
    p.drawImage(0, 0, Load(f, QStringLiteral("InitImages/Pan_Button_left.bmp")));
    p.drawImage(632, 0, Load(f, QStringLiteral("InitImages/Pan_Button_Right.bmp")));
    p.drawImage(8, 0, Load(f, QStringLiteral("Eject_ToolBg_L.bmp")));
    const struct { const char* file; int frames; int frame; } tools[] = {
        {"Eject_Tool_Replay.bmp", 3, 0}, {"Eject_Tool_Favorite.bmp", 3, 1}, {"Eject_Tool_Filling.bmp", 6, 3},
        {"Eject_Tool_Pop.bmp", 6, 0}, {"Eject_Tool_Popping.bmp", 3, 0}, {"Eject_Tool_Closed.bmp", 3, 2}};
    for (int i = 0; i < 6; ++i)
        p.drawImage(18 + 40 * i, 6, Frame(Load(f, QString::fromLatin1(tools[i].file)), tools[i].frames, tools[i].frame));
    p.drawImage(560, 6, Frame(Load(f, QStringLiteral("Eject_Tool_Trigger.bmp")), 3, 0));
    p.drawImage(604, 4, Load(f, QStringLiteral("Eject_Tool_Up.bmp")));
    p.drawImage(604, 28, Load(f, QStringLiteral("Eject_Tool_Down.bmp")));
    const char* browserTools[] = {"corvane/tool_home.bmp", "corvane/tool_customer.bmp", "corvane/tool_pay.bmp", "corvane/tool_clearcache.bmp"};
    p.drawImage(QRect(280, 0, 260, 52), Load(f, QStringLiteral("InitImages/Pan_Button_middle.bmp")));
    for (int i = 0; i < 2; ++i)
        p.drawImage(284 + 90 * i, 10, Frame(Load(f, QString::fromLatin1(browserTools[i])), 3, i));

    QImage dialog = Load(f, QStringLiteral("Login_bg.gif")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter d(&dialog);
        d.drawImage(dialog.width() - 26, 4, Frame(Load(f, QStringLiteral("pop_close.bmp")), 3, 0));
        Canvas::Text(d, QRectF(33, 0, 100, 30), QStringLiteral("登录"), Palette::Font(13, true), Qt::white, Qt::AlignLeft | Qt::AlignVCenter);
        d.drawImage(20, 140, Load(f, QStringLiteral("LoginError_bg.bmp")));
        Canvas::Text(d, QRectF(46, 140, 200, 24), QStringLiteral("请输入用户名!"), Palette::Font(12), Palette::Ink(), Qt::AlignLeft | Qt::AlignVCenter);
        const QImage button = Load(f, QStringLiteral("btn75_23.bmp"));
        d.drawImage(152, 193, Frame(button, 3, 0));
        d.drawImage(237, 193, Frame(button, 3, 1));
        Canvas::Text(d, QRectF(152, 193, 75, 23), QStringLiteral("确 定"), Palette::Font(12), Qt::black);
        Canvas::Text(d, QRectF(237, 193, 75, 23), QStringLiteral("取 消"), Palette::Font(12), Qt::black);
    }
    p.drawImage(0, 60 - 30 + 30, dialog.copy(0, 0, 334, 200));
    QImage tile = Load(f, QStringLiteral("bed.bmp")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter t(&tile);
        QLinearGradient thumb(0, 0, 74, 74);
        thumb.setColorAt(0, QColor(240, 120, 60));
        thumb.setColorAt(1, QColor(80, 40, 140));
        t.fillRect(QRect(1, 1, 74, 74), thumb);
        t.drawImage(0, 0, Load(f, QStringLiteral("origin.bmp")));
    }
    QImage more = Load(f, QStringLiteral("MoveGame.bmp")).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    {
        QPainter t(&more);
        t.drawImage(0, 0, Load(f, QStringLiteral("origin.bmp")));
    }
    p.fillRect(QRect(360, 60, 300, 160), QColor(249, 249, 249));
    p.drawImage(380, 80, tile);
    p.drawImage(380 + 116, 80, more);
    p.drawImage(380 + 232, 80, Load(f, QStringLiteral("bed.bmp")));
    Canvas::Text(p, QRectF(385, 161, 64, 25), QStringLiteral("星际探险"), Palette::Font(12), Palette::Ink());
    Canvas::Text(p, QRectF(385 + 116, 161, 64, 25), QStringLiteral("更多游戏"), Palette::Font(12), Palette::Ink());
    const QImage knobs = Load(f, QStringLiteral("knob.bmp"));
    for (int i = 0; i < 4; ++i)
        p.drawImage(460 + 18 * i, 196, knobs, 18 * (i == 0 ? 2 : i == 2 ? 3 : 1), 0, 18, 18);
    return mock;
}

} // namespace

QImage ComposeContactSheet(const QString& skinFolder)
{
    struct Item {
        QString name;
        QImage image;
    };
    QList<Item> items;
    items.append({QStringLiteral("preview: main window"), MainWindowMock(skinFolder)});
    items.append({QStringLiteral("preview: browser window"), BrowserMock(skinFolder)});
    items.append({QStringLiteral("preview: tool strips, login window, tiles"), StripAndDialogMock(skinFolder)});
    for (const SkinFile& file : SkinFiles())
        items.append({file.path, ReadBack(QDir(skinFolder).filePath(file.path))});

    const int width = 1700;
    const int margin = 16;
    const int label = 18;
    // Flow layout: each cell holds the 1x picture and, beside it, the 2x picture.
    struct Cell {
        QRect rect;
        qsizetype item;
    };
    QList<Cell> cells;
    int x = margin, y = margin, rowHeight = 0;
    for (qsizetype i = 0; i < items.size(); ++i) {
        const QSize s = items[i].image.size();
        const bool doubled = s.width() * 3 + 8 <= width - 2 * margin;
        const int w = qMax(doubled ? s.width() * 3 + 8 : s.width(), 150);
        const int h = label + (doubled ? s.height() * 2 : s.height());
        if (x + w > width - margin) {
            x = margin;
            y += rowHeight + margin;
            rowHeight = 0;
        }
        cells.append({QRect(x, y, w, h), i});
        x += w + margin;
        rowHeight = qMax(rowHeight, h);
    }
    QImage sheet(width, y + rowHeight + margin, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(200, 204, 210));
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setFont(Palette::Font(11));
    for (const Cell& cell : cells) {
        const QImage& img = items[cell.item].image;
        p.setPen(QColor(30, 30, 30));
        p.drawText(QRect(cell.rect.x(), cell.rect.y(), cell.rect.width(), label), Qt::AlignLeft | Qt::AlignVCenter,
                   QStringLiteral("%1  %2x%3").arg(items[cell.item].name).arg(img.width()).arg(img.height()));
        const QPoint at(cell.rect.x(), cell.rect.y() + label);
        Checkerboard(p, QRect(at, img.size()));
        p.drawImage(at, img);
        if (cell.rect.width() >= img.width() * 3 + 8 && img.width() * 3 + 8 <= width - 2 * margin) {
            const QRect twice(at + QPoint(img.width() + 8, 0), img.size() * 2);
            Checkerboard(p, twice);
            p.drawImage(twice, img.scaled(img.size() * 2));
        }
    }
    return sheet;
}
