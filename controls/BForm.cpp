#include "controls/BForm.h"

#include "controls/FrameSkin.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

constexpr int DefaultBackColor = 14346732;
const QPoint CaptionAtTwips(120, 100);

}

BForm::BForm(QWidget* parent)
    : QWidget(parent)
    , m_caption(QStringLiteral("NewForm"))
    , m_backColour(ColourFromText(QString::number(DefaultBackColor)))
{
    setFixedHeight(FrameSkin::Px(HeightTwips));
    setCursor(Qt::ArrowCursor);
}

QColor BForm::ColourFromText(const QString& text, bool* ok)
{
    bool number = false;
    const qlonglong value = text.trimmed().toLongLong(&number);
    const bool valid = number && value >= 0 && value <= 0xFFFFFF;
    if (ok)
        *ok = valid;
    if (!valid)
        return QColor();
    return QColor(int(value & 0xFF), int((value >> 8) & 0xFF), int((value >> 16) & 0xFF));
}

QString BForm::BackColor() const
{
    return QString::number(m_backColour.red() | (m_backColour.green() << 8) | (m_backColour.blue() << 16));
}

void BForm::setBackColor(const QString& text)
{
    bool ok = false;
    const QColor colour = ColourFromText(text, &ok);
    if (!ok)
        return;
    m_backColour = colour;
    update();
    emit PropertyChanged(QStringLiteral("BackColor"));
}

void BForm::setCaption(const QString& caption)
{
    m_caption = caption;
    update();
    emit PropertyChanged(QStringLiteral("Caption"));
}

void BForm::Nomin()
{
    m_nomin = true;
    update();
}

void BForm::Printform(QWidget* form)
{
    if (form != m_printedForm) {
        if (m_printedForm)
            m_printedForm->removeEventFilter(this);
        m_printedForm = form;
        if (form)
            form->installEventFilter(this);
    }
    if (form)
        form->update();
}

QWidget* BForm::frmHwnd() const
{
    return m_host ? m_host.data() : window();
}

void BForm::setfrmHwnd(QWidget* window)
{
    m_host = window;
}

void BForm::setPP(const QPixmap& picture)
{
    m_pp = picture;
    update();
    if (m_printedForm)
        m_printedForm->update();
}

void BForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_backColour);
    FrameSkin::Paint(painter, m_pp, FrameSkin::TitlePieces(m_pp.size(), width(), m_nomin));
    const QPoint at(FrameSkin::Px(CaptionAtTwips.x()), FrameSkin::Px(CaptionAtTwips.y()));
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(QRect(at, size()), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, m_caption);
}

bool BForm::eventFilter(QObject* watched, QEvent* event)
{
    // The border goes under whatever the form paints itself.
    if (watched == m_printedForm && event->type() == QEvent::Paint) {
        QPainter painter(m_printedForm);
        FrameSkin::Paint(painter, m_pp, FrameSkin::BorderPieces(m_pp.size(), m_printedForm->size()));
    }
    return false;
}

void BForm::mousePressEvent(QMouseEvent* event)
{
    QWidget* host = frmHwnd();
    if (event->button() == Qt::LeftButton && host)
        m_drag.press(host, event->globalPosition().toPoint());
    emit MouseDown(event->button(), event->modifiers(), event->position().toPoint().x(), event->position().toPoint().y());
}

void BForm::mouseMoveEvent(QMouseEvent* event)
{
    QWidget* host = frmHwnd();
    if (host && (event->buttons() & Qt::LeftButton))
        m_drag.follow(host, event->globalPosition().toPoint());
    emit MouseMove(event->buttons(), event->modifiers(), event->position().toPoint().x(), event->position().toPoint().y());
}

void BForm::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        m_drag.release();
}

void BForm::mouseDoubleClickEvent(QMouseEvent*)
{
    emit DblClick();
}
