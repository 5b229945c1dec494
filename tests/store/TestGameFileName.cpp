#include "store/GameFileName.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

class TestGameFileName : public QObject {
    Q_OBJECT
private slots:
    void mapsNamesToFileNames_data();
    void mapsNamesToFileNames();
    void madeSafeNamesStayApart();
};

void TestGameFileName::mapsNamesToFileNames_data()
{
    QTest::addColumn<QString>("name");
    // The file name, or its start when `hashed` (then "~" and eight hex digits follow).
    QTest::addColumn<QString>("expected");
    QTest::addColumn<bool>("hashed");
    const QString longName = QString(300, QChar(0x6E38)); // 游 x 300
    QTest::newRow("ordinary") << "Tetris" << "Tetris" << false;
    QTest::newRow("spaces") << "Fire Boy 2" << "FireBoy2" << false;
    QTest::newRow("chinese") << QStringLiteral("植物 大战 僵尸") << QStringLiteral("植物大战僵尸") << false;
    QTest::newRow("punctuation and inner dots") << "Tom's Game: Wait..." << "Tom'sGame:Wait..." << false;
    QTest::newRow("outside the BMP") << QStringLiteral("🎮 Go") << QStringLiteral("🎮Go") << false;
    QTest::newRow("climbs out") << "../../escape" << "___.._escape" << true;
    QTest::newRow("separators") << "a/b\\c" << "a_b_c" << true;
    QTest::newRow("control characters") << QStringLiteral("a\tb\nc\x7f" "d\x01") << "a_b_c_d_" << true;
    QTest::newRow("hidden") << ".hidden" << "_hidden" << true;
    QTest::newRow("only dots") << ".." << "__" << true;
    QTest::newRow("unpaired surrogate") << QString(QChar(0xD800)) + "x" << "_x" << true;
    // 63 characters of three bytes, with the 9 of the hash, stay within 200 bytes.
    QTest::newRow("300 chinese characters") << longName << longName.left(63) << true;
    QTest::newRow("empty") << "" << "" << true;
    QTest::newRow("only spaces") << "   " << "" << true;
}

void TestGameFileName::mapsNamesToFileNames()
{
    QFETCH(QString, name);
    QFETCH(QString, expected);
    QFETCH(bool, hashed);
    const QString fileName = GameFileName(name);
    if (hashed) {
        QVERIFY2(QRegularExpression(QStringLiteral("^") + QRegularExpression::escape(expected)
                                    + QStringLiteral("~[0-9a-f]{8}$"))
                     .match(fileName)
                     .hasMatch(),
                 qPrintable(fileName));
    } else {
        QCOMPARE(fileName, expected);
    }
    QVERIFY(fileName.toUtf8().size() <= GameFileNameMaxBytes);
    // The grid hands over names with their spaces already gone.
    QCOMPARE(GameFileName(QString(name).remove(QLatin1Char(' '))), fileName);
    QCOMPARE(GameFileName(name), fileName);

    // A thumbnail saved under the name lands in its folder, as the one file there.
    QTemporaryDir root;
    QVERIFY(QDir(root.path()).mkpath(QStringLiteral("a/b/Jpgs")));
    const QString folder = root.filePath(QStringLiteral("a/b/Jpgs"));
    QFile thumbnail(folder + QLatin1Char('/') + fileName + QStringLiteral(".jpg"));
    QVERIFY2(thumbnail.open(QIODevice::WriteOnly), qPrintable(thumbnail.errorString()));
    thumbnail.close();
    QCOMPARE(QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
             QStringList(fileName + QStringLiteral(".jpg")));
    QCOMPARE(QDir(root.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList(QStringLiteral("a")));
}

void TestGameFileName::madeSafeNamesStayApart()
{
    const QString longName = QString(300, QChar(0x6E38));
    const QStringList names = {"a/b", "a\\b", "a_b", "a\nb", longName + "1", longName + "2", "", ".x", "_x"};
    QStringList fileNames;
    for (const QString& name : names)
        fileNames << GameFileName(name);
    QCOMPARE(QSet<QString>(fileNames.begin(), fileNames.end()).size(), names.size());
}

QTEST_GUILESS_MAIN(TestGameFileName)
#include "TestGameFileName.moc"
