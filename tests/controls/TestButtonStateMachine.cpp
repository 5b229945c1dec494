#include "controls/ButtonStateMachine.h"

#include <QTest>

namespace {

QString Name(ButtonEffect effect)
{
    switch (effect) {
    case ButtonEffect::Click: return QStringLiteral("Click");
    case ButtonEffect::MouseOver: return QStringLiteral("MouseOver");
    case ButtonEffect::MouseOut: return QStringLiteral("MouseOut");
    case ButtonEffect::DBClick: return QStringLiteral("DBClick");
    default: return QString();
    }
}

// Runs a script of inputs, one per word: "move+" / "move-" (pointer over / away),
// "tick+" / "tick-", "down:L" / "down:R", "up:L+" / "up:L-" (released over / away),
// "dbl", "key:enter", "key:space", "keyup:space", "focus", "blur", "disable", "action:N"
// (the owner sets state N).
// Answers the notifications raised, in order.
QStringList Run(ButtonStateMachine& machine, const QString& script)
{
    QStringList raised;
    for (const QString& word : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const bool over = word.endsWith(QLatin1Char('+'));
        const Qt::MouseButton button = word.contains(QLatin1String(":L")) ? Qt::LeftButton : Qt::RightButton;
        ButtonEffects effects;
        if (word.startsWith(QLatin1String("move")))
            effects = machine.mouseMove(over);
        else if (word.startsWith(QLatin1String("tick")))
            effects = machine.leaveTick(over);
        else if (word.startsWith(QLatin1String("down")))
            effects = machine.mousePress(button);
        else if (word.startsWith(QLatin1String("up")))
            effects = machine.mouseRelease(button, over);
        else if (word == QLatin1String("dbl"))
            effects = machine.doubleClick();
        else if (word == QLatin1String("key:enter"))
            effects = machine.keyPress(Qt::Key_Return, false);
        else if (word == QLatin1String("key:space"))
            effects = machine.keyPress(Qt::Key_Space, false);
        else if (word == QLatin1String("keyup:space"))
            effects = machine.keyRelease(Qt::Key_Space, false);
        else if (word == QLatin1String("focus"))
            effects = machine.focusIn(false, false);
        else if (word == QLatin1String("blur"))
            effects = machine.focusOut(false);
        else if (word == QLatin1String("disable"))
            effects = machine.setEnabled(false, false);
        else if (word.startsWith(QLatin1String("action:")))
            effects = machine.action(word.mid(7).toInt(), false);
        else
            qFatal("unknown script word %s", qPrintable(word));
        for (ButtonEffect effect : effects) {
            if (!Name(effect).isEmpty())
                raised << Name(effect);
        }
    }
    return raised;
}

}

class TestButtonStateMachine : public QObject {
    Q_OBJECT
private slots:
    void sequences_data();
    void sequences();
    void stateComputedFromPointerAndButton_data();
    void stateComputedFromPointerAndButton();
    void leaveTimerStopsOnlyAfterRelease();
    void valueKeptOnlyByToggleStyle_data();
    void valueKeptOnlyByToggleStyle();
    void focusRectangle_data();
    void focusRectangle();
};

void TestButtonStateMachine::sequences_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("raised");
    QTest::addColumn<int>("state");
    QTest::addColumn<bool>("value");

    QTest::newRow("first tick away from the button") << 0 << "tick-" << QStringList { "MouseOut" } << 0 << false;
    QTest::newRow("first tick with the pointer over") << 0 << "tick+" << QStringList {} << 0 << false;
    QTest::newRow("hover and leave") << 0 << "move+ move+ tick+ tick-" << QStringList { "MouseOver", "MouseOut" } << 0
                                     << false;
    QTest::newRow("click") << 0 << "move+ down:L up:L+" << QStringList { "MouseOver", "Click" } << 1 << false;
    QTest::newRow("leave while held shows normal") << 0 << "move+ down:L move- tick-" << QStringList { "MouseOver" } << 0
                                                   << false;
    QTest::newRow("coming back while held shows pressed")
        << 0 << "move+ down:L move- tick- move+ tick+" << QStringList { "MouseOver" } << 2 << false;
    QTest::newRow("release outside: no click, out on the next tick")
        << 0 << "move+ down:L move- tick- up:L- tick-" << QStringList { "MouseOver", "MouseOut" } << 0 << false;
    QTest::newRow("right click changes nothing") << 0 << "move+ down:R up:R+" << QStringList { "MouseOver" } << 1 << false;
    QTest::newRow("toggle: one click sets Value") << 1 << "move+ down:L up:L+" << QStringList { "MouseOver", "Click" } << 1
                                                  << true;
    QTest::newRow("toggle: two clicks clear it")
        << 1 << "move+ down:L up:L+ down:L up:L+" << QStringList { "MouseOver", "Click", "Click" } << 1 << false;
    QTest::newRow("double click: one click, one DBClick, two toggles")
        << 1 << "move+ down:L up:L+ dbl up:L+" << QStringList { "MouseOver", "Click", "DBClick" } << 1 << false;
    QTest::newRow("space: click on release only") << 0 << "focus key:space" << QStringList {} << 2 << false;
    QTest::newRow("space pressed and released") << 1 << "focus key:space keyup:space" << QStringList { "Click" } << 0
                                                << true;
    QTest::newRow("space held repeats the press only")
        << 0 << "focus key:space key:space key:space keyup:space" << QStringList { "Click" } << 0 << false;
    QTest::newRow("disabled look outlives the first tick") << 0 << "disable tick-" << QStringList { "MouseOut" } << 3
                                                           << false;
    QTest::newRow("disabled after a hover keeps its look") << 0 << "move+ disable tick-"
                                                           << QStringList { "MouseOver", "MouseOut" } << 3 << false;
    QTest::newRow("a state the owner set outlives the tick") << 0 << "action:2 tick-" << QStringList { "MouseOut" } << 2
                                                             << false;
    QTest::newRow("enter clicks on key down") << 1 << "focus key:enter" << QStringList { "Click" } << 0 << true;
}

void TestButtonStateMachine::sequences()
{
    QFETCH(int, style);
    QFETCH(QString, script);
    QFETCH(QStringList, raised);
    QFETCH(int, state);
    QFETCH(bool, value);
    ButtonStateMachine machine;
    machine.setStyle(style);
    QCOMPARE(Run(machine, script), raised);
    QCOMPARE(machine.drawnState(), state);
    QCOMPARE(machine.value(), value);
}

void TestButtonStateMachine::stateComputedFromPointerAndButton_data()
{
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<bool>("held");
    QTest::addColumn<bool>("over");
    QTest::addColumn<int>("state");

    QTest::newRow("disabled wins") << false << true << true << 3;
    QTest::newRow("held over") << true << true << true << 2;
    QTest::newRow("held away") << true << true << false << 0;
    QTest::newRow("over") << true << false << true << 1;
    QTest::newRow("away") << true << false << false << 0;
}

void TestButtonStateMachine::stateComputedFromPointerAndButton()
{
    QFETCH(bool, held);
    QFETCH(bool, enabled);
    QFETCH(bool, over);
    QFETCH(int, state);
    ButtonStateMachine machine;
    if (held)
        machine.mousePress(Qt::LeftButton);
    machine.setEnabled(enabled, false);
    QCOMPARE(machine.computedState(over), state);
}

void TestButtonStateMachine::leaveTimerStopsOnlyAfterRelease()
{
    ButtonStateMachine machine;
    QVERIFY(machine.leaveTimerRunning());
    Run(machine, "tick-");
    QVERIFY(!machine.leaveTimerRunning());
    QCOMPARE(machine.mouseMove(true), (ButtonEffects { ButtonEffect::HandCursor, ButtonEffect::Repaint,
                                          ButtonEffect::StartLeaveTimer, ButtonEffect::MouseOver }));
    Run(machine, "down:L move- tick-");
    QVERIFY(machine.leaveTimerRunning());
    QVERIFY(machine.hovering());
    Run(machine, "up:L- tick-");
    QVERIFY(!machine.leaveTimerRunning());
    QVERIFY(!machine.hovering());
}

void TestButtonStateMachine::valueKeptOnlyByToggleStyle_data()
{
    QTest::addColumn<int>("style");
    QTest::addColumn<bool>("kept");
    QTest::newRow("plain") << 0 << false;
    QTest::newRow("toggle") << 1 << true;
    QTest::newRow("with disabled frame") << 2 << false;
}

void TestButtonStateMachine::valueKeptOnlyByToggleStyle()
{
    QFETCH(int, style);
    QFETCH(bool, kept);
    ButtonStateMachine machine;
    machine.setStyle(style);
    machine.setValue(true);
    QCOMPARE(machine.value(), kept);
    // Leaving the toggle style drops the value.
    machine.setStyle(0);
    QCOMPARE(machine.value(), false);
}

void TestButtonStateMachine::focusRectangle_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("visible");
    QTest::newRow("focus by keyboard") << "focus" << true;
    QTest::newRow("hover repaint clears it") << "focus move+" << false;
    QTest::newRow("not drawn while hovering") << "move+ focus key:space" << false;
    QTest::newRow("space press redraws it") << "focus key:space" << true;
    QTest::newRow("space release redraws it") << "focus key:space keyup:space" << true;
    QTest::newRow("losing focus clears it") << "focus blur" << false;
}

void TestButtonStateMachine::focusRectangle()
{
    QFETCH(QString, script);
    QFETCH(bool, visible);
    ButtonStateMachine machine;
    Run(machine, script);
    QCOMPARE(machine.focusRectVisible(), visible);
}

QTEST_APPLESS_MAIN(TestButtonStateMachine)
#include "TestButtonStateMachine.moc"
