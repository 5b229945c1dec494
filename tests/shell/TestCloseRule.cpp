#include "shell/CloseRule.h"

#include <QTest>

class TestCloseRule : public QObject {
    Q_OBJECT
private slots:
    void closeButton_data();
    void closeButton();
    void advertisementPage_data();
    void advertisementPage();
};

void TestCloseRule::closeButton_data()
{
    QTest::addColumn<bool>("hideSetting");
    QTest::addColumn<bool>("trayShown");
    QTest::addColumn<int>("action");
    QTest::newRow("set to quit") << false << true << int(CloseAction::Quit);
    QTest::newRow("set to quit, no tray") << false << false << int(CloseAction::Quit);
    QTest::newRow("set to hide") << true << true << int(CloseAction::HideToTray);
    // Hidden with no tray, the window could never come back.
    QTest::newRow("set to hide, no tray") << true << false << int(CloseAction::Minimise);
}

void TestCloseRule::closeButton()
{
    QFETCH(bool, hideSetting);
    QFETCH(bool, trayShown);
    QFETCH(int, action);
    QCOMPARE(int(CloseButtonAction(hideSetting, trayShown)), action);
}

void TestCloseRule::advertisementPage_data()
{
    QTest::addColumn<QString>("html");
    QTest::addColumn<bool>("found");
    QTest::newRow("advertisement") << "<html><body><a href='/x'>新游戏</a></body></html>" << true;
    QTest::newRow("not-found page") << "<html><body><h1>无法找到该页</h1></body></html>" << false;
    // The browser's text may be broken by white space in the markup.
    QTest::newRow("not-found text split by white space") << "<h1>无法\n找到 该页\t</h1>" << false;
    QTest::newRow("page going away answers nothing") << "" << false;
}

void TestCloseRule::advertisementPage()
{
    QFETCH(QString, html);
    QFETCH(bool, found);
    QCOMPARE(AdvertisementPageFound(html), found);
}

QTEST_APPLESS_MAIN(TestCloseRule)
#include "TestCloseRule.moc"
