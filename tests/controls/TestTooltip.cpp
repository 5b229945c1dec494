#include "controls/clsTooltip.h"

#include <QCursor>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

namespace {

void AskForTip(QWidget* owner, QPoint at)
{
    QHelpEvent help(QEvent::ToolTip, at, owner->mapToGlobal(at));
    QApplication::sendEvent(owner, &help);
}

}

class TestTooltip : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void lookUp_data();
    void lookUp();
    void sameIdentifierAddsASecondEntry();
    void toolsOfAnEndedOwnerAreForgotten();
    void showsTheTextOfTheRectangle();
    void showsOnAnInactiveWindow_data();
    void showsOnAnInactiveWindow();
};

void TestTooltip::initTestCase()
{
    QCursor::setPos(0, 0);
}

void TestTooltip::cleanup()
{
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
}

void TestTooltip::lookUp_data()
{
    QTest::addColumn<QPoint>("at");
    QTest::addColumn<QString>("text");
    QTest::newRow("first rectangle") << QPoint(5, 5) << "page 1";
    QTest::newRow("second rectangle") << QPoint(25, 5) << "page 2";
    QTest::newRow("right edge belongs to the rectangle") << QPoint(19, 19) << "page 1";
    QTest::newRow("between rectangles") << QPoint(5, 30) << "";
}

void TestTooltip::lookUp()
{
    QFETCH(QPoint, at);
    QFETCH(QString, text);
    QObject owner;
    QObject other;
    ToolTable table;
    table.add(&owner, 1, QRect(0, 0, 20, 20), QStringLiteral("page 1"));
    table.add(&owner, 2, QRect(20, 0, 20, 20), QStringLiteral("page 2"));
    table.add(&other, 1, QRect(0, 0, 100, 100), QStringLiteral("elsewhere"));
    const ToolTable::Tool* tool = table.find(&owner, at);
    QCOMPARE(tool ? tool->text : QString(), text);
}

void TestTooltip::sameIdentifierAddsASecondEntry()
{
    QWidget owner;
    clsTooltip tips;
    tips.AddTool_ForRect(&owner, 7, QRect(0, 0, 10, 10), QStringLiteral("old"));
    tips.AddTool_ForRect(&owner, 7, QRect(0, 0, 10, 10), QStringLiteral("new"));
    QCOMPARE(tips.tools().count(), 2);
    QCOMPARE(tips.tools().find(&owner, QPoint(3, 3))->text, QStringLiteral("old"));
}

void TestTooltip::toolsOfAnEndedOwnerAreForgotten()
{
    clsTooltip tips;
    auto* owner = new QWidget;
    tips.AddTool_ForRect(owner, 1, QRect(0, 0, 10, 10), QStringLiteral("gone"));
    delete owner;
    QCOMPARE(tips.tools().count(), 0);
}

void TestTooltip::showsTheTextOfTheRectangle()
{
    QWidget owner;
    owner.setGeometry(200, 200, 200, 100);
    owner.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owner));
    clsTooltip tips;
    tips.AddTool_ForRect(&owner, 1, QRect(10, 10, 30, 30), QStringLiteral("first"));
    tips.AddTool_ForRect(&owner, 2, QRect(50, 10, 30, 30), QStringLiteral("second"));
    AskForTip(&owner, QPoint(60, 20));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), QStringLiteral("second"));
    AskForTip(&owner, QPoint(20, 20));
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("first"));
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    AskForTip(&owner, QPoint(150, 80));
    QTest::qWait(100);
    QVERIFY(!QToolTip::isVisible());
}

void TestTooltip::showsOnAnInactiveWindow_data()
{
    QTest::addColumn<bool>("movedIntoAWindowLater");
    QTest::newRow("owner is its window") << false;
    // Like a page form placed into the main frame after its tips were added.
    QTest::newRow("owner moved into another window") << true;
}

void TestTooltip::showsOnAnInactiveWindow()
{
    QFETCH(bool, movedIntoAWindowLater);
    QWidget frame;
    frame.setGeometry(200, 200, 200, 100);
    auto* ownerWidget = new QWidget;
    ownerWidget->resize(200, 100);
    QWidget& owner = movedIntoAWindowLater ? *ownerWidget : frame;
    if (!movedIntoAWindowLater)
        delete ownerWidget;
    clsTooltip tips;
    tips.AddTool_ForRect(&owner, 1, QRect(10, 10, 60, 60), QStringLiteral("hover text"));
    if (movedIntoAWindowLater) {
        owner.setParent(&frame);
        owner.show();
    }
    frame.show();
    QVERIFY(QTest::qWaitForWindowExposed(&frame));
    QWidget active;
    active.setGeometry(600, 200, 100, 100);
    active.show();
    active.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&active));
    QVERIFY(!owner.isActiveWindow());

    // A real hover: the pointer moves onto the rectangle and rests there.
    for (int step = 0; step < 5; ++step) {
        QCursor::setPos(owner.mapToGlobal(QPoint(30 + step, 30 + step)));
        QTest::qWait(20);
    }
    QTRY_VERIFY_WITH_TIMEOUT(QToolTip::isVisible(), 5000);
    QCOMPARE(QToolTip::text(), QStringLiteral("hover text"));
    QCursor::setPos(0, 0);
    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
}

QTEST_MAIN(TestTooltip)
#include "TestTooltip.moc"
