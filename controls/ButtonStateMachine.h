#pragma once

#include <QList>
#include <Qt>

// What the image button does in answer to one input, in order.
enum class ButtonEffect {
    Repaint, // the drawn state, the pictures or the focus rectangle changed
    StartLeaveTimer,
    StopLeaveTimer,
    HandCursor,
    ArrowCursor,
    Click,
    MouseOver,
    MouseOut,
    DBClick,
};
using ButtonEffects = QList<ButtonEffect>;

// The image button's states without a window: 0 normal, 1 hover, 2 pressed,
// 3 disabled. Inputs carry what the control observed (is the pointer over it);
// each answers the effects the control must carry out, in order.
class ButtonStateMachine {
public:
    enum State { Normal = 0, Hover = 1, Pressed = 2, Disabled = 3 };

    int style() const { return m_style; }
    // Value is kept only by the toggle style (1); other styles keep it false.
    void setStyle(int style);
    bool value() const { return m_value; }
    ButtonEffects setValue(bool value);
    bool locked() const { return m_locked; }
    ButtonEffects setLocked(bool locked, bool over);
    bool enabled() const { return m_enabled; }
    ButtonEffects setEnabled(bool enabled, bool over);

    // The state the pointer and the left button call for now.
    int computedState(bool over) const;
    // Remembers and repaints `state` when it differs from the drawn one or when forced.
    ButtonEffects action(int state, bool force);

    ButtonEffects mouseMove(bool over);
    ButtonEffects leaveTick(bool over);
    ButtonEffects mousePress(Qt::MouseButton button);
    // Covers the release and the click it makes when it happens over the control.
    ButtonEffects mouseRelease(Qt::MouseButton button, bool over);
    ButtonEffects doubleClick();
    ButtonEffects keyPress(int key, bool over);
    ButtonEffects keyRelease(int key, bool over);
    ButtonEffects focusIn(bool leftButtonHeld, bool over);
    ButtonEffects focusOut(bool over);

    int drawnState() const { return m_drawn; }
    bool hovering() const { return m_hovering; }
    bool focusRectVisible() const { return m_focusRect; }
    bool leaveTimerRunning() const { return m_timerRunning; }

private:
    void toggleValue();
    void paint(ButtonEffects& effects, int state, bool force = false);
    void showFocusRect(ButtonEffects& effects);

    int m_style = 0;
    bool m_value = false;
    bool m_locked = false;
    bool m_enabled = true;
    int m_drawn = Normal;
    bool m_hovering = false;
    bool m_pressed = false;
    bool m_afterDoubleClick = false;
    bool m_focusRect = false;
    bool m_timerRunning = true;
    Qt::MouseButton m_lastButton = Qt::NoButton;
};
