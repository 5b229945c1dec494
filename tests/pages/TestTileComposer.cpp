#include "store/GameFileName.h"
#include "pages/TileComposer.h"
#include "tests/support/FilledImage.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>

namespace {

// An overlay that is clear inside and half-transparent black on its one-pixel rim.
QImage rimOverlay()
{
    QImage overlay = FilledImage({74, 74}, Qt::transparent);
    for (int i = 0; i < 74; ++i) {
        for (QPoint p : {QPoint(i, 0), QPoint(i, 73), QPoint(0, i), QPoint(73, i)})
            overlay.setPixelColor(p, QColor(0, 0, 0, 128));
    }
    return overlay;
}

} // namespace

class TestTileComposer : public QObject {
    Q_OBJECT
private slots:
    void init();
    void composesBedThumbnailAndOverlay_data();
    void composesBedThumbnailAndOverlay();
    void highlightBlendsWhiteAt48();
    void missingThumbnailShowsTheBed();
    void cacheStaysBounded();
    void thumbnailOfAClimbingNameStaysInItsFolder();
    void followsTheThumbnailFolder();

private:
    std::unique_ptr<QTemporaryDir> m_folder;
};

void TestTileComposer::init()
{
    m_folder = std::make_unique<QTemporaryDir>();
    QVERIFY(FilledImage({120, 90}, QColor(20, 200, 40)).save(m_folder->filePath("Green.jpg"), "JPG", 100));
}

void TestTileComposer::composesBedThumbnailAndOverlay_data()
{
    QTest::addColumn<QPoint>("pixel");
    QTest::addColumn<QColor>("expected");
    QTest::newRow("bed under the rim") << QPoint(0, 0) << QColor(100, 100, 100);
    QTest::newRow("thumbnail under the rim") << QPoint(73, 73) << QColor(10, 100, 20);
    QTest::newRow("thumbnail in the middle") << QPoint(37, 37) << QColor(20, 200, 40);
    QTest::newRow("thumbnail starts at 1,1") << QPoint(1, 1) << QColor(20, 200, 40);
    QTest::newRow("bed left of the thumbnail") << QPoint(0, 30) << QColor(100, 100, 100);
}

void TestTileComposer::composesBedThumbnailAndOverlay()
{
    QFETCH(QPoint, pixel);
    QFETCH(QColor, expected);
    QImage bed = FilledImage({74, 74}, QColor(200, 200, 200));
    TileComposer composer(bed, rimOverlay(), m_folder->path() + "/");
    const QImage tile = composer.tile("Green");
    QCOMPARE(tile.size(), QSize(74, 74));
    const QColor actual = tile.pixelColor(pixel);
    QVERIFY2(qAbs(actual.red() - expected.red()) <= 3 && qAbs(actual.green() - expected.green()) <= 3
                 && qAbs(actual.blue() - expected.blue()) <= 3,
             qPrintable(actual.name() + " instead of " + expected.name()));
}

void TestTileComposer::highlightBlendsWhiteAt48()
{
    const QImage tile = FilledImage({74, 74}, QColor(0, 51, 255));
    const QColor lit = TileComposer::Highlighted(tile).pixelColor(10, 10);
    // c + (255 - c) * 48 / 255
    QVERIFY(qAbs(lit.red() - 48) <= 1);
    QVERIFY(qAbs(lit.green() - 89) <= 1);
    QCOMPARE(lit.blue(), 255);
}

void TestTileComposer::missingThumbnailShowsTheBed()
{
    TileComposer composer(FilledImage({74, 74}, QColor(1, 2, 3)), QImage(), m_folder->path() + "/");
    QCOMPARE(composer.tile("Nothing").pixelColor(37, 37), QColor(1, 2, 3));
}

void TestTileComposer::cacheStaysBounded()
{
    TileComposer composer(FilledImage({74, 74}, Qt::white), QImage(), m_folder->path() + "/");
    for (int i = 0; i < 3 * TileComposer::CacheCapacity; ++i)
        composer.tile(QString::number(i));
    QVERIFY(composer.cachedTiles() <= TileComposer::CacheCapacity);
    composer.clear();
    QCOMPARE(composer.cachedTiles(), 0);
}

void TestTileComposer::thumbnailOfAClimbingNameStaysInItsFolder()
{
    // "../../escape" from a/b/ would be the red picture in the root.
    QVERIFY(QDir(m_folder->path()).mkpath("a/b"));
    const QString folder = m_folder->filePath("a/b/");
    QVERIFY(FilledImage({74, 74}, QColor(220, 30, 30)).save(m_folder->filePath("escape.jpg"), "JPG", 100));
    TileComposer composer(FilledImage({74, 74}, QColor(1, 2, 3)), QImage(), folder);
    QCOMPARE(composer.tile("../../escape").pixelColor(37, 37), QColor(1, 2, 3));

    QVERIFY(FilledImage({74, 74}, QColor(20, 200, 40)).save(folder + GameFileName("../../escape") + ".jpg", "JPG", 100));
    composer.clear();
    const QColor own = composer.tile("../../escape").pixelColor(37, 37);
    QVERIFY2(own.green() > 180 && own.red() < 60, qPrintable(own.name()));
}

void TestTileComposer::followsTheThumbnailFolder()
{
    TileComposer composer(FilledImage({74, 74}, QColor(1, 2, 3)), QImage(), m_folder->filePath("none/"));
    QCOMPARE(composer.tile("Green").pixelColor(37, 37), QColor(1, 2, 3));
    composer.setThumbnailFolder(m_folder->path() + "/");
    const QColor found = composer.tile("Green").pixelColor(37, 37);
    QVERIFY2(found.green() > 180, qPrintable(found.name()));
}

QTEST_MAIN(TestTileComposer)
#include "TestTileComposer.moc"
