#include "controls/ButtonStateMachine.h"

namespace {

bool IsEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

}

void ButtonStateMachine::setStyle(int style)
{
    m_style = style;
    if (m_style != 1)
        m_value = false;
}

ButtonEffects ButtonStateMachine::setValue(bool value)
{
    m_value = m_style == 1 && value;
    ButtonEffects effects;
    paint(effects, m_drawn, true);
    return effects;
}

ButtonEffects ButtonStateMachine::setLocked(bool locked, bool over)
{
    m_locked = locked;
    ButtonEffects effects;
    paint(effects, computedState(over), true);
    return effects;
}

ButtonEffects ButtonStateMachine::setEnabled(bool enabled, bool over)
{
    m_enabled = enabled;
    ButtonEffects effects;
    paint(effects, computedState(over), true);
    return effects;
}

int ButtonStateMachine::computedState(bool over) const
{
    if (!m_enabled)
        return Disabled;
    if (m_pressed)
        return over ? Pressed : Normal;
    return over ? Hover : Normal;
}

ButtonEffects ButtonStateMachine::action(int state, bool force)
{
    ButtonEffects effects;
    paint(effects, state, force);
    return effects;
}

void ButtonStateMachine::paint(ButtonEffects& effects, int state, bool force)
{
    if (state == m_drawn && !force)
        return;
    m_drawn = state;
    // Painting clears the surface, focus rectangle included.
    m_focusRect = false;
    effects << ButtonEffect::Repaint;
}

void ButtonStateMachine::showFocusRect(ButtonEffects& effects)
{
    if (m_focusRect)
        return;
    m_focusRect = true;
    effects << ButtonEffect::Repaint;
}

void ButtonStateMachine::toggleValue()
{
    if (m_style == 1)
        m_value = !m_value;
}

ButtonEffects ButtonStateMachine::mouseMove(bool over)
{
    ButtonEffects effects;
    if (!over)
        return effects;
    effects << ButtonEffect::HandCursor;
    if (!m_hovering) {
        paint(effects, Hover);
        m_hovering = true;
        m_timerRunning = true;
        effects << ButtonEffect::StartLeaveTimer << ButtonEffect::MouseOver;
    }
    return effects;
}

ButtonEffects ButtonStateMachine::leaveTick(bool over)
{
    ButtonEffects effects;
    if (over) {
        if (m_pressed)
            paint(effects, Pressed);
        return effects;
    }
    const bool wasHovering = m_hovering;
    if (!m_pressed) {
        m_timerRunning = false;
        m_hovering = false;
        effects << ButtonEffect::StopLeaveTimer << ButtonEffect::MouseOut;
    }
    // Only a hover or a press that left ends here: a disabled look, or a state the
    // owner set, stays as it is.
    if (wasHovering || m_pressed)
        paint(effects, computedState(false));
    return effects;
}

ButtonEffects ButtonStateMachine::mousePress(Qt::MouseButton button)
{
    ButtonEffects effects;
    m_lastButton = button;
    m_afterDoubleClick = false;
    if (button == Qt::LeftButton) {
        effects << ButtonEffect::ArrowCursor;
        paint(effects, Pressed);
        m_pressed = true;
    }
    return effects;
}

ButtonEffects ButtonStateMachine::mouseRelease(Qt::MouseButton button, bool over)
{
    ButtonEffects effects;
    if (button == Qt::LeftButton) {
        if (over) {
            toggleValue();
            // The value may have changed the picture even when the state did not.
            paint(effects, Hover, true);
        } else {
            paint(effects, Normal);
        }
        m_pressed = false;
    }
    // The release that ends a double click makes no click of its own.
    const bool click = over && !m_afterDoubleClick && m_lastButton == Qt::LeftButton;
    m_afterDoubleClick = false;
    if (click) {
        paint(effects, computedState(over));
        effects << ButtonEffect::Click;
    }
    return effects;
}

ButtonEffects ButtonStateMachine::doubleClick()
{
    ButtonEffects effects;
    m_afterDoubleClick = true;
    if (m_lastButton == Qt::LeftButton)
        paint(effects, Pressed);
    effects << ButtonEffect::DBClick;
    return effects;
}

ButtonEffects ButtonStateMachine::keyPress(int key, bool over)
{
    ButtonEffects effects;
    if (IsEnter(key)) {
        toggleValue();
        paint(effects, computedState(over), true);
        if (!m_hovering)
            showFocusRect(effects);
        effects << ButtonEffect::Click;
    } else if (key == Qt::Key_Space) {
        paint(effects, Pressed);
        if (!m_hovering)
            showFocusRect(effects);
    }
    return effects;
}

ButtonEffects ButtonStateMachine::keyRelease(int key, bool over)
{
    ButtonEffects effects;
    if (key == Qt::Key_Space) {
        toggleValue();
        paint(effects, computedState(over), true);
        if (!m_hovering)
            showFocusRect(effects);
        effects << ButtonEffect::Click;
    }
    return effects;
}

ButtonEffects ButtonStateMachine::focusIn(bool leftButtonHeld, bool over)
{
    ButtonEffects effects;
    paint(effects, computedState(over), true);
    if (!leftButtonHeld)
        showFocusRect(effects);
    return effects;
}

ButtonEffects ButtonStateMachine::focusOut(bool over)
{
    ButtonEffects effects;
    paint(effects, computedState(over), true);
    return effects;
}
