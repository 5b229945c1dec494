#pragma once

#include "controls/ButtonStateMachine.h"
#include "controls/ButtonStrip.h"

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QTimer>
#include <QWidget>

// The skinned push button. Its look is one picture strip (BackPicture) holding the
// state pictures side by side (see StripRule); it tracks pointer, keys and focus,
// shows the matching state and prints an optional caption centred on top.
//
// States: 0 normal, 1 hover, 2 pressed, 3 disabled. Style 0 is a plain button, 1 a
// toggle that keeps Value, 2 (main program) a plain button with a disabled picture.
// Mouse and key signals are raised before the button acts on the input.
class iButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QPixmap BackPicture READ BackPicture WRITE setBackPicture)
    Q_PROPERTY(int cBackStyle READ cBackStyle WRITE setcBackStyle)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(int Style READ Style WRITE setStyle)
    Q_PROPERTY(bool AutoSize READ AutoSize WRITE setAutoSize)
    Q_PROPERTY(QColor cForeColor READ cForeColor WRITE setcForeColor)
    Q_PROPERTY(QFont cFont READ cFont WRITE setcFont)
    Q_PROPERTY(int cDrawMode READ cDrawMode WRITE setcDrawMode)
    Q_PROPERTY(bool Value READ Value WRITE setValue STORED false)
    Q_PROPERTY(bool Locked READ Locked WRITE setLocked STORED false)

public:
    static constexpr int LeaveTimerMs = 50;

    explicit iButton(QWidget* parent = nullptr, StripRule rule = StripRule::Launcher);

    StripRule stripRule() const { return m_rule; }
    // Recuts the strip by the other program's rule.
    void setStripRule(StripRule rule);

    QPixmap BackPicture() const { return m_backPicture; }
    void setBackPicture(const QPixmap& picture);
    // 1 opaque, 0 transparent: only the shape of the state picture is visible and
    // takes the pointer.
    int cBackStyle() const { return m_backStyle; }
    void setcBackStyle(int style);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    int Style() const { return m_machine.style(); }
    void setStyle(int style);
    bool AutoSize() const { return m_autoSize; }
    void setAutoSize(bool autoSize);
    QColor cForeColor() const { return m_foreColor; }
    void setcForeColor(const QColor& color);
    QFont cFont() const { return m_font; }
    void setcFont(const QFont& font);
    // Kept for stored layouts; nothing the button draws depends on it.
    int cDrawMode() const { return m_drawMode; }
    void setcDrawMode(int mode);
    bool Value() const { return m_machine.value(); }
    void setValue(bool value);
    bool Locked() const { return m_machine.locked(); }
    void setLocked(bool locked);

    // Shows `state` when it differs from the drawn one, or always when forced.
    void cMouseAction(int state, bool force = false);
    int drawnState() const { return m_machine.drawnState(); }

    QSize sizeHint() const override;

signals:
    void Click();
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void KeyDown(int keyCode, Qt::KeyboardModifiers shift);
    void KeyUP(int keyCode, Qt::KeyboardModifiers shift);
    void KeyPress(int keyAscii);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseOut();
    void MouseOver();
    void DBClick();
    // A persisted property changed (its stored name).
    void PropertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void rebuildPictures();
    void fitToFrame();
    void apply(const ButtonEffects& effects);
    void updateShape();
    StripPicture currentPicture() const;

    StripRule m_rule;
    ButtonStateMachine m_machine;
    ButtonStrip m_strip;
    QPixmap m_backPicture;
    QTimer m_leaveTimer;
    QString m_caption;
    QColor m_foreColor;
    QFont m_font;
    int m_backStyle = 1;
    int m_drawMode = 13;
    bool m_autoSize = true;
    bool m_sizeFixed = false;
    bool m_pointerInside = false;
    int m_maskedFrame = -1;
    QSize m_maskedSize;
};
