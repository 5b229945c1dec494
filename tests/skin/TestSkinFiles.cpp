// The skin as the build wrote it into the application folder: every file the programs
// load is there, is a real file of its format, and has the size, frames and layout the
// programs cut it by.

#include "shell/SkinPath.h"
#include "skin/SkinCatalogue.h"

#include <QFile>
#include <QImageReader>
#include <QSet>
#include <QTest>
#include <QtEndian>

namespace {

QString AppFolder()
{
    return QStringLiteral(TAVOLIN_APP_DIR);
}

QByteArray Bytes(const QString& name)
{
    QFile file(SkinPathIn(AppFolder(), name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage Image(const QString& name)
{
    return QImage(SkinPathIn(AppFolder(), name)).convertToFormat(QImage::Format_ARGB32);
}

quint16 U16(const QByteArray& b, int at)
{
    return qFromLittleEndian<quint16>(b.constData() + at);
}

quint32 U32(const QByteArray& b, int at)
{
    return qFromLittleEndian<quint32>(b.constData() + at);
}

bool Transparent(const QImage& image, int x, int y, bool keyed)
{
    const QRgb c = image.pixel(x, y);
    return keyed ? (c & 0xFFFFFF) == 0xFF00FF : qAlpha(c) == 0;
}

bool Solid(const QImage& image, int x, int y, bool keyed)
{
    const QRgb c = image.pixel(x, y);
    return keyed ? (c & 0xFFFFFF) != 0xFF00FF : qAlpha(c) == 255;
}

int Distance(QRgb a, QRgb b)
{
    return qMax(qAbs(qRed(a) - qRed(b)), qMax(qAbs(qGreen(a) - qGreen(b)), qAbs(qBlue(a) - qBlue(b))));
}

} // namespace

class TestSkinFiles : public QObject {
    Q_OBJECT
private slots:
    void catalogueNamesEveryFileOnce();
    void filesDecodeAtTheirSize_data();
    void filesDecodeAtTheirSize();
    void bitmapHeaders_data();
    void bitmapHeaders();
    void buttonStrips_data();
    void buttonStrips();
    void opaqueButtonsMatchTheirSurface_data();
    void opaqueButtonsMatchTheirSurface();
    void tabAtlasPieces_data();
    void tabAtlasPieces();
    void bitmapAtlasKeysWhatThePngLeavesClear_data();
    void bitmapAtlasKeysWhatThePngLeavesClear();
    void stripBackgroundContinuesTheTitleBand();
    void keySpritePieces_data();
    void keySpritePieces();
    void menuIcons_data();
    void menuIcons();
    void handCursor();
    void loadingAnimation();
    void tileOverlayHasAlpha();
};

void TestSkinFiles::catalogueNamesEveryFileOnce()
{
    // Every image named by the programs, spelled as they ask for it.
    const QStringList named{
        "frmMain_bg.gif", "Ico/logo.bmp", "menubtn.bmp", "min.bmp", "main_close.bmp", "MainMenu.png",
        "CorvaneMenu.png", "MainMenu.bmp", "CorvaneMenu.bmp", "Ico/MenuSet.ico", "Ico/MenuBBS.ico",
        "Ico/MenuExit.ico", "Ico/menulookup.ico", "Ico/menudetele.ico", "MainMe_bg.gif", "game_all.bmp",
        "game_sc.bmp", "bed.bmp", "origin.bmp", "MoveGame.bmp", "knob.bmp", "MainGameBtnbg.gif", "feature.bmp",
        "flash.bmp", "corvane.bmp", "hot.bmp", "search.bmp", "Loading.gif", "loading_bg.gif", "downbgcolor.gif",
        "Cur/harrow.cur", "corvane/bgpf.bmp", "corvane/min2.bmp", "corvane/close.bmp",
        "InitImages/Pan_Button_left.bmp", "InitImages/Pan_Button_Right.bmp", "InitImages/Pan_Button_middle.bmp",
        "InitImages/Pan_Button_middle.gif", "Eject_ToolBg_L.bmp", "Eject_Tool_Replay.bmp", "Eject_Tool_Favorite.bmp",
        "Eject_Tool_Filling.bmp", "Eject_Tool_Pop.bmp", "Eject_Tool_Popping.bmp", "Eject_Tool_Closed.bmp",
        "Eject_Tool_Trigger.bmp", "Eject_Tool_Up.bmp", "Eject_Tool_Down.bmp", "icon_keys.png", "Login_bg.gif",
        "Regedit_bg.gif", "Install_bg.gif", "About_bg.gif", "RightDwon_bg.bmp", "pop_close.bmp", "btn75_23.bmp",
        "LoginError_bg.bmp", "PurgeBtn.bmp", "corvane/min.bmp", "corvane/minmax.bmp", "corvane/tool.bmp",
        "Corvane/tool_home.bmp", "Corvane/tool_customer.bmp", "Corvane/tool_pay.bmp",
        "Corvane/tool_clearcache.bmp", "Ico/Corvane_Logo.bmp", "Ico/Tavolin.ico"};
    QSet<QString> catalogue;
    for (const SkinFile& file : SkinFiles()) {
        QVERIFY2(!catalogue.contains(file.path.toLower()), qPrintable(file.path));
        catalogue.insert(file.path.toLower());
    }
    for (const QString& name : named)
        QVERIFY2(catalogue.contains(name.toLower()), qPrintable(name));
    QCOMPARE(catalogue.size(), named.size());
}

void TestSkinFiles::filesDecodeAtTheirSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("format");
    QTest::addColumn<int>("cells");
    for (const SkinFile& file : SkinFiles())
        QTest::newRow(qPrintable(file.path)) << file.path << file.size << int(file.format) << file.cells;
}

void TestSkinFiles::filesDecodeAtTheirSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(int, format);
    QFETCH(int, cells);
    QCOMPARE(size.width() % cells, 0); // frames of equal width
    const QByteArray bytes = Bytes(path);
    QVERIFY2(!bytes.isEmpty(), qPrintable(SkinPathIn(AppFolder(), path)));
    const QByteArray magic = bytes.left(6);
    switch (SkinFormat(format)) {
    case SkinFormat::Png:
        QVERIFY(magic.startsWith("\x89PNG"));
        break;
    case SkinFormat::Bmp:
    case SkinFormat::BmpAlpha:
        QVERIFY(magic.startsWith("BM"));
        break;
    case SkinFormat::Gif:
        QCOMPARE(magic, QByteArray("GIF89a"));
        break;
    case SkinFormat::Ico:
        QCOMPARE(U16(bytes, 2), quint16(1));
        break;
    case SkinFormat::Cur:
        QCOMPARE(U16(bytes, 2), quint16(2));
        break;
    }
    if (SkinFormat(format) == SkinFormat::Cur)
        return; // read by handCursor
    QImageReader reader(SkinPathIn(AppFolder(), path));
    if (SkinFormat(format) == SkinFormat::Ico) {
        QVERIFY(reader.jumpToImage(1)); // the largest size
    }
    const QImage image = reader.read();
    QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
    QCOMPARE(image.size(), size);
}

void TestSkinFiles::bitmapHeaders_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("bitsPerPixel");
    QTest::addColumn<int>("compression");
    for (const SkinFile& file : SkinFiles()) {
        if (file.format == SkinFormat::Bmp)
            QTest::newRow(qPrintable(file.path)) << file.path << 24 << 0;
        else if (file.format == SkinFormat::BmpAlpha)
            QTest::newRow(qPrintable(file.path)) << file.path << 32 << 3;
    }
}

void TestSkinFiles::bitmapHeaders()
{
    QFETCH(QString, path);
    QFETCH(int, bitsPerPixel);
    QFETCH(int, compression);
    const QByteArray b = Bytes(path);
    QCOMPARE(int(U32(b, 2)), int(b.size()));
    QCOMPARE(int(U16(b, 28)), bitsPerPixel);
    QCOMPARE(int(U32(b, 30)), compression);
    const int width = int(U32(b, 18));
    const int height = int(U32(b, 22));
    const int stride = ((width * bitsPerPixel / 8) + 3) & ~3;
    QCOMPARE(int(U32(b, 10)) + stride * height, int(b.size()));
    if (compression == 3)
        QCOMPARE(U32(b, 66), 0xFF000000u); // alpha mask of the V5 header
}

void TestSkinFiles::buttonStrips_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("frames");
    QTest::addColumn<QSize>("frame");
    // 3 frames for push buttons, 6 for toggles (normal, hover, pressed; released then in).
    QTest::newRow("menu") << "menubtn.bmp" << 3 << QSize(28, 22);
    QTest::newRow("minimise") << "min.bmp" << 3 << QSize(28, 22);
    QTest::newRow("close") << "main_close.bmp" << 3 << QSize(28, 22);
    QTest::newRow("all games") << "game_all.bmp" << 3 << QSize(80, 24);
    QTest::newRow("favourites") << "game_sc.bmp" << 3 << QSize(80, 24);
    QTest::newRow("featured") << "feature.bmp" << 3 << QSize(88, 28);
    QTest::newRow("flash") << "flash.bmp" << 3 << QSize(88, 28);
    QTest::newRow("web games") << "corvane.bmp" << 3 << QSize(88, 28);
    QTest::newRow("hot") << "hot.bmp" << 3 << QSize(88, 28);
    QTest::newRow("search") << "search.bmp" << 3 << QSize(56, 26);
    QTest::newRow("player minimise") << "corvane/min2.bmp" << 3 << QSize(24, 22);
    QTest::newRow("frame close") << "corvane/close.bmp" << 3 << QSize(40, 22);
    QTest::newRow("replay") << "Eject_Tool_Replay.bmp" << 3 << QSize(40, 40);
    QTest::newRow("favourite") << "Eject_Tool_Favorite.bmp" << 3 << QSize(40, 40);
    QTest::newRow("fit toggle") << "Eject_Tool_Filling.bmp" << 6 << QSize(40, 40);
    QTest::newRow("full screen toggle") << "Eject_Tool_Pop.bmp" << 6 << QSize(40, 40);
    QTest::newRow("pop out") << "Eject_Tool_Popping.bmp" << 3 << QSize(40, 40);
    QTest::newRow("show guide") << "Eject_Tool_Closed.bmp" << 3 << QSize(40, 40);
    QTest::newRow("hide guide") << "Eject_Tool_Trigger.bmp" << 3 << QSize(40, 40);
    QTest::newRow("dialog close") << "pop_close.bmp" << 3 << QSize(22, 22);
    QTest::newRow("dialog button") << "btn75_23.bmp" << 3 << QSize(75, 23);
    QTest::newRow("purge") << "PurgeBtn.bmp" << 3 << QSize(88, 26);
    QTest::newRow("browser minimise") << "corvane/min.bmp" << 3 << QSize(24, 22);
    QTest::newRow("maximise toggle") << "corvane/minmax.bmp" << 6 << QSize(24, 22);
    QTest::newRow("tool bar toggle") << "corvane/tool.bmp" << 6 << QSize(24, 22);
    QTest::newRow("home") << "corvane/tool_home.bmp" << 3 << QSize(88, 32);
    QTest::newRow("customer") << "corvane/tool_customer.bmp" << 3 << QSize(88, 32);
    QTest::newRow("pay") << "corvane/tool_pay.bmp" << 3 << QSize(88, 32);
    QTest::newRow("clear cache") << "corvane/tool_clearcache.bmp" << 3 << QSize(88, 32);
    QTest::newRow("page knobs") << "knob.bmp" << 4 << QSize(18, 18);
}

void TestSkinFiles::buttonStrips()
{
    QFETCH(QString, path);
    QFETCH(int, frames);
    QFETCH(QSize, frame);
    const QImage strip = Image(path);
    QCOMPARE(strip.size(), QSize(frame.width() * frames, frame.height()));
    QList<QImage> cut;
    for (int i = 0; i < frames; ++i)
        cut.append(strip.copy(i * frame.width(), 0, frame.width(), frame.height()));
    // Each state looks different from its neighbours, and every frame is drawn.
    for (int i = 0; i < frames; ++i) {
        if (i % 3 != 0)
            QVERIFY2(cut[i] != cut[i - 1], qPrintable(QStringLiteral("frame %1 repeats frame %2").arg(i).arg(i - 1)));
        QVERIFY(cut[i].pixel(frame.width() / 2, frame.height() / 2) != 0);
    }
    if (frames == 6) {
        for (int i = 0; i < 3; ++i)
            QVERIFY2(cut[i] != cut[i + 3], "a toggle must look pressed in");
    }
}

void TestSkinFiles::opaqueButtonsMatchTheirSurface_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("frames");
    QTest::addColumn<QString>("surface");
    QTest::addColumn<QPoint>("at");
    // Where each opaque button sits, the corners of its frames show exactly the surface
    // behind it, so no seam appears around it.
    QTest::newRow("menu on main band") << "menubtn.bmp" << 3 << "frmMain_bg.gif" << QPoint(713, 6);
    QTest::newRow("close on main band") << "main_close.bmp" << 3 << "frmMain_bg.gif" << QPoint(769, 6);
    QTest::newRow("close on login band") << "pop_close.bmp" << 3 << "Login_bg.gif" << QPoint(334 - 26, 4);
    QTest::newRow("close on settings band") << "pop_close.bmp" << 3 << "Install_bg.gif" << QPoint(421 - 26, 4);
    QTest::newRow("close on pop-up band") << "pop_close.bmp" << 3 << "RightDwon_bg.bmp" << QPoint(310 - 26, 4);
    QTest::newRow("frame close on frame band") << "corvane/close.bmp" << 3 << "corvane/bgpf.bmp" << QPoint(150, 5);
    QTest::newRow("frame toggle on frame band") << "corvane/minmax.bmp" << 6 << "corvane/bgpf.bmp" << QPoint(100, 5);
    QTest::newRow("category on finder bar") << "feature.bmp" << 3 << "MainGameBtnbg.gif" << QPoint(12, 6);
    QTest::newRow("search on finder bar") << "search.bmp" << 3 << "MainGameBtnbg.gif" << QPoint(720, 7);
    QTest::newRow("first tool on tray") << "Eject_Tool_Replay.bmp" << 3 << "Eject_ToolBg_L.bmp" << QPoint(10, 6);
    QTest::newRow("toggle on tray") << "Eject_Tool_Pop.bmp" << 6 << "Eject_ToolBg_L.bmp" << QPoint(130, 6);
    QTest::newRow("last tool on tray") << "Eject_Tool_Closed.bmp" << 3 << "Eject_ToolBg_L.bmp" << QPoint(210, 6);
    QTest::newRow("trigger on strip") << "Eject_Tool_Trigger.bmp" << 3 << "InitImages/Pan_Button_middle.bmp" << QPoint(0, 6);
    QTest::newRow("browser tool on strip") << "corvane/tool_home.bmp" << 3 << "InitImages/Pan_Button_middle.bmp" << QPoint(0, 10);
    QTest::newRow("filter on grid") << "game_all.bmp" << 3 << "MainMe_bg.gif" << QPoint(16, 3);
    QTest::newRow("knob on grid") << "knob.bmp" << 4 << "MainMe_bg.gif" << QPoint(285, 529);
    QTest::newRow("browser logo on frame band") << "Ico/Corvane_Logo.bmp" << 1 << "corvane/bgpf.bmp" << QPoint(60, 2);
}

void TestSkinFiles::opaqueButtonsMatchTheirSurface()
{
    QFETCH(QString, button);
    QFETCH(int, frames);
    QFETCH(QString, surface);
    QFETCH(QPoint, at);
    const QImage b = Image(button);
    const QImage s = Image(surface);
    QVERIFY(!b.isNull() && !s.isNull());
    const int w = b.width() / frames;
    const int h = b.height();
    for (int frame = 0; frame < frames; ++frame) {
        for (const QPoint corner : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)}) {
            // Narrow strip pieces are stretched sideways: any column stands for all.
            const QPoint under(qMin(at.x() + corner.x(), s.width() - 1), at.y() + corner.y());
            const QRgb mine = b.pixel(frame * w + corner.x(), corner.y());
            QVERIFY2(Distance(mine, s.pixel(under)) <= 3,
                     qPrintable(QStringLiteral("frame %1 corner %2,%3: %4 against %5").arg(frame).arg(corner.x())
                                    .arg(corner.y()).arg(mine, 0, 16).arg(s.pixel(under), 0, 16)));
        }
    }
}

void TestSkinFiles::tabAtlasPieces_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("columnRows");
    QTest::addColumn<QList<int>>("heads");
    QTest::addColumn<QSize>("head");
    QTest::addColumn<QList<int>>("glyphs");
    QTest::addColumn<bool>("keyed");
    const QList<int> heads0{1, 123, 245}, glyphs0{367, 379, 391, 403};
    const QList<int> heads1{1, 125, 249}, glyphs1{373, 385, 397, 409};
    QTest::newRow("style 0 png") << "MainMenu.png" << QSize(415, 25) << 25 << heads0 << QSize(122, 25) << glyphs0 << false;
    QTest::newRow("style 0 bmp") << "MainMenu.bmp" << QSize(415, 25) << 25 << heads0 << QSize(122, 25) << glyphs0 << true;
    QTest::newRow("style 1 png") << "CorvaneMenu.png" << QSize(421, 28) << 28 << heads1 << QSize(124, 26) << glyphs1 << false;
    QTest::newRow("style 1 bmp") << "CorvaneMenu.bmp" << QSize(421, 28) << 28 << heads1 << QSize(124, 26) << glyphs1 << true;
}

void TestSkinFiles::tabAtlasPieces()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(int, columnRows);
    QFETCH(QList<int>, heads);
    QFETCH(QSize, head);
    QFETCH(QList<int>, glyphs);
    QFETCH(bool, keyed);
    const QImage atlas = Image(path);
    QCOMPARE(atlas.size(), size);
    for (int y = 0; y < columnRows; ++y)
        QVERIFY2(Solid(atlas, 0, y, keyed), "the background column is solid");
    for (int x : heads) {
        // Rounded top corners are clear, the body and the bottom row are solid, and the
        // head fills its whole width at the bottom (the nine-slice edges are 14 wide).
        QVERIFY(Transparent(atlas, x, 0, keyed));
        QVERIFY(Transparent(atlas, x + head.width() - 1, 0, keyed));
        QVERIFY(Solid(atlas, x + head.width() / 2, head.height() / 2, keyed));
        QVERIFY(Solid(atlas, x + head.width() / 2, 3, keyed));
        QVERIFY(Solid(atlas, x + 14, head.height() - 1, keyed));
        QVERIFY(Solid(atlas, x + head.width() - 15, head.height() - 1, keyed));
        if (size.height() > head.height())
            QVERIFY(Transparent(atlas, x + head.width() / 2, head.height(), keyed));
    }
    QVERIFY(atlas.copy(heads[0], 0, head.width(), head.height()) != atlas.copy(heads[1], 0, head.width(), head.height()));
    QVERIFY(atlas.copy(heads[1], 0, head.width(), head.height()) != atlas.copy(heads[2], 0, head.width(), head.height()));
    for (int x : glyphs) {
        QVERIFY(Transparent(atlas, x, 0, keyed));
        QVERIFY(Solid(atlas, x + 6, 6, keyed)); // the cross meets in the middle
        QVERIFY(Transparent(atlas, x + 6, 12, keyed)); // nothing below the 12 x 12 cell
    }
    QVERIFY(atlas.copy(glyphs[1], 0, 12, 12) != atlas.copy(glyphs[2], 0, 12, 12));
    QVERIFY(atlas.copy(glyphs[2], 0, 12, 12) != atlas.copy(glyphs[3], 0, 12, 12));
}

void TestSkinFiles::bitmapAtlasKeysWhatThePngLeavesClear_data()
{
    QTest::addColumn<QString>("png");
    QTest::addColumn<QString>("bmp");
    QTest::newRow("style 0") << "MainMenu.png" << "MainMenu.bmp";
    QTest::newRow("style 1") << "CorvaneMenu.png" << "CorvaneMenu.bmp";
}

void TestSkinFiles::bitmapAtlasKeysWhatThePngLeavesClear()
{
    QFETCH(QString, png);
    QFETCH(QString, bmp);
    const QImage a = Image(png);
    const QImage b = Image(bmp);
    QCOMPARE(a.size(), b.size());
    int keyed = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (qAlpha(a.pixel(x, y)) == 0) {
                QVERIFY(Transparent(b, x, y, true));
                ++keyed;
            } else if (qAlpha(a.pixel(x, y)) == 255) {
                QVERIFY(Solid(b, x, y, true));
                QVERIFY(Distance(a.pixel(x, y), b.pixel(x, y)) <= 1);
            }
        }
    }
    QVERIFY(keyed > 100);
}

void TestSkinFiles::stripBackgroundContinuesTheTitleBand()
{
    // The main window paints its strip from logo.bmp (source x 40, y 8, 172 x 25, left
    // edge 171) at window (45, 8); it must be invisible against the window background.
    const QImage logo = Image("Ico/logo.bmp");
    const QImage frame = Image("frmMain_bg.gif");
    QVERIFY(logo.width() >= 212 && logo.height() >= 33);
    for (int y = 8; y < 33; ++y) {
        for (int x : {40, 100, 211})
            QVERIFY2(Distance(logo.pixel(x, y), frame.pixel(x + 5, y)) <= 3, qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
        QVERIFY(Distance(logo.pixel(211, y), frame.pixel(700, y)) <= 3); // the stretched column
    }
}

void TestSkinFiles::keySpritePieces_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    // Background position and width of each class of the guide page's style sheet.
    const struct { const char* name; int position; int width; } pieces[] = {
        {"mouseleft", 2, 18}, {"mousescroll", -33, 18}, {"mousemove", -68, 23}, {"drag", -103, 23},
        {"alt", -136, 38}, {"enter", -168, 47}, {"shift", -200, 47}, {"ctrl", -232, 38}, {"tab", -264, 38},
        {"end", -296, 38}, {"space", -328, 77}, {"left", -360, 24}, {"right", -392, 24}, {"up", -424, 24},
        {"down", -456, 24}, {"lr", -488, 49}, {"ud", -520, 49}, {"wasd", -588, 52}, {"arrows", -628, 52},
        {"full", -674, 24}};
    for (const auto& p : pieces)
        QTest::newRow(p.name) << p.position << p.width << 30;
    QTest::newRow("key") << -553 << 24 << 27;
}

void TestSkinFiles::keySpritePieces()
{
    QFETCH(int, position);
    QFETCH(int, width);
    QFETCH(int, height);
    const QImage sprite = Image("icon_keys.png");
    QCOMPARE(sprite.size(), QSize(80, 704));
    // Box row r shows sprite row r - position: the picture lies inside the box's width
    // and nothing of it is cut off at the box's edges.
    int inside = 0;
    const int top = -position;
    for (int y = qMax(0, top); y < qMin(sprite.height(), top + height); ++y) {
        for (int x = 0; x < sprite.width(); ++x) {
            const bool ink = qAlpha(sprite.pixel(x, y)) > 0;
            if (x >= width)
                QVERIFY2(!ink, qPrintable(QStringLiteral("ink beyond the box at %1,%2").arg(x).arg(y)));
            else if (ink)
                ++inside;
        }
    }
    QVERIFY(inside > 40);
}

void TestSkinFiles::menuIcons_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("settings") << "Ico/MenuSet.ico";
    QTest::newRow("help") << "Ico/MenuBBS.ico";
    QTest::newRow("quit") << "Ico/MenuExit.ico";
    QTest::newRow("introduction") << "Ico/menulookup.ico";
    QTest::newRow("delete") << "Ico/menudetele.ico";
    QTest::newRow("program") << "Ico/Tavolin.ico";
}

void TestSkinFiles::menuIcons()
{
    QFETCH(QString, path);
    const QByteArray b = Bytes(path);
    QCOMPARE(U16(b, 0), quint16(0));
    QCOMPARE(U16(b, 2), quint16(1));
    QCOMPARE(U16(b, 4), quint16(2));
    const int sizes[] = {16, 32};
    for (int i = 0; i < 2; ++i) {
        const int entry = 6 + 16 * i;
        QCOMPARE(int(uchar(b[entry])), sizes[i]);
        QCOMPARE(int(uchar(b[entry + 1])), sizes[i]);
        QCOMPARE(U16(b, entry + 6), quint16(32));
        const quint32 length = U32(b, entry + 8);
        const quint32 offset = U32(b, entry + 12);
        QVERIFY(offset + length <= quint32(b.size()));
        QCOMPARE(U32(b, int(offset)), 40u);                          // BITMAPINFOHEADER
        QCOMPARE(int(U32(b, int(offset) + 8)), sizes[i] * 2);        // colour and mask rows
        const int maskStride = ((sizes[i] + 31) / 32) * 4;
        QCOMPARE(int(length), 40 + sizes[i] * sizes[i] * 4 + maskStride * sizes[i]);
    }
    QImageReader reader(SkinPathIn(AppFolder(), path));
    QCOMPARE(reader.imageCount(), 2);
    const QImage small = reader.read();
    QCOMPARE(small.size(), QSize(16, 16));
    QVERIFY(small.hasAlphaChannel());
    QCOMPARE(qAlpha(small.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(small.pixel(8, 8)), 255);
}

void TestSkinFiles::handCursor()
{
    const QByteArray b = Bytes("Cur/harrow.cur");
    QCOMPARE(U16(b, 2), quint16(2));
    QCOMPARE(U16(b, 4), quint16(1));
    QCOMPARE(int(uchar(b[6])), 32);
    QCOMPARE(int(uchar(b[7])), 32);
    const QPoint hotSpot(U16(b, 10), U16(b, 12));
    QCOMPARE(hotSpot, QPoint(11, 1));
    const int offset = int(U32(b, 18));
    QCOMPARE(U32(b, offset), 40u);
    QCOMPARE(U16(b, offset + 14), quint16(32));
    // Decode the bottom-up colour rows and check the hot spot lies on the fingertip's
    // outline, with clear pixels above it and in the corners.
    auto alpha = [&](int x, int y) { return int(uchar(b[offset + 40 + ((31 - y) * 32 + x) * 4 + 3])); };
    QVERIFY(alpha(hotSpot.x(), hotSpot.y()) > 128);
    QCOMPARE(alpha(hotSpot.x(), 0) < 128, true);
    QCOMPARE(alpha(0, 0), 0);
    QCOMPARE(alpha(31, 31), 0);
    // The AND mask marks exactly the fully clear pixels.
    const int mask = offset + 40 + 32 * 32 * 4;
    QCOMPARE(int(uchar(b[mask + 31 * 4])) & 0x80, 0x80); // row 0 (stored last), pixel 0
    QCOMPARE(b.size(), mask + 32 * 4);
}

void TestSkinFiles::loadingAnimation()
{
    QImageReader reader(SkinPathIn(AppFolder(), "Loading.gif"));
    QVERIFY(reader.supportsAnimation());
    QCOMPARE(reader.imageCount(), 12);
    QList<QImage> frames;
    for (QImage frame; reader.read(&frame);)
        frames.append(frame.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(frames.size(), 12);
    QCOMPARE(frames.first().size(), QSize(32, 32));
    for (qsizetype i = 1; i < frames.size(); ++i)
        QVERIFY(frames[i] != frames[i - 1]);
}

void TestSkinFiles::tileOverlayHasAlpha()
{
    const QImage overlay = Image("origin.bmp");
    QCOMPARE(overlay.size(), QSize(74, 74));
    QCOMPARE(qAlpha(overlay.pixel(0, 0)), 255);  // the corner hides the thumbnail
    QCOMPARE(qAlpha(overlay.pixel(37, 60)), 0);  // the middle shows it
    QVERIFY(qAlpha(overlay.pixel(37, 0)) > 0);   // the rim
}

QTEST_MAIN(TestSkinFiles)
#include "TestSkinFiles.moc"
