#include "controls/ProgressBar.h"
#include "controls/ProgressText.h"
#include "controls/ProgressTheme.h"

#include <QTest>

class TestProgressBar : public QObject {
    Q_OBJECT
private slots:
    void clamps_data();
    void clamps();
    void texts_data();
    void texts();
    void percentOfLargeValues();
    void textPositions_data();
    void textPositions();
    void themePalettes_data();
    void themePalettes();
    void customTheme();
    void paintsFilledPart_data();
    void paintsFilledPart();
};

void TestProgressBar::clamps_data()
{
    QTest::addColumn<QString>("writes"); // "V 10", "X 5" (Max), "N 3" (Min), in order
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("max");
    QTest::addColumn<int>("min");

    QTest::newRow("defaults") << "" << 50 << 100 << 0;
    QTest::newRow("max 0 becomes 1") << "X 0" << 1 << 1 << 0;
    QTest::newRow("negative max becomes 1") << "X -20" << 1 << 1 << 0;
    QTest::newRow("min 100 under max 100 becomes 99") << "N 100" << 99 << 100 << 99;
    QTest::newRow("negative min becomes 0") << "N -5" << 50 << 100 << 0;
    QTest::newRow("max not above min") << "N 60 X 40" << 60 << 61 << 60;
    QTest::newRow("value above max") << "V 150" << 100 << 100 << 0;
    QTest::newRow("value below min") << "N 20 V 5" << 20 << 100 << 20;
    QTest::newRow("lowering max lowers value") << "V 80 X 70" << 70 << 70 << 0;
    QTest::newRow("raising min raises value") << "V 10 N 30" << 30 << 100 << 30;
    QTest::newRow("min above max 1") << "X 1 N 5" << 1 << 1 << 0;
}

void TestProgressBar::clamps()
{
    QFETCH(QString, writes);
    QFETCH(int, value);
    QFETCH(int, max);
    QFETCH(int, min);
    ProgressRange range;
    const QStringList words = writes.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (int i = 0; i + 1 < words.size(); i += 2) {
        const int number = words[i + 1].toInt();
        if (words[i] == QLatin1String("V"))
            range.setValue(number);
        else if (words[i] == QLatin1String("X"))
            range.setMax(number);
        else
            range.setMin(number);
    }
    QCOMPARE(range.value(), value);
    QCOMPARE(range.max(), max);
    QCOMPARE(range.min(), min);
}

void TestProgressBar::texts_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("max");
    QTest::addColumn<QString>("text");

    QTest::newRow("percentage") << 2 << 53 << 100 << "53%";
    QTest::newRow("percentage unrounded") << 2 << 1 << 3 << "33.3333333333333%";
    QTest::newRow("percentage of another max") << 2 << 30 << 40 << "75%";
    QTest::newRow("value") << 1 << 53 << 100 << "53";
    QTest::newRow("free text") << 3 << 53 << 100 << "Q7R2 ProgressBar";
    QTest::newRow("no text") << 0 << 53 << 100 << "";
    QTest::newRow("unknown style") << 7 << 53 << 100 << "";
}

void TestProgressBar::texts()
{
    QFETCH(int, max);
    QFETCH(int, value);
    QFETCH(int, style);
    QFETCH(QString, text);
    ProgressBar bar;
    bar.setMax(max);
    bar.setValue(value);
    bar.setTextStyle(style);
    QCOMPARE(bar.shownText(), text);
}

void TestProgressBar::percentOfLargeValues()
{
    ProgressRange range;
    range.setMax(2000000000);
    range.setValue(1000000000);
    QCOMPARE(ProgressText(2, range, QString()), QStringLiteral("50%"));
    QCOMPARE(range.filledLength(200), 100);
}

void TestProgressBar::textPositions_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<QPoint>("at");
    // A 200 x 30 bar and a 41 x 13 text.
    QTest::newRow("1 top left") << 1 << QPoint(0, 1);
    QTest::newRow("2 top centre") << 2 << QPoint(79, 1);
    QTest::newRow("3 top right") << 3 << QPoint(158, 1);
    QTest::newRow("4 middle left") << 4 << QPoint(0, 8);
    QTest::newRow("5 middle centre") << 5 << QPoint(79, 8);
    QTest::newRow("6 middle right") << 6 << QPoint(158, 8);
    QTest::newRow("7 bottom left") << 7 << QPoint(0, 14);
    QTest::newRow("8 bottom centre") << 8 << QPoint(79, 14);
    QTest::newRow("9 bottom right") << 9 << QPoint(158, 14);
    QTest::newRow("other values centre") << 0 << QPoint(79, 8);
}

void TestProgressBar::textPositions()
{
    QFETCH(int, alignment);
    QFETCH(QPoint, at);
    QCOMPARE(ProgressTextPosition(alignment, QSize(200, 30), QSize(41, 13)), at);
}

void TestProgressBar::themePalettes_data()
{
    QTest::addColumn<int>("theme");
    for (int theme = 1; theme <= 9; ++theme)
        QTest::addRow("theme %d", theme) << theme;
}

void TestProgressBar::themePalettes()
{
    QFETCH(int, theme);
    const ProgressPalette palette = ProgressThemePalette(theme, Qt::black, Qt::black);
    for (int i = 0; i < 16; i += 2)
        QCOMPARE(palette[i], palette[i + 1]);
    // Every theme's fill differs from every other theme's.
    for (int other = 1; other <= 9; ++other) {
        if (other != theme)
            QVERIFY(ProgressThemePalette(other, Qt::black, Qt::black)[12] != palette[12]);
    }
    if (theme == 2) {
        const QList<QColor> expected { QColor(247, 248, 242), QColor(231, 233, 211), QColor(222, 226, 182),
            QColor(237, 239, 215), QColor(249, 251, 223), QColor(230, 239, 133), QColor(190, 203, 57),
            QColor(233, 237, 187) };
        for (int i = 0; i < 8; ++i)
            QCOMPARE(palette[2 * i], expected[i]);
        QCOMPARE(palette[16], QColor(192, 204, 62));
    }
}

void TestProgressBar::customTheme()
{
    const ProgressPalette first = ProgressThemePalette(10, QColor(60, 60, 60), QColor(40, 140, 210));
    const ProgressPalette second = ProgressThemePalette(10, QColor(60, 60, 60), QColor(200, 40, 40));
    for (int i = 0; i < 8; ++i)
        QCOMPARE(first[i], second[i]);
    QVERIFY(first[12] != second[12]);
    QCOMPARE(first[12], QColor(40, 140, 210));
    QCOMPARE(ProgressThemePalette(11, Qt::black, Qt::black), ProgressThemePalette(1, Qt::black, Qt::black));
}

void TestProgressBar::paintsFilledPart_data()
{
    QTest::addColumn<int>("orientation");
    QTest::addColumn<int>("value");
    QTest::addColumn<QPoint>("filledAt");
    QTest::addColumn<QPoint>("emptyAt");
    QTest::newRow("half, horizontal") << 1 << 50 << QPoint(40, 20) << QPoint(160, 20);
    QTest::newRow("quarter, horizontal") << 1 << 25 << QPoint(10, 20) << QPoint(70, 20);
    QTest::newRow("half, vertical from the bottom") << 2 << 50 << QPoint(100, 36) << QPoint(100, 4);
}

void TestProgressBar::paintsFilledPart()
{
    QFETCH(int, orientation);
    QFETCH(int, value);
    ProgressBar bar;
    bar.resize(200, 40);
    bar.setTextStyle(0);
    bar.setOrientations(orientation);
    bar.setValue(value);
    const QImage image = bar.grab().toImage();
    const ProgressPalette palette = ProgressThemePalette(1, Qt::black, Qt::black);
    QFETCH(QPoint, filledAt);
    QFETCH(QPoint, emptyAt);
    // Both points lie in the third band for their orientation.
    QCOMPARE(image.pixelColor(filledAt), palette[12]);
    QCOMPARE(image.pixelColor(emptyAt), palette[4]);

    bar.setEnabled(false);
    const QImage disabled = bar.grab().toImage();
    const QColor grey = disabled.pixelColor(filledAt);
    QCOMPARE(grey.red(), grey.green());
    QCOMPARE(grey.green(), grey.blue());
}

QTEST_MAIN(TestProgressBar)
#include "TestProgressBar.moc"
