#include "controls/iButton.h"

#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QResizeEvent>

namespace {

constexpr qreal FadedOpacity = 0.45;

bool IsButtonKey(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

}

iButton::iButton(QWidget* parent, StripRule rule)
    : QWidget(parent)
    , m_rule(rule)
    , m_foreColor(palette().color(QPalette::ButtonText))
    , m_font(font())
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    // The leave timer runs from creation: its first tick settles the hover state.
    m_leaveTimer.setInterval(LeaveTimerMs);
    connect(&m_leaveTimer, &QTimer::timeout, this, [this] { apply(m_machine.leaveTick(m_pointerInside)); });
    m_leaveTimer.start();
}

void iButton::setStripRule(StripRule rule)
{
    m_rule = rule;
    rebuildPictures();
}

void iButton::setBackPicture(const QPixmap& picture)
{
    m_backPicture = picture;
    rebuildPictures();
    emit PropertyChanged(QStringLiteral("BackPicture"));
}

void iButton::setcBackStyle(int style)
{
    m_backStyle = style;
    apply(m_machine.action(m_machine.drawnState(), true));
    emit PropertyChanged(QStringLiteral("cBackStyle"));
}

void iButton::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
    emit PropertyChanged(QStringLiteral("Caption"));
}

void iButton::setStyle(int style)
{
    m_machine.setStyle(style);
    rebuildPictures();
    emit PropertyChanged(QStringLiteral("Style"));
}

void iButton::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_autoSize) {
        rebuildPictures();
    } else if (m_sizeFixed) {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        m_sizeFixed = false;
    }
    emit PropertyChanged(QStringLiteral("AutoSize"));
}

void iButton::setcForeColor(const QColor& color)
{
    m_foreColor = color;
    update();
    emit PropertyChanged(QStringLiteral("cForeColor"));
}

void iButton::setcFont(const QFont& font)
{
    m_font = font;
    update();
    emit PropertyChanged(QStringLiteral("cFont"));
}

void iButton::setcDrawMode(int mode)
{
    m_drawMode = mode;
    update();
    emit PropertyChanged(QStringLiteral("cDrawMode"));
}

void iButton::setValue(bool value)
{
    apply(m_machine.setValue(value));
}

void iButton::setLocked(bool locked)
{
    apply(m_machine.setLocked(locked, m_pointerInside));
}

void iButton::cMouseAction(int state, bool force)
{
    apply(m_machine.action(state, force));
}

QSize iButton::sizeHint() const
{
    return m_strip.isReady() ? m_strip.frameSize() : QWidget::sizeHint();
}

void iButton::rebuildPictures()
{
    m_strip = ButtonStrip(m_backPicture, StripFrameCount(m_machine.style(), m_rule));
    m_maskedFrame = -1;
    fitToFrame();
    apply(m_machine.action(m_machine.computedState(m_pointerInside), true));
}

void iButton::fitToFrame()
{
    if (!m_autoSize || !m_strip.isReady())
        return;
    setFixedSize(m_strip.frameSize());
    m_sizeFixed = true;
}

StripPicture iButton::currentPicture() const
{
    return PictureForState(m_machine.drawnState(), m_machine.value(), m_machine.style(), m_machine.locked(),
        m_strip.frameCount());
}

void iButton::apply(const ButtonEffects& effects)
{
    // A handler of a notification may delete the button.
    const QPointer<iButton> self(this);
    for (ButtonEffect effect : effects) {
        switch (effect) {
        case ButtonEffect::Repaint:
            updateShape();
            update();
            break;
        case ButtonEffect::StartLeaveTimer:
            m_leaveTimer.start();
            break;
        case ButtonEffect::StopLeaveTimer:
            m_leaveTimer.stop();
            break;
        case ButtonEffect::HandCursor:
            setCursor(Qt::PointingHandCursor);
            break;
        case ButtonEffect::ArrowCursor:
            setCursor(Qt::ArrowCursor);
            break;
        case ButtonEffect::Click:
            emit Click();
            break;
        case ButtonEffect::MouseOver:
            emit MouseOver();
            break;
        case ButtonEffect::MouseOut:
            emit MouseOut();
            break;
        case ButtonEffect::DBClick:
            emit DBClick();
            break;
        }
        if (!self)
            return;
    }
}

void iButton::updateShape()
{
    const int frame = currentPicture().frame;
    const QBitmap shape = m_strip.shape(frame);
    if (m_backStyle != 0 || shape.isNull()) {
        m_maskedFrame = -1;
        if (!mask().isEmpty())
            clearMask();
        return;
    }
    if (frame == m_maskedFrame && size() == m_maskedSize)
        return;
    m_maskedFrame = frame;
    m_maskedSize = size();
    setMask(shape.size() == size() ? shape : QBitmap::fromPixmap(shape.scaled(size())));
}

void iButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (m_backStyle != 0)
        painter.fillRect(rect(), palette().color(backgroundRole()));
    const StripPicture picture = currentPicture();
    if (picture.faded)
        painter.setOpacity(FadedOpacity);
    const QPixmap frame = m_strip.frame(picture.frame);
    if (!frame.isNull())
        painter.drawPixmap(rect(), frame);
    if (!m_caption.isEmpty()) {
        const QFontMetrics metrics(m_font);
        const QSize text(metrics.horizontalAdvance(m_caption), metrics.height());
        const QPoint origin = CaptionOrigin(size(), text, m_machine.drawnState());
        painter.setFont(m_font);
        painter.setPen(m_foreColor);
        painter.drawText(origin.x(), origin.y() + metrics.ascent(), m_caption);
    }
    if (m_machine.focusRectVisible() && width() > 7 && height() > 7) {
        painter.setOpacity(1.0);
        painter.setPen(QPen(m_foreColor, 1, Qt::DotLine));
        painter.drawRect(3, 3, width() - 7, height() - 7);
    }
}

void iButton::resizeEvent(QResizeEvent* event)
{
    fitToFrame();
    // The first resize of a hidden button arrives when it is shown and must not
    // undo a state its host set before.
    if (event->oldSize().isValid()) {
        apply(m_machine.action(m_machine.computedState(m_pointerInside), true));
    } else {
        updateShape();
        update();
    }
}

void iButton::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange) {
        apply(m_machine.setEnabled(isEnabled(), m_pointerInside));
        emit PropertyChanged(QStringLiteral("Enabled"));
    }
    QWidget::changeEvent(event);
}

void iButton::enterEvent(QEnterEvent*)
{
    m_pointerInside = true;
}

void iButton::leaveEvent(QEvent*)
{
    m_pointerInside = false;
}

void iButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    m_pointerInside = rect().contains(at);
    emit MouseMove(event->buttons(), event->modifiers(), at.x(), at.y());
    apply(m_machine.mouseMove(m_pointerInside));
}

void iButton::mousePressEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    m_pointerInside = rect().contains(at);
    emit MouseDown(event->button(), event->modifiers(), at.x(), at.y());
    apply(m_machine.mousePress(event->button()));
}

void iButton::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    m_pointerInside = rect().contains(at);
    emit MouseUp(event->button(), event->modifiers(), at.x(), at.y());
    apply(m_machine.mouseRelease(event->button(), m_pointerInside));
}

void iButton::mouseDoubleClickEvent(QMouseEvent*)
{
    apply(m_machine.doubleClick());
}

void iButton::keyPressEvent(QKeyEvent* event)
{
    const QPointer<iButton> self(this);
    emit KeyDown(event->key(), event->modifiers());
    if (!self)
        return;
    apply(m_machine.keyPress(event->key(), m_pointerInside));
    if (!self)
        return;
    if (!event->text().isEmpty())
        emit KeyPress(event->text().at(0).unicode());
    event->setAccepted(IsButtonKey(event->key()));
}

void iButton::keyReleaseEvent(QKeyEvent* event)
{
    // Holding a key repeats its press only, as one release ends it.
    if (event->isAutoRepeat()) {
        event->setAccepted(IsButtonKey(event->key()));
        return;
    }
    const QPointer<iButton> self(this);
    emit KeyUP(event->key(), event->modifiers());
    if (!self)
        return;
    apply(m_machine.keyRelease(event->key(), m_pointerInside));
    if (self)
        event->setAccepted(IsButtonKey(event->key()));
}

void iButton::focusInEvent(QFocusEvent* event)
{
    const bool leftHeld = event->reason() == Qt::MouseFocusReason
        || QGuiApplication::mouseButtons().testFlag(Qt::LeftButton);
    apply(m_machine.focusIn(leftHeld, m_pointerInside));
}

void iButton::focusOutEvent(QFocusEvent*)
{
    apply(m_machine.focusOut(m_pointerInside));
}
