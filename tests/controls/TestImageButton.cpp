#include "controls/iButton.h"
#include "tests/controls/TestStrips.h"

#include <QCursor>
#include <QSignalSpy>
#include <QTest>

namespace {

const QSize Frame(40, 24);

QColor ShownColour(iButton& button)
{
    return button.grab().toImage().pixelColor(button.width() - 4, button.height() - 4);
}

// Records the button's notifications by name, in order.
QStringList* Record(iButton& button)
{
    auto* names = new QStringList;
    QObject::connect(&button, &QObject::destroyed, [names] { delete names; });
    QObject::connect(&button, &iButton::Click, [names] { *names << QStringLiteral("Click"); });
    QObject::connect(&button, &iButton::MouseDown, [names] { *names << QStringLiteral("MouseDown"); });
    QObject::connect(&button, &iButton::MouseUp, [names] { *names << QStringLiteral("MouseUp"); });
    QObject::connect(&button, &iButton::KeyDown, [names] { *names << QStringLiteral("KeyDown"); });
    QObject::connect(&button, &iButton::KeyUP, [names] { *names << QStringLiteral("KeyUP"); });
    QObject::connect(&button, &iButton::KeyPress, [names] { *names << QStringLiteral("KeyPress"); });
    QObject::connect(&button, &iButton::MouseOut, [names] { *names << QStringLiteral("MouseOut"); });
    QObject::connect(&button, &iButton::MouseOver, [names] { *names << QStringLiteral("MouseOver"); });
    QObject::connect(&button, &iButton::DBClick, [names] { *names << QStringLiteral("DBClick"); });
    return names;
}

void Move(QWidget* widget, QPoint at, Qt::MouseButtons buttons = Qt::NoButton)
{
    QMouseEvent move(QEvent::MouseMove, at, widget->mapToGlobal(at), Qt::NoButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &move);
}

void Key(QWidget* widget, QEvent::Type type, int key, bool autoRepeat = false)
{
    const QString text = key == Qt::Key_Space ? QStringLiteral(" ") : QString();
    QKeyEvent event(type, key, Qt::NoModifier, text, autoRepeat);
    QApplication::sendEvent(widget, &event);
}

}

class TestImageButton : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void stripCutByStyle_data();
    void stripCutByStyle();
    void autoSizeFollowsTheFrame();
    void notificationsBeforeTheButtonActs();
    void firstTimerTickRaisesMouseOut();
    void realPointerHoversAndLeaves();
    void clickOnlyOnReleaseOver_data();
    void clickOnlyOnReleaseOver();
    void spaceClicksOncePerPressAndRelease();
    void enterClicksOnKeyDown();
    void doubleClickMakesOneClick();
    void transparentButtonTakesTheFrameShape();
    void captionMovesWhenPressed();
};

void TestImageButton::initTestCase()
{
    QCursor::setPos(0, 0);
}

void TestImageButton::stripCutByStyle_data()
{
    QTest::addColumn<int>("rule");
    QTest::addColumn<int>("style");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("value");
    QTest::addColumn<bool>("locked");
    QTest::addColumn<int>("shownFrame");

    const int launcher = int(StripRule::Launcher);
    const int browser = int(StripRule::Browser);
    QTest::newRow("plain normal") << launcher << 0 << 3 << 0 << false << false << 0;
    QTest::newRow("plain hover") << launcher << 0 << 3 << 1 << false << false << 1;
    QTest::newRow("plain pressed") << launcher << 0 << 3 << 2 << false << false << 2;
    QTest::newRow("plain locked") << launcher << 0 << 3 << 0 << false << true << 2;
    QTest::newRow("toggle off hover") << launcher << 1 << 6 << 1 << false << false << 1;
    QTest::newRow("toggle on normal") << launcher << 1 << 6 << 0 << true << false << 3;
    QTest::newRow("toggle on pressed") << launcher << 1 << 6 << 2 << true << false << 5;
    QTest::newRow("style 2 disabled frame") << launcher << 2 << 4 << 3 << false << false << 3;
    QTest::newRow("style 2 hover") << launcher << 2 << 4 << 1 << false << false << 1;
    QTest::newRow("browser style 2 is six frames") << browser << 2 << 6 << 2 << false << false << 2;
    QTest::newRow("browser toggle on") << browser << 1 << 6 << 1 << true << false << 4;
}

void TestImageButton::stripCutByStyle()
{
    QFETCH(int, style);
    QFETCH(int, frames);
    QFETCH(int, rule);
    QFETCH(bool, value);
    QFETCH(bool, locked);
    QFETCH(int, state);
    QFETCH(int, shownFrame);
    iButton button(nullptr, StripRule(rule));
    button.setStyle(style);
    button.setBackPicture(MakeStrip(frames, Frame));
    QCOMPARE(button.size(), Frame);
    button.setValue(value);
    button.setLocked(locked);
    button.cMouseAction(state);
    QCOMPARE(ShownColour(button), FrameColour(shownFrame));
}

void TestImageButton::autoSizeFollowsTheFrame()
{
    iButton button;
    button.setStyle(2);
    button.setBackPicture(MakeStrip(4, QSize(30, 20)));
    QCOMPARE(button.size(), QSize(30, 20));
    button.resize(80, 80);
    QCOMPARE(button.size(), QSize(30, 20));

    button.setAutoSize(false);
    button.resize(90, 40);
    QCOMPARE(button.size(), QSize(90, 40));
    // The picture is stretched over the control.
    QCOMPARE(ShownColour(button), FrameColour(0));

    // A disabled plain button has no disabled frame: its normal frame shows faded.
    iButton plain;
    plain.setBackPicture(MakeStrip(3, Frame));
    plain.setEnabled(false);
    QCOMPARE(plain.drawnState(), 3);
    const QColor faded = ShownColour(plain);
    QVERIFY(faded != FrameColour(0));
    QVERIFY(faded.red() > faded.green() && faded.red() > faded.blue());
}

void TestImageButton::notificationsBeforeTheButtonActs()
{
    iButton button;
    button.setBackPicture(MakeStrip(3, Frame));
    QList<int> statesAtDown;
    connect(&button, &iButton::MouseDown, this, [&] { statesAtDown << button.drawnState(); });
    QList<int> statesAtUp;
    connect(&button, &iButton::MouseUp, this, [&] { statesAtUp << button.drawnState(); });
    Move(&button, QPoint(5, 5));
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(button.drawnState(), 2);
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(statesAtDown, QList<int> { 1 });
    QCOMPARE(statesAtUp, QList<int> { 2 });
    QCOMPARE(button.drawnState(), 1);
}

void TestImageButton::firstTimerTickRaisesMouseOut()
{
    iButton button;
    QSignalSpy out(&button, &iButton::MouseOut);
    QVERIFY(out.wait(500));
    QTest::qWait(3 * iButton::LeaveTimerMs);
    QCOMPARE(out.count(), 1);

    // Hovering starts the timer again; the tick after leaving raises one more.
    QSignalSpy over(&button, &iButton::MouseOver);
    Move(&button, QPoint(3, 3));
    Move(&button, QPoint(4, 4));
    QCOMPARE(over.count(), 1);
    QTest::qWait(2 * iButton::LeaveTimerMs);
    QCOMPARE(out.count(), 1);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    QVERIFY(out.wait(500));
    QTest::qWait(2 * iButton::LeaveTimerMs);
    QCOMPARE(out.count(), 2);
}

void TestImageButton::realPointerHoversAndLeaves()
{
    QWidget window;
    window.setGeometry(300, 300, 200, 100);
    auto* button = new iButton(&window);
    button->setBackPicture(MakeStrip(3, Frame));
    button->move(20, 20);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy out(button, &iButton::MouseOut);
    QVERIFY(out.wait(500));
    QSignalSpy over(button, &iButton::MouseOver);

    QCursor::setPos(button->mapToGlobal(QPoint(10, 10)));
    QTRY_COMPARE(over.count(), 1);
    QCOMPARE(button->drawnState(), 1);
    QCOMPARE(button->cursor().shape(), Qt::PointingHandCursor);
    // Elsewhere in the same window: the next tick reports the leave.
    QCursor::setPos(window.mapToGlobal(QPoint(150, 80)));
    QTRY_COMPARE(out.count(), 2);
    QCOMPARE(button->drawnState(), 0);
    QCursor::setPos(0, 0);
}

void TestImageButton::clickOnlyOnReleaseOver_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("state");

    QTest::newRow("left over") << Qt::LeftButton << QPoint(10, 10)
                               << QStringList { "MouseOver", "MouseDown", "MouseUp", "Click" } << 1;
    QTest::newRow("left outside") << Qt::LeftButton << QPoint(200, 10)
                                  << QStringList { "MouseOver", "MouseDown", "MouseUp" } << 0;
    QTest::newRow("right over") << Qt::RightButton << QPoint(10, 10)
                                << QStringList { "MouseOver", "MouseDown", "MouseUp" } << 1;
}

void TestImageButton::clickOnlyOnReleaseOver()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(QStringList, expected);
    QFETCH(int, state);
    iButton widget;
    widget.setBackPicture(MakeStrip(3, Frame));
    QStringList* raised = Record(widget);
    Move(&widget, QPoint(10, 10));
    QTest::mousePress(&widget, button, Qt::NoModifier, QPoint(10, 10));
    Move(&widget, releaseAt, button);
    QTest::mouseRelease(&widget, button, Qt::NoModifier, releaseAt);
    QCOMPARE(*raised, expected);
    QCOMPARE(widget.drawnState(), state);
}

void TestImageButton::spaceClicksOncePerPressAndRelease()
{
    iButton button;
    button.setStyle(1);
    button.setBackPicture(MakeStrip(6, Frame));
    QStringList* raised = Record(button);
    Key(&button, QEvent::KeyPress, Qt::Key_Space);
    QCOMPARE(button.drawnState(), 2);
    Key(&button, QEvent::KeyPress, Qt::Key_Space, true);
    Key(&button, QEvent::KeyRelease, Qt::Key_Space, true);
    Key(&button, QEvent::KeyPress, Qt::Key_Space, true);
    Key(&button, QEvent::KeyRelease, Qt::Key_Space);
    QCOMPARE(raised->count(QStringLiteral("Click")), 1);
    QCOMPARE(raised->count(QStringLiteral("KeyUP")), 1);
    QCOMPARE(raised->first(), QStringLiteral("KeyDown"));
    QCOMPARE(raised->last(), QStringLiteral("Click"));
    QVERIFY(button.Value());
    QCOMPARE(ShownColour(button), FrameColour(3));
}

void TestImageButton::enterClicksOnKeyDown()
{
    iButton button;
    QStringList* raised = Record(button);
    QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    QApplication::sendEvent(&button, &press);
    QVERIFY(press.isAccepted());
    QCOMPARE(*raised, (QStringList { "KeyDown", "Click", "KeyPress" }));
    Key(&button, QEvent::KeyRelease, Qt::Key_Return);
    QCOMPARE(raised->count(QStringLiteral("Click")), 1);
    // Other keys are left to the dialog around the button.
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(&button, &escape);
    QVERIFY(!escape.isAccepted());
}

void TestImageButton::doubleClickMakesOneClick()
{
    iButton button;
    QStringList* raised = Record(button);
    Move(&button, QPoint(5, 5));
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseDClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QCOMPARE(*raised, (QStringList { "MouseOver", "MouseDown", "MouseUp", "Click", "DBClick", "MouseUp" }));
}

void TestImageButton::transparentButtonTakesTheFrameShape()
{
    iButton button;
    button.setBackPicture(MakeStrip(3, Frame, true));
    QVERIFY(button.mask().isEmpty());
    button.setcBackStyle(0);
    QVERIFY(!button.mask().contains(QPoint(2, 2)));
    QVERIFY(button.mask().contains(QPoint(Frame.width() - 2, Frame.height() - 2)));
    QVERIFY(button.mask().contains(QPoint(2, Frame.height() - 2)));
    button.setcBackStyle(1);
    QVERIFY(button.mask().isEmpty());
}

void TestImageButton::captionMovesWhenPressed()
{
    QCOMPARE(CaptionOrigin(QSize(60, 20), QSize(30, 10), 0), QPoint(15, 5));
    QCOMPARE(CaptionOrigin(QSize(60, 20), QSize(30, 10), 2), QPoint(16, 6));
    QCOMPARE(CaptionOrigin(QSize(61, 21), QSize(30, 10), 1), QPoint(16, 6));

    // The caption's pixels shift by one when the button shows its pressed state.
    iButton button;
    button.setAutoSize(false);
    button.resize(80, 30);
    button.setcForeColor(Qt::black);
    button.setCaption(QStringLiteral("OK"));
    const QImage normal = button.grab().toImage();
    button.cMouseAction(2);
    const QImage pressed = button.grab().toImage();
    QCOMPARE(pressed.copy(1, 1, 79, 29), normal.copy(0, 0, 79, 29));
}

QTEST_MAIN(TestImageButton)
#include "TestImageButton.moc"
