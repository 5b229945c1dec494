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

void TestMyBoxPainter::longCaptionEndsInAnEllipsis()
{
    const QRect rect(0, 0, 64, 25);
    QImage shortText(64, 25, QImage::Format_RGB32);
    QImage longText(64, 25, QImage::Format_RGB32);
    for (auto [image, text] : {std::pair{&shortText, QStringLiteral("Tank")},
                               std::pair{&longText, QStringLiteral("A very long game name that cannot fit")}}) {
        image->fill(Qt::white);
        QPainter p(image);
        MyBoxPainter::DrawCaption(p, rect, text);
    }
    // The short caption is centred: its left and right quarters stay blank.
    const auto inked = [](const QImage& image, int from, int to) {
        for (int x = from; x < to; ++x)
            for (int y = 0; y < image.height(); ++y)
                if (image.pixelColor(x, y).lightness() < 200)
                    return true;
        return false;
    };
    QVERIFY(!inked(shortText, 0, 12));
    QVERIFY(!inked(shortText, 52, 64));
    QVERIFY(inked(shortText, 20, 44));
    // The long one fills the width and is cut, not wrapped out of its rectangle.
    QVERIFY(inked(longText, 0, 8));
    QVERIFY(inked(longText, 56, 64));
}

QTEST_MAIN(TestMyBoxPainter)
#include "TestMyBoxPainter.moc"
