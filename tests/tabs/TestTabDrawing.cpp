#include "tabs/CTabItem.h"
#include "tabs/CTabItems.h"
#include "tabs/mdlTabAPI.h"
#include "tabs/TabAtlas.h"
#include "tabs/TabError.h"
#include "tabs/uTab.h"
#include "tests/tabs/TabTestSupport.h"

#include <QApplication>
#include <QFile>
#include <QMouseEvent>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(TabSkinFormat)

namespace {

using namespace SkinFixture;

QColor At(const QImage& image, int x, int y)
{
    return QColor(image.pixel(x, y));
}

// A pixel that differs clearly from the head colour beneath it: text.
bool Inked(const QImage& image, int x, int y, const QColor& head)
{
    const QColor c = At(image, x, y);
    return qAbs(c.red() - head.red()) + qAbs(c.green() - head.green()) + qAbs(c.blue() - head.blue()) > 90;
}

int InkedColumns(const QImage& image, int from, int to, const QColor& head, int* first = nullptr)
{
    int columns = 0;
    for (int x = from; x < to; ++x) {
        for (int y = 3; y < 23; ++y) {
            if (Inked(image, x, y, head)) {
                if (first && columns == 0)
                    *first = x;
                ++columns;
                break;
            }
        }
    }
    return columns;
}

QImage Filled(int width, int height, const QColor& colour)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(colour);
    return image;
}

}

class TestTabDrawing : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void nineSliceKeepsCornersAndStretchesTheRest();
    void nineSliceWithoutEdgesIsAPlainStretch();
    void nineSliceNothingForEmptySizes_data();
    void nineSliceNothingForEmptySizes();
    void nineSliceAndCopyLeaveOutTheKeyColour();
    void atlasFormatsDrawAlike_data();
    void atlasFormatsDrawAlike();
    void missingSkin();
    void headsComeFromTheirPieces_data();
    void headsComeFromTheirPieces();
    void glyphFollowsCloseState_data();
    void glyphFollowsCloseState();
    void headsOverlapLeftOverRight();
    void longCaptionStaysInItsBox();
    void hostDrawsTheBackground();

private:
    // A hidden strip of `style`, 600 wide, margins 40/0, with three tabs drawn.
    uTab* strip(int style, TabSkinFormat format = TabSkinFormat::Png);

    std::unique_ptr<QTemporaryDir> m_app;
    std::unique_ptr<uTab> m_strip;
    QList<TestForm*> m_forms;
};

void TestTabDrawing::init()
{
    m_app = std::make_unique<QTemporaryDir>();
    SkinFixture::Install(m_app->path());
}

void TestTabDrawing::cleanup()
{
    m_strip.reset();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    m_forms.clear();
}

uTab* TestTabDrawing::strip(int style, TabSkinFormat format)
{
    m_strip = std::make_unique<uTab>(format);
    m_strip->SetTabStyle(style);
    m_strip->resize(600, TabLayout::StripHeight(style));
    for (int i = 0; i < 3; ++i) {
        auto* form = new TestForm;
        m_forms << form;
        m_strip->TabItems()->Add(QStringLiteral("tab %1").arg(i), form);
    }
    m_strip->LockReDraw(false);
    return m_strip.get();
}

void TestTabDrawing::nineSliceKeepsCornersAndStretchesTheRest()
{
    // 30 x 20 source at (10, 5) of a larger picture: 5-pixel corners in four colours,
    // cyan left edge, grey elsewhere.
    QImage source = Filled(50, 30, Qt::black);
    {
        QPainter p(&source);
        p.fillRect(10, 5, 30, 20, Qt::gray);
        p.fillRect(10, 10, 5, 10, Qt::cyan);
        p.fillRect(10, 5, 5, 5, Qt::red);
        p.fillRect(35, 5, 5, 5, Qt::green);
        p.fillRect(10, 20, 5, 5, Qt::blue);
        p.fillRect(35, 20, 5, 5, Qt::yellow);
    }
    QImage target = Filled(120, 80, Qt::white);
    {
        QPainter p(&target);
        mdlTabAPI::NineSliceDraw(p, 10, 10, 100, 60, source, 10, 5, 30, 20, 5, 5, 5, 5);
    }
    QCOMPARE(At(target, 10, 10), QColor(Qt::red));
    QCOMPARE(At(target, 14, 14), QColor(Qt::red));
    QCOMPARE(At(target, 15, 15), QColor(Qt::gray));
    QCOMPARE(At(target, 109, 10), QColor(Qt::green));
    QCOMPARE(At(target, 105, 14), QColor(Qt::green));
    QCOMPARE(At(target, 10, 69), QColor(Qt::blue));
    QCOMPARE(At(target, 109, 69), QColor(Qt::yellow));
    QCOMPARE(At(target, 12, 40), QColor(Qt::cyan));
    QCOMPARE(At(target, 60, 40), QColor(Qt::gray));
    QCOMPARE(At(target, 9, 40), QColor(Qt::white));
    QCOMPARE(At(target, 110, 40), QColor(Qt::white));
}

void TestTabDrawing::nineSliceWithoutEdgesIsAPlainStretch()
{
    QImage source = Filled(20, 10, Qt::red);
    {
        QPainter p(&source);
        p.fillRect(10, 0, 10, 10, Qt::blue);
    }
    QImage target = Filled(80, 20, Qt::white);
    {
        QPainter p(&target);
        mdlTabAPI::NineSliceDraw(p, 0, 0, 80, 20, source, 0, 0, 20, 10, 0, 0, 0, 0);
    }
    QCOMPARE(At(target, 30, 10), QColor(Qt::red));
    QCOMPARE(At(target, 50, 10), QColor(Qt::blue));
    QCOMPARE(At(target, 79, 19), QColor(Qt::blue));
}

void TestTabDrawing::nineSliceNothingForEmptySizes_data()
{
    QTest::addColumn<QRect>("target");
    QTest::addColumn<QRect>("source");
    QTest::newRow("no width") << QRect(0, 0, 0, 10) << QRect(0, 0, 10, 10);
    QTest::newRow("negative width") << QRect(5, 0, -4, 10) << QRect(0, 0, 10, 10);
    QTest::newRow("no height") << QRect(0, 0, 10, 0) << QRect(0, 0, 10, 10);
    QTest::newRow("no source width") << QRect(0, 0, 10, 10) << QRect(0, 0, 0, 10);
    QTest::newRow("no source height") << QRect(0, 0, 10, 10) << QRect(0, 0, 10, 0);
}

void TestTabDrawing::nineSliceNothingForEmptySizes()
{
    QFETCH(QRect, target);
    QFETCH(QRect, source);
    const QImage picture = Filled(10, 10, Qt::red);
    QImage image = Filled(10, 10, Qt::white);
    {
        QPainter p(&image);
        mdlTabAPI::NineSliceDraw(p, target.x(), target.y(), target.width(), target.height(), picture, source.x(),
                                 source.y(), source.width(), source.height(), 2, 0, 2, 0);
    }
    QCOMPARE(image, Filled(10, 10, Qt::white));
}

void TestTabDrawing::nineSliceAndCopyLeaveOutTheKeyColour()
{
    const QColor magenta(255, 0, 255);
    QImage source = Filled(12, 12, Qt::darkGreen);
    {
        QPainter p(&source);
        p.fillRect(0, 0, 4, 12, magenta);
    }
    QImage target = Filled(40, 12, Qt::white);
    {
        QPainter p(&target);
        mdlTabAPI::NineSliceDraw(p, 0, 0, 24, 12, source, 0, 0, 12, 12, 4, 0, 4, 0, magenta);
        mdlTabAPI::TransparentCopy(p, 26, 0, 12, 12, source, 0, 0, magenta);
    }
    QCOMPARE(At(target, 2, 6), QColor(Qt::white));
    QCOMPARE(At(target, 12, 6), QColor(Qt::darkGreen));
    QCOMPARE(At(target, 27, 6), QColor(Qt::white));
    QCOMPARE(At(target, 33, 6), QColor(Qt::darkGreen));
    QCOMPARE(At(target, 39, 6), QColor(Qt::white));
}

void TestTabDrawing::atlasFormatsDrawAlike_data()
{
    QTest::addColumn<int>("style");
    QTest::newRow("menu") << 0;
    QTest::newRow("browser") << 1;
}

void TestTabDrawing::atlasFormatsDrawAlike()
{
    QFETCH(int, style);
    const QImage png = strip(style, TabSkinFormat::Png)->Frame();
    const QImage bmp = strip(style, TabSkinFormat::ColourKeyedBmp)->Frame();
    QCOMPARE(bmp, png);
    // The heads' transparent top rows show the background column; glyph corners show the head.
    const int tab1 = 40 + m_strip->TabItems()->Item(1)->Left();
    const int width = m_strip->TabItems()->Item(1)->Width();
    QCOMPARE(At(bmp, tab1 + width / 2, 0), Background[style]);
    QCOMPARE(At(bmp, tab1 + width / 2, 31 * style), Background[style]);
    const int glyphX = tab1 + width - (style == 0 ? 24 : 20);
    const int glyphY = style == 0 ? 6 : 7;
    QCOMPARE(At(bmp, glyphX, glyphY), HeadNormal);
    QCOMPARE(At(bmp, glyphX + 1, glyphY), GlyphNormal);
}

void TestTabDrawing::missingSkin()
{
    QFile::remove(m_app->path() + "/Skin/DefaultSkin/CorvaneMenu.bmp");
    QFile::remove(m_app->path() + "/Skin/DefaultSkin/CorvaneMenu.png");
    try {
        uTab browser(TabSkinFormat::ColourKeyedBmp);
        QFAIL("a missing bitmap was accepted");
    } catch (const TabError& e) {
        QCOMPARE(e.number(), 53);
    }
    // The PNG strip starts and leaves the missing style's picture empty.
    uTab* main = strip(1, TabSkinFormat::Png);
    QCOMPARE(main->Frame().pixel(300, 10), qRgba(0, 0, 0, 0));
    QCOMPARE(TabAtlas::Load(TabSkinFormat::Png, 0, m_app->path()).pixel(0, 0), Background[0].rgb());
}

void TestTabDrawing::headsComeFromTheirPieces_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("selected");
    QTest::addColumn<int>("hover");
    QTest::addColumn<QList<QColor>>("heads");
    QTest::newRow("menu, first selected") << 0 << 0 << -1 << QList<QColor> { HeadSelected, HeadNormal, HeadNormal };
    QTest::newRow("menu, hover on the last") << 0 << 1 << 2 << QList<QColor> { HeadNormal, HeadSelected, HeadHover };
    QTest::newRow("menu, hover on the selected") << 0 << 1 << 1
                                                 << QList<QColor> { HeadNormal, HeadSelected, HeadNormal };
    QTest::newRow("browser, none selected") << 1 << -1 << 0 << QList<QColor> { HeadHover, HeadNormal, HeadNormal };
    QTest::newRow("browser, last selected") << 1 << 2 << 0 << QList<QColor> { HeadHover, HeadNormal, HeadSelected };
}

void TestTabDrawing::headsComeFromTheirPieces()
{
    QFETCH(int, style);
    QFETCH(int, selected);
    QFETCH(int, hover);
    QFETCH(QList<QColor>, heads);
    uTab* s = strip(style);
    s->SetSelected(selected);
    if (hover >= 0) {
        const auto tab = s->TabItems()->Item(hover);
        const QPointF at(40 + tab->Left() + 20, 12);
        QMouseEvent move(QEvent::MouseMove, at, s->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(s, &move);
    }
    for (int i = 0; i < 3; ++i) {
        const auto tab = s->TabItems()->Item(i);
        QCOMPARE(At(s->Frame(), 40 + tab->Left() + tab->Width() / 2, TransparentRows), heads[i]);
    }
    // The selected caption is blue, the others black.
    for (int i = 0; i < 3; ++i) {
        const auto tab = s->TabItems()->Item(i);
        bool blue = false;
        bool black = false;
        for (int x = 40 + tab->Left() + 14; x < 40 + tab->Left() + tab->Width() - 24; ++x) {
            for (int y = 6; y < 20; ++y) {
                const QColor c = At(s->Frame(), x, y);
                blue = blue || (c.red() < 40 && c.blue() > 120 && c.blue() > c.green() + 40);
                black = black || (c.red() < 90 && c.green() < 90 && c.blue() < 90);
            }
        }
        QCOMPARE(blue, i == selected);
        QCOMPARE(black, i != selected);
    }
}

void TestTabDrawing::glyphFollowsCloseState_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("tab");
    QTest::addColumn<QString>("pointer");
    QTest::addColumn<QColor>("glyph");
    QTest::newRow("menu normal") << 0 << 1 << "away" << GlyphNormal;
    QTest::newRow("menu selected") << 0 << 0 << "away" << GlyphSelected;
    QTest::newRow("menu over") << 0 << 1 << "over" << GlyphOver;
    QTest::newRow("menu selected over") << 0 << 0 << "over" << GlyphOver;
    QTest::newRow("menu pressed") << 0 << 2 << "pressed" << GlyphPressed;
    QTest::newRow("menu hover head only") << 0 << 1 << "head" << GlyphNormal;
    QTest::newRow("browser normal") << 1 << 2 << "away" << GlyphNormal;
    QTest::newRow("browser selected") << 1 << 0 << "away" << GlyphSelected;
    QTest::newRow("browser over") << 1 << 1 << "over" << GlyphOver;
    QTest::newRow("browser pressed") << 1 << 0 << "pressed" << GlyphPressed;
    QTest::newRow("hidden button") << 0 << 1 << "hide" << HeadNormal;
    QTest::newRow("hidden button selected") << 1 << 0 << "hide" << RightEdge;
}

void TestTabDrawing::glyphFollowsCloseState()
{
    QFETCH(int, style);
    QFETCH(int, tab);
    QFETCH(QString, pointer);
    QFETCH(QColor, glyph);
    uTab* s = strip(style);
    s->SetSelected(0);
    const auto item = s->TabItems()->Item(tab);
    const int right = 40 + item->Left() + item->Width();
    const QPoint centre(right - (style == 0 ? 18 : 14), style == 0 ? 12 : 13);
    const auto send = [s](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held, QPoint at) {
        QMouseEvent event(type, QPointF(at), QPointF(s->mapToGlobal(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(s, &event);
    };
    if (pointer == "hide")
        item->SetHideButton(true);
    if (pointer == "over" || pointer == "pressed")
        send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, centre);
    if (pointer == "head")
        send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, QPoint(right - 50, 12));
    if (pointer == "pressed")
        send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, centre);
    QCOMPARE(At(s->Frame(), centre.x(), centre.y()), glyph);
    // The glyph is 12 x 12 and starts 24 (menu) or 20 (browser) pixels left of the tab's end.
    if (pointer != "hide") {
        QCOMPARE(At(s->Frame(), right - (style == 0 ? 24 : 20) + 11, style == 0 ? 17 : 18), glyph);
        QVERIFY(At(s->Frame(), right - (style == 0 ? 25 : 21), centre.y()) != glyph);
        QVERIFY(At(s->Frame(), right - (style == 0 ? 12 : 8), centre.y()) != glyph);
    }
}

void TestTabDrawing::headsOverlapLeftOverRight()
{
    uTab* s = strip(0);
    // Tab 1's head reaches 14 pixels left, under tab 0's right edge.
    const int overlap = 40 + s->TabItems()->Item(1)->Left() - 7;
    s->SetSelected(-1);
    QCOMPARE(At(s->Frame(), overlap, 10), RightEdge);
    s->SetSelected(1);
    QCOMPARE(At(s->Frame(), overlap, 10), LeftEdge);
}

void TestTabDrawing::longCaptionStaysInItsBox()
{
    uTab* s = strip(0);
    s->SetSelected(0);
    const auto tab = s->TabItems()->Item(1);
    const int left = 40 + tab->Left();
    const int boxEnd = left + tab->Width() - 38;
    tab->SetCaption("tab 1");
    int first = 0;
    InkedColumns(s->Frame(), left, boxEnd, HeadNormal, &first);
    QVERIFY2(first > left + 10, "a short caption is not centred");

    tab->SetCaption("A caption far too wide for one tab head");
    QVERIFY(InkedColumns(s->Frame(), left, boxEnd, HeadNormal, &first) > 20);
    QVERIFY2(first <= left + 2, "a cut caption does not start at the box");
    QCOMPARE(InkedColumns(s->Frame(), boxEnd, left + tab->Width() - 24, HeadNormal), 0);
}

void TestTabDrawing::hostDrawsTheBackground()
{
    m_strip = std::make_unique<uTab>(TabSkinFormat::Png);
    m_strip->SetTabLeftSize(0);
    m_strip->resize(300, 25);
    QSize given;
    connect(m_strip.get(), &uTab::OnDrawBackground, this, [&](QPainter* hDC, int width, int height, bool& cancel) {
        given = QSize(width, height);
        const QImage logo = Filled(260, 40, Qt::magenta);
        mdlTabAPI::NineSliceDraw(*hDC, 0, 0, width, height, logo, 40, 8, 172, 25, 171, 0, 0, 0);
        cancel = true;
    });
    m_strip->LockReDraw(false);
    QCOMPARE(given, QSize(300, 25));
    QCOMPARE(At(m_strip->Frame(), 150, 12), QColor(Qt::magenta));
    QCOMPARE(At(m_strip->Frame(), 299, 24), QColor(Qt::magenta));
}

QTEST_MAIN(TestTabDrawing)
#include "TestTabDrawing.moc"
