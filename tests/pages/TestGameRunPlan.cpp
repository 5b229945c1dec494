#include "pages/GameRunPlan.h"

#include <QTest>

using Kind = GameRunStep::Kind;
using Record = Catalogue::GameRecord;

Q_DECLARE_METATYPE(QList<Record>)
Q_DECLARE_METATYPE(QList<GameRunStep>)

class TestGameRunPlan : public QObject {
    Q_OBJECT
private slots:
    void run_data();
    void run();
    void introduction_data();
    void introduction();
};

void TestGameRunPlan::run_data()
{
    QTest::addColumn<QList<Record>>("rows");
    QTest::addColumn<QStringList>("openTabs");
    QTest::addColumn<QList<GameRunStep>>("steps");
    const Record flash{"Tank", "Arrows move", "http://site/tank.htm", "", 1};
    const Record web{"Tank", "", "http://site/tank.htm", "http://games.test/play?id=3", 2};
    const Record kelvra{"Tank", "", "", "http://games.test/url_kelvra/3", 2};
    QTest::newRow("not catalogued") << QList<Record>() << QStringList() << QList<GameRunStep>();
    QTest::newRow("flash opens a player")
        << QList<Record>{flash} << QStringList()
        << QList<GameRunStep>{{Kind::OpenPlayer, "", "Tank", "Arrows move"}};
    QTest::newRow("flash already open") << QList<Record>{flash} << QStringList("Tank")
                                        << QList<GameRunStep>{{Kind::SelectTab, "", "Tank", ""}};
    QTest::newRow("flash stored twice")
        << QList<Record>{flash, flash} << QStringList()
        << QList<GameRunStep>{{Kind::OpenPlayer, "", "Tank", "Arrows move"}, {Kind::SelectTab, "", "Tank", ""}};
    QTest::newRow("web game to the game browser")
        << QList<Record>{web} << QStringList("Tank")
        << QList<GameRunStep>{{Kind::OpenInGameBrowser, "http://games.test/play?id=3", "", ""}};
    QTest::newRow("web game stored twice is handed over twice")
        << QList<Record>{web, web} << QStringList()
        << QList<GameRunStep>{{Kind::OpenInGameBrowser, "http://games.test/play?id=3", "", ""},
                              {Kind::OpenInGameBrowser, "http://games.test/play?id=3", "", ""}};
    QTest::newRow("url_kelvra always to the desktop browser")
        << QList<Record>{kelvra} << QStringList()
        << QList<GameRunStep>{{Kind::OpenInDesktopBrowser, "http://games.test/url_kelvra/3", "", ""}};
}

void TestGameRunPlan::run()
{
    QFETCH(QList<Record>, rows);
    QFETCH(QStringList, openTabs);
    QFETCH(QList<GameRunStep>, steps);
    const auto planned = PlanGameRun("Tank", rows, [&](const QString& caption) { return openTabs.contains(caption); });
    QCOMPARE(planned.size(), steps.size());
    for (int i = 0; i < steps.size(); ++i) {
        QCOMPARE(int(planned[i].kind), int(steps[i].kind));
        QCOMPARE(planned[i].address, steps[i].address);
        QCOMPARE(planned[i].caption, steps[i].caption);
        QCOMPARE(planned[i].introduction, steps[i].introduction);
    }
}

void TestGameRunPlan::introduction_data()
{
    QTest::addColumn<QList<Record>>("rows");
    QTest::addColumn<QStringList>("openTabs");
    QTest::addColumn<QList<GameRunStep>>("steps");
    const Record row{"连连看", "", "http://site//game/7.htm", "", 2};
    QTest::newRow("opens the page") << QList<Record>{row} << QStringList()
                                    << QList<GameRunStep>{{Kind::OpenDownloadPage, "http://site//game/7.htm", "连连看", ""}};
    QTest::newRow("selects the open tab") << QList<Record>{row} << QStringList("连连看")
                                          << QList<GameRunStep>{{Kind::SelectTab, "", "连连看", ""}};
    QTest::newRow("second row finds the first's tab")
        << QList<Record>{row, row} << QStringList()
        << QList<GameRunStep>{{Kind::OpenDownloadPage, "http://site//game/7.htm", "连连看", ""},
                              {Kind::SelectTab, "", "连连看", ""}};
}

void TestGameRunPlan::introduction()
{
    QFETCH(QList<Record>, rows);
    QFETCH(QStringList, openTabs);
    QFETCH(QList<GameRunStep>, steps);
    QCOMPARE(PlanGameIntroduction("连连看", rows, [&](const QString& c) { return openTabs.contains(c); }), steps);
}

QTEST_APPLESS_MAIN(TestGameRunPlan)
#include "TestGameRunPlan.moc"
