#include "pages/MyBoxGrid.h"
#include "pages/MyBoxPainter.h"
#include "pages/TileComposer.h"
#include "tests/support/FilledImage.h"

#include <QGuiApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Four 18 x 18 cells, one colour per page-button state.
QImage knobAtlas()
{
    QImage atlas(72, 18, QImage::Format_ARGB32);
    const QColor cells[] = {Qt::black, Qt::red, Qt::green, Qt::blue};
    for (int i = 0; i < 4; ++i) {
        QPainter p(&atlas);
        p.fillRect(i * 18, 0, 18, 18, cells[i]);
    }
    return atlas;
}

} // namespace

class TestMyBoxPainter : public QObject {
    Q_OBJECT
private slots:
    void paintsTilesCaptionsAndButtons_data();
    void paintsTilesCaptionsAndButtons();
    void longCaptionEndsInAnEllipsis_data();
    void longCaptionEndsInAnEllipsis();
};

void TestMyBoxPainter::paintsTilesCaptionsAndButtons_data()
{
    QTest::addColumn<int>("games");
    QTest::addColumn<int>("page");
    QTest::addColumn<int>("highlighted");
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("empty position shows the bed") << 1 << 0 << -1 << QPoint(280, 60) << QColor(200, 200, 200);
    QTest::newRow("more games follows the games") << 1 << 0 << -1 << QPoint(160, 60) << QColor(0, 0, 255);
    QTest::newRow("more games picture") << 0 << 0 << -1 << QPoint(50, 50) << QColor(0, 0, 255);
    QTest::newRow("highlighted tile") << 0 << 0 << 0 << QPoint(50, 50) << QColor(48, 48, 255);
    QTest::newRow("caption fill") << 3 << 0 << -1 << QPoint(38, 112) << QColor(249, 249, 249);
    QTest::newRow("caption of empty position filled too") << 3 << 0 << -1 << QPoint(502, 475) << QColor(249, 249, 249);
    QTest::newRow("current page button") << 30 << 0 << -1 << QPoint(290, 535) << QColor(Qt::green);
    QTest::newRow("other page button") << 30 << 0 << -1 << QPoint(308, 535) << QColor(Qt::red);
    QTest::newRow("no third page button") << 30 << 0 << -1 << QPoint(326, 535) << QColor(240, 240, 240);
    QTest::newRow("second page is current") << 30 << 1 << -1 << QPoint(308, 535) << QColor(Qt::green);
}

void TestMyBoxPainter::paintsTilesCaptionsAndButtons()
{
    QFETCH(int, games);
    QFETCH(int, page);
    QFETCH(int, highlighted);
    QFETCH(QPoint, pixel);
    QFETCH(QColor, colour);
    QTemporaryDir thumbnails;
    TileComposer composer(FilledImage({74, 74}, QColor(200, 200, 200)), QImage(), thumbnails.path() + "/");
    MyBoxPainter painter(composer, FilledImage({791, 550}, QColor(240, 240, 240)), knobAtlas(), FilledImage({74, 74}, Qt::blue));
    MyBoxGrid grid;
    QStringList names;
    for (int i = 0; i < games; ++i)
        names << QStringLiteral("g%1").arg(i);
    grid.setGames(names);
    grid.setCurrentPage(page);
    QImage picture(791, 550, QImage::Format_RGB32);
    QPainter p(&picture);
    painter.paint(p, grid, highlighted);
    p.end();
    const QColor actual = picture.pixelColor(pixel);
    QVERIFY2(qAbs(actual.red() - colour.red()) <= 2 && qAbs(actual.green() - colour.green()) <= 2
                 && qAbs(actual.blue() - colour.blue()) <= 2,
             qPrintable(actual.name() + " instead of " + colour.name()));
}

void TestMyBoxPainter::longCaptionEndsInAnEllipsis_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("secondLine");
    QTest::addColumn<bool>("centred");
    QTest::newRow("short: one line at the top, centred") << "Tank" << false << true;
    QTest::newRow("six Chinese characters wrap") << "梦幻西游大话" << true << false;
    QTest::newRow("too long: two full lines, cut") << "A very long game name that cannot fit" << true << false;
}

void TestMyBoxPainter::longCaptionEndsInAnEllipsis()
{
    QFETCH(QString, text);
    QFETCH(bool, secondLine);
    QFETCH(bool, centred);
    // The program's face and size.
    QFont font(QStringLiteral("WenQuanYi Micro Hei"));
    font.setPixelSize(12);
    const QRect rect(0, 0, 64, 25);
    QImage image(64, 25, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setFont(font);
    MyBoxPainter::DrawCaption(p, rect, text);
    p.end();
    const auto inked = [&](int left, int right, int top, int bottom) {
        for (int x = left; x < right; ++x)
            for (int y = top; y < bottom; ++y)
                if (image.pixelColor(x, y).lightness() < 200)
                    return true;
        return false;
    };
    QVERIFY(inked(0, 64, 0, 12));
    QCOMPARE(inked(0, 64, 14, 25), secondLine);
    // Centred: the short caption leaves both quarters blank; long ones fill the width.
    QCOMPARE(!inked(0, 12, 0, 25) && !inked(52, 64, 0, 25), centred);
}

QTEST_MAIN(TestMyBoxPainter)
#include "TestMyBoxPainter.moc"
