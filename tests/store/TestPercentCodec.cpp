#include "store/UtfToGb.h"

#include <QTest>

using namespace UtfToGb;

class TestPercentCodec : public QObject {
    Q_OBJECT
private slots:
    void encodes_data();
    void encodes();
    void decodes_data();
    void decodes();
    void roundTrips_data();
    void roundTrips();
};

void TestPercentCodec::encodes_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("stored");
    QTest::newRow("empty") << QString() << QString();
    QTest::newRow("ascii unchanged") << "Super Mario 64" << "Super Mario 64";
    QTest::newRow("percent kept") << "100% fun" << "100% fun";
    QTest::newRow("quote kept") << "Tom's game" << "Tom's game";
    QTest::newRow("two-byte") << QString::fromUtf8("é") << "%C3%A9";
    QTest::newRow("chinese, three escapes each") << QString::fromUtf8("中文") << "%E4%B8%AD%E6%96%87";
    QTest::newRow("highest BMP") << QString(QChar(0xFFFD)) << "%EF%BF%BD";
    QTest::newRow("outside BMP, four bytes") << QString::fromUtf8("😀") << "%F0%9F%98%80";
    QTest::newRow("mixed") << QString::fromUtf8("a 中'b%") << "a %E4%B8%AD'b%";
}

void TestPercentCodec::encodes()
{
    QFETCH(QString, text);
    QFETCH(QString, stored);
    QCOMPARE(PercentEncodeUtf8(text), stored);
}

void TestPercentCodec::decodes_data()
{
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("text");
    QTest::newRow("chinese") << "%E4%B8%AD" << QString::fromUtf8("中");
    QTest::newRow("lower-case hex") << "%e4%b8%ad" << QString::fromUtf8("中");
    QTest::newRow("percent before words") << "100%zz and %" << "100%zz and %";
    QTest::newRow("ascii escape is no sequence") << "%41" << "%41";
    QTest::newRow("incomplete sequence copied") << "%E4%B8" << "%E4%B8";
    QTest::newRow("bad continuation copied") << "%E4%41%AD" << "%E4%41%AD";
    QTest::newRow("continuation alone copied") << "%AD" << "%AD";
    QTest::newRow("sequence after garbage") << "%%C3%A9" << QString::fromUtf8("%é");
    QTest::newRow("four bytes") << "%F0%9F%98%80" << QString::fromUtf8("😀");
    QTest::newRow("four bytes beyond unicode copied") << "%F7%BF%BF%BF" << "%F7%BF%BF%BF";
}

void TestPercentCodec::decodes()
{
    QFETCH(QString, stored);
    QFETCH(QString, text);
    QCOMPARE(PercentDecodeUtf8(stored), text);
}

void TestPercentCodec::roundTrips_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("ascii") << "Plants vs Zombies";
    QTest::newRow("chinese") << QString::fromUtf8("植物大战僵尸");
    QTest::newRow("emoji among chinese") << QString::fromUtf8("🎮游戏🎲 2");
    QTest::newRow("quotes and percent") << QString::fromUtf8("it's 50%折扣");
}

void TestPercentCodec::roundTrips()
{
    QFETCH(QString, text);
    const QString stored = PercentEncodeUtf8(text);
    for (QChar c : stored)
        QVERIFY2(c.unicode() < 128, "stored form must be ASCII");
    QCOMPARE(PercentDecodeUtf8(stored), text);
}

QTEST_APPLESS_MAIN(TestPercentCodec)
#include "TestPercentCodec.moc"
