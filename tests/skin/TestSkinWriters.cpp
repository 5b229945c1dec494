// The encoders behind the skin files, checked through Qt's own readers, and the
// generator's promise of identical bytes on every run.

#include "skin/BmpWriter.h"
#include "skin/GifWriter.h"
#include "skin/IconWriter.h"
#include "skin/PaletteQuantiser.h"
#include "skin/SkinCatalogue.h"
#include "skin/SkinGenerator.h"

#include <QBuffer>
#include <QDir>
#include <QDirIterator>
#include <QImageReader>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {

QImage Decode(const QByteArray& bytes, QImageReader* reader = nullptr)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader own(&buffer);
    QImageReader& r = reader ? *reader : own;
    if (reader)
        reader->setDevice(&buffer);
    return r.read().convertToFormat(QImage::Format_RGB32);
}

// Random pixels drawn from `colours` distinct colours.
QImage Noise(QSize size, int colours, quint32 seed)
{
    QRandomGenerator random(seed);
    QList<QRgb> palette;
    for (int i = 0; i < colours; ++i)
        palette.append(qRgb(int(random.bounded(256)), int(random.bounded(256)), int(random.bounded(256))));
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, palette[int(random.bounded(colours))]);
    return image;
}

QImage Flat(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

QImage Gradient(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x * 255 / qMax(1, size.width() - 1), y * 255 / qMax(1, size.height() - 1),
                                      (x + y) * 255 / qMax(1, size.width() + size.height() - 2)));
    return image;
}

QMap<QString, QByteArray> ReadTree(const QString& folder)
{
    QMap<QString, QByteArray> files;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        f.open(QIODevice::ReadOnly);
        files.insert(QDir(folder).relativeFilePath(path), f.readAll());
    }
    return files;
}

} // namespace

class TestSkinWriters : public QObject {
    Q_OBJECT
private slots:
    void gifRoundTripsExactly_data();
    void gifRoundTripsExactly();
    void gifOfManyColoursStaysClose_data();
    void gifOfManyColoursStaysClose();
    void quantiserKeepsLargeFlatAreasExact();
    void animatedGif();
    void bmpRoundTrips_data();
    void bmpRoundTrips();
    void iconAndCursorDecode();
    void generatorIsDeterministic();
};

void TestSkinWriters::gifRoundTripsExactly_data()
{
    QTest::addColumn<QImage>("image");
    QTest::newRow("one pixel") << Noise(QSize(1, 1), 1, 1);
    QTest::newRow("two colours, odd size") << Noise(QSize(3, 7), 2, 2);
    QTest::newRow("one row past the code table") << Noise(QSize(9000, 1), 5, 3);
    QTest::newRow("16 colours") << Noise(QSize(64, 48), 16, 4);
    QTest::newRow("full palette, many table resets") << Noise(QSize(300, 300), 256, 5);
    QTest::newRow("long runs") << Flat(QSize(1000, 200), qRgb(12, 34, 56));
    QTest::newRow("129 colours") << Noise(QSize(97, 101), 129, 6);
}

void TestSkinWriters::gifRoundTripsExactly()
{
    QFETCH(QImage, image);
    const QByteArray gif = GifWriter::Encode(image);
    QVERIFY(gif.startsWith("GIF89a"));
    QVERIFY(gif.endsWith(';'));
    const QImage back = Decode(gif);
    QCOMPARE(back.size(), image.size());
    QCOMPARE(back, image.convertToFormat(QImage::Format_RGB32));
}

void TestSkinWriters::gifOfManyColoursStaysClose_data()
{
    QTest::addColumn<QImage>("image");
    QTest::newRow("smooth gradient") << Gradient(QSize(256, 200));
    QTest::newRow("thousands of random colours") << Noise(QSize(120, 120), 4000, 7);
}

void TestSkinWriters::gifOfManyColoursStaysClose()
{
    QFETCH(QImage, image);
    const QImage back = Decode(GifWriter::Encode(image));
    QCOMPARE(back.size(), image.size());
    // Dithered pixels may stray, local averages may not.
    const int block = 8;
    double worst = 0;
    for (int by = 0; by + block <= image.height(); by += block) {
        for (int bx = 0; bx + block <= image.width(); bx += block) {
            double sum[3] = {0, 0, 0};
            for (int y = by; y < by + block; ++y)
                for (int x = bx; x < bx + block; ++x) {
                    const QRgb a = image.pixel(x, y), b = back.pixel(x, y);
                    sum[0] += qRed(a) - qRed(b);
                    sum[1] += qGreen(a) - qGreen(b);
                    sum[2] += qBlue(a) - qBlue(b);
                }
            for (double s : sum)
                worst = qMax(worst, qAbs(s) / (block * block));
        }
    }
    QVERIFY2(worst < 12, qPrintable(QString::number(worst)));
}

void TestSkinWriters::quantiserKeepsLargeFlatAreasExact()
{
    // A window background: big flat fills beside a gradient of far more than 256 colours.
    QImage image = Gradient(QSize(400, 300));
    const QRgb white = qRgb(255, 255, 255), band = qRgb(41, 140, 211);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 150; ++x)
            image.setPixel(x, y, y < 40 ? band : white);
    const PaletteQuantiser::Result result = PaletteQuantiser::Quantise({image});
    QVERIFY(result.palette.size() <= 256);
    QCOMPARE(result.frames.size(), 1);
    const QByteArray& indices = result.frames.first();
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 150; ++x)
            QCOMPARE(result.palette[uchar(indices[y * 400 + x])], y < 40 ? band : white);
}

void TestSkinWriters::animatedGif()
{
    QList<QImage> frames;
    for (int i = 0; i < 3; ++i)
        frames.append(Noise(QSize(20, 10), 8, 100 + quint32(i)));
    const QByteArray gif = GifWriter::EncodeAnimation(frames, 8);
    QBuffer buffer;
    buffer.setData(gif);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    QVERIFY(reader.supportsAnimation());
    QCOMPARE(reader.imageCount(), 3);
    QCOMPARE(reader.loopCount(), -1); // forever
    for (int i = 0; i < 3; ++i) {
        QImage frame;
        QVERIFY(reader.read(&frame));
        QCOMPARE(frame.convertToFormat(QImage::Format_RGB32), frames[i]);
        QCOMPARE(reader.nextImageDelay(), 80);
    }
}

void TestSkinWriters::bmpRoundTrips_data()
{
    QTest::addColumn<QImage>("image");
    QTest::addColumn<bool>("alpha");
    QTest::newRow("24-bit, width needing row padding") << Noise(QSize(13, 5), 50, 8) << false;
    QTest::newRow("24-bit, one column") << Noise(QSize(1, 9), 3, 9) << false;
    QImage translucent(7, 4, QImage::Format_ARGB32);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 7; ++x)
            translucent.setPixel(x, y, qRgba(x * 30, y * 60, 200, x * 40));
    QTest::newRow("32-bit with alpha") << translucent << true;
}

void TestSkinWriters::bmpRoundTrips()
{
    QFETCH(QImage, image);
    QFETCH(bool, alpha);
    const QByteArray bmp = alpha ? BmpWriter::Encode32(image) : BmpWriter::Encode24(image);
    QImage back;
    QVERIFY(back.loadFromData(bmp, "BMP"));
    QCOMPARE(back.hasAlphaChannel(), alpha);
    QCOMPARE(back.convertToFormat(QImage::Format_ARGB32), image.convertToFormat(QImage::Format_ARGB32));
}

void TestSkinWriters::iconAndCursorDecode()
{
    QImage big(32, 32, QImage::Format_ARGB32);
    big.fill(Qt::transparent);
    big.setPixel(5, 7, qRgba(10, 20, 30, 255));
    QImage small(16, 16, QImage::Format_ARGB32);
    small.fill(qRgba(200, 100, 50, 255));
    QImage read;
    QVERIFY(read.loadFromData(IconWriter::EncodeIcon({small, big}), "ICO"));
    QCOMPARE(read.convertToFormat(QImage::Format_ARGB32), small);
    const QByteArray cur = IconWriter::EncodeCursor(big, QPoint(5, 7));
    QCOMPARE(qFromLittleEndian<quint16>(cur.constData() + 10), quint16(5));
    QCOMPARE(qFromLittleEndian<quint16>(cur.constData() + 12), quint16(7));
    QByteArray asIcon = cur;
    asIcon[2] = 1; // the same directory read as an icon shows the cursor's picture
    asIcon[10] = 1;
    asIcon[11] = 0;
    asIcon[12] = 32;
    asIcon[13] = 0;
    QVERIFY(read.loadFromData(asIcon, "ICO"));
    QCOMPARE(read.convertToFormat(QImage::Format_ARGB32).pixel(5, 7), qRgba(10, 20, 30, 255));
    QCOMPARE(qAlpha(read.pixel(0, 0)), 0);
}

void TestSkinWriters::generatorIsDeterministic()
{
    QTemporaryDir first, second;
    QString error;
    QVERIFY2(SkinGenerator::WriteAll(first.path(), &error), qPrintable(error));
    QVERIFY2(SkinGenerator::WriteAll(second.path(), &error), qPrintable(error));
    const QMap<QString, QByteArray> a = ReadTree(first.path());
    const QMap<QString, QByteArray> b = ReadTree(second.path());
    QCOMPARE(a.size(), SkinFiles().size());
    QCOMPARE(a.keys(), b.keys());
    for (auto it = a.cbegin(); it != a.cend(); ++it)
        QVERIFY2(it.value() == b.value(it.key()), qPrintable(it.key()));
}

QTEST_MAIN(TestSkinWriters)
#include "TestSkinWriters.moc"
