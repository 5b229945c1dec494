#include "pages/PageCommand.h"

#include <QTest>

class TestPageCommand : public QObject {
    Q_OBJECT
private slots:
    void parses_data();
    void parses();
};

void TestPageCommand::parses_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<bool>("isCommand");
    QTest::addColumn<QString>("word");
    QTest::addColumn<QStringList>("fields");
    QTest::newRow("openTable") << "javascript:CALL_API('openTable','连连看|http://127.0.0.1:8737//game/1.htm')" << true
                               << "openTable" << QStringList({"连连看", "http://127.0.0.1:8737//game/1.htm"});
    QTest::newRow("flash with four fields")
        << "javascript:CALL_API('FlashTable','Tank|/jpg/t.jpg|/swf/t.swf?nosave|Use the arrows')" << true << "FlashTable"
        << QStringList({"Tank", "/jpg/t.jpg", "/swf/t.swf?nosave", "Use the arrows"});
    QTest::newRow("embedded in a longer address") << "http://site/x#javascript:CALL_API('WebTable','a|b|c')" << true
                                                   << "http://site/x#WebTable" << QStringList({"a", "b", "c"});
    QTest::newRow("apostrophe and brackets lost") << "javascript:CALL_API('FlashTable','Tom's (new) game|x')" << true
                                                   << "FlashTable" << QStringList({"Toms new game", "x"});
    QTest::newRow("pieces after a second comma ignored") << "javascript:CALL_API('openTable','a|b','extra')" << true
                                                         << "openTable" << QStringList({"a", "b"});
    QTest::newRow("no argument piece") << "javascript:CALL_API('openTable')" << true << "openTable" << QStringList();
    QTest::newRow("no percent decoding") << "javascript:CALL_API('openTable','%E4%B8%AD|a%20b')" << true << "openTable"
                                         << QStringList({"%E4%B8%AD", "a%20b"});
    QTest::newRow("case-sensitive marker") << "JavaScript:call_api('openTable','a|b')" << false << QString()
                                           << QStringList();
    QTest::newRow("ordinary link") << "http://127.0.0.1:8737/about/contact.htm" << false << QString() << QStringList();
}

void TestPageCommand::parses()
{
    QFETCH(QString, address);
    QFETCH(bool, isCommand);
    QFETCH(QString, word);
    QFETCH(QStringList, fields);
    const auto command = PageCommand::Parse(address);
    QCOMPARE(command.has_value(), isCommand);
    if (command) {
        QCOMPARE(command->word, word);
        QCOMPARE(command->fields, fields);
    }
}

QTEST_APPLESS_MAIN(TestPageCommand)
#include "TestPageCommand.moc"
