#include "pages/PageCommand.h"
#include "pages/PageCommandBridge.h"

#include <QTest>

class TestPageCommand : public QObject {
    Q_OBJECT
private slots:
    void parses_data();
    void parses();
    void bridgeTakesCommandsAndActsOnlyOnCompleteOnes_data();
    void bridgeTakesCommandsAndActsOnlyOnCompleteOnes();
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

using Outcome = PageCommandTable::Outcome;

void TestPageCommand::bridgeTakesCommandsAndActsOnlyOnCompleteOnes_data()
{
    QTest::addColumn<QString>("href");
    QTest::addColumn<bool>("taken");
    QTest::addColumn<Outcome>("outcome");
    QTest::addColumn<QString>("acted");
    QTest::newRow("complete") << "javascript:CALL_API('FlashTable','a|b|c|d')" << true << Outcome::Done
                              << "FlashTable:a,b,c,d";
    QTest::newRow("more fields than needed") << "javascript:CALL_API('WebTable','a|b|c|d')" << true << Outcome::Done
                                             << "WebTable:a,b,c,d";
    QTest::newRow("empty last field counts") << "javascript:CALL_API('FlashTable','a|b|c|')" << true << Outcome::Done
                                             << "FlashTable:a,b,c,";
    QTest::newRow("one field short") << "javascript:CALL_API('FlashTable','a|b|c')" << true << Outcome::MissingFields
                                     << "";
    QTest::newRow("no argument piece") << "javascript:CALL_API('WebTable')" << true << Outcome::MissingFields << "";
    QTest::newRow("other letter case") << "javascript:CALL_API('flashtable','a|b|c|d')" << true
                                       << Outcome::UnknownWord << "";
    QTest::newRow("plain link left alone") << "http://127.0.0.1:1/a.htm" << false << Outcome::Done << "";
}

void TestPageCommand::bridgeTakesCommandsAndActsOnlyOnCompleteOnes()
{
    QFETCH(QString, href);
    QFETCH(bool, taken);
    QFETCH(Outcome, outcome);
    QFETCH(QString, acted);
    QString done;
    PageCommandTable table;
    for (const auto& [word, count] : {std::pair{"FlashTable", 4}, std::pair{"WebTable", 3}}) {
        table.add(QString::fromLatin1(word), count, [&done, word = QString::fromLatin1(word)](const QStringList& fields) {
            done = word + QLatin1Char(':') + fields.join(QLatin1Char(','));
        });
    }
    std::optional<Outcome> dispatched;
    const auto handler = TakePageCommands([&](const PageCommand& command) { dispatched = table.dispatch(command); });
    QCOMPARE(handler(LinkActivation{QString(), href, QUrl()}), taken);
    QCOMPARE(dispatched.has_value(), taken);
    if (taken)
        QCOMPARE(*dispatched, outcome);
    QCOMPARE(done, acted);
}

QTEST_APPLESS_MAIN(TestPageCommand)
#include "TestPageCommand.moc"
