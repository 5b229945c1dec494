#pragma once

#include "controls/WindowDrag.h"

#include <QColor>
#include <QPixmap>
#include <QPointer>
#include <QString>
#include <QWidget>

// The skinned title bar: painted from the frame skin picture (PP), with the caption
// at (120, 100) twips; a left press on it drags the host window. Printform paints the
// matching window border on the host form. The bar is always 500 twips high.
class BForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QPixmap PP READ PP WRITE setPP STORED false)

public:
    static constexpr int HeightTwips = 500;

    explicit BForm(QWidget* parent = nullptr);

    // The back colour as the decimal text of its 0xBBGGRR value; text that is not
    // such a value is ignored.
    QString BackColor() const;
    void setBackColor(const QString& text);
    QString Caption() const { return m_caption; }
    void setCaption(const QString& caption);
    // Shows the right end without the minimise button from now on.
    void Nomin();
    // Paints the window border on `form` from now on, following its size.
    void Printform(QWidget* form);
    // The window dragged by the title bar; the bar's own window when none is set.
    QWidget* frmHwnd() const;
    void setfrmHwnd(QWidget* window);
    // The frame skin picture; the caller finds the file.
    QPixmap PP() const { return m_pp; }
    void setPP(const QPixmap& picture);

    static QColor ColourFromText(const QString& text, bool* ok = nullptr);

signals:
    void DblClick();
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    void MouseMove(Qt::MouseButtons button, Qt::KeyboardModifiers shift, int x, int y);
    // Declared for hosts; the bar has no minimise button of its own to raise it.
    void MinClick();
    // A persisted property changed (its stored name).
    void PropertyChanged(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPixmap m_pp;
    QString m_caption;
    QColor m_backColour;
    bool m_nomin = false;
    QPointer<QWidget> m_host;
    QPointer<QWidget> m_printedForm;
    WindowDrag m_drag;
};
