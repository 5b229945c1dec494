#include "controls/ProgressBar.h"

#include "controls/Gradients.h"
#include "controls/ProgressText.h"
#include "controls/ProgressTheme.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor DisabledText(150, 150, 150);

// Paints the four bands of palette entries first .. first + 7 across the thickness of
// `area`, which runs along `orientation`.
void PaintBands(QPainter& painter, const QRectF& area, const ProgressPalette& palette, int first,
    Qt::Orientation orientation)
{
    for (int k = 0; k < ProgressBandCount; ++k) {
        const double from = ProgressBandEdges[k];
        const double to = ProgressBandEdges[k + 1];
        QRectF band;
        if (orientation == Qt::Horizontal) {
            band = QRectF(area.left(), area.top() + area.height() * from, area.width(), area.height() * (to - from));
            GradientTwoColour(painter, band, palette[first + 2 * k], palette[first + 2 * k + 1], Qt::Vertical);
        } else {
            band = QRectF(area.left() + area.width() * from, area.top(), area.width() * (to - from), area.height());
            GradientTwoColour(painter, band, palette[first + 2 * k], palette[first + 2 * k + 1], Qt::Horizontal);
        }
    }
}

}

ProgressBar::ProgressBar(QWidget* parent)
    : QWidget(parent)
    , m_textFont(font())
{
}

void ProgressBar::changed(const char* name)
{
    update();
    emit PropertyChanged(QString::fromLatin1(name));
}

void ProgressBar::setValue(int value)
{
    m_range.setValue(value);
    changed("Value");
}

void ProgressBar::setMax(int max)
{
    m_range.setMax(max);
    changed("Max");
}

void ProgressBar::setMin(int min)
{
    m_range.setMin(min);
    changed("Min");
}

void ProgressBar::setRoundedValue(int diameter)
{
    m_rounded = diameter;
    changed("RoundedValue");
}

void ProgressBar::setTheme(int theme)
{
    m_theme = theme;
    changed("Theme");
}

void ProgressBar::setTextStyle(int style)
{
    m_textStyle = style;
    changed("TextStyle");
}

void ProgressBar::setOrientations(int orientation)
{
    m_orientation = orientation;
    changed("Orientations");
}

void ProgressBar::setTextAlignment(int alignment)
{
    m_textAlignment = alignment;
    changed("TextAlignment");
}

void ProgressBar::setText(const QString& text)
{
    m_text = text;
    changed("Text");
}

void ProgressBar::setTextEffectColor(const QColor& color)
{
    m_effectColor = color;
    changed("TextEffectColor");
}

void ProgressBar::setTextEffect(int effect)
{
    m_textEffect = effect;
    changed("TextEffect");
}

void ProgressBar::setTextForeColor(const QColor& color)
{
    m_foreColor = color;
    changed("TextForeColor");
}

void ProgressBar::setTextFont(const QFont& font)
{
    m_textFont = font;
    changed("TextFont");
}

void ProgressBar::setPBSCustomeColor1(const QColor& color)
{
    m_custom1 = color;
    changed("PBSCustomeColor1");
}

void ProgressBar::setPBSCustomeColor2(const QColor& color)
{
    m_custom2 = color;
    changed("PBSCustomeColor2");
}

QString ProgressBar::shownText() const
{
    return ProgressText(m_textStyle, m_range, m_text);
}

QSize ProgressBar::sizeHint() const
{
    return m_orientation == 2 ? QSize(22, 160) : QSize(200, 22);
}

void ProgressBar::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::EnabledChange)
        changed("Enabled");
    QWidget::changeEvent(event);
}

void ProgressBar::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF whole(rect());
    const qreal radius = m_rounded / 2.0;
    QPainterPath outline;
    outline.addRoundedRect(whole, radius, radius);
    painter.setClipPath(outline);

    ProgressPalette palette = ProgressThemePalette(m_theme, m_custom1, m_custom2);
    if (!isEnabled())
        palette = DisabledPalette(palette);
    const bool vertical = m_orientation == 2;
    const Qt::Orientation along = vertical ? Qt::Vertical : Qt::Horizontal;

    PaintBands(painter, whole, palette, 0, along);
    const int filled = m_range.filledLength(vertical ? height() : width());
    if (filled > 0) {
        const QRectF part = vertical ? QRectF(0, height() - filled, width(), filled) : QRectF(0, 0, filled, height());
        painter.save();
        painter.setClipRect(part, Qt::IntersectClip);
        PaintBands(painter, whole, palette, 8, along);
        painter.restore();
        painter.setPen(QPen(palette[16], 1));
        if (vertical)
            painter.drawLine(QPointF(0, part.top() + 0.5), QPointF(width(), part.top() + 0.5));
        else
            painter.drawLine(QPointF(part.right() - 0.5, 0), QPointF(part.right() - 0.5, height()));
    }
    painter.setClipping(false);
    painter.setPen(QPen(palette[4].darker(112), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath([&] {
        QPainterPath border;
        border.addRoundedRect(whole.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
        return border;
    }());

    const QString text = shownText();
    if (text.isEmpty())
        return;
    const QFontMetrics metrics(m_textFont);
    const QPoint at = ProgressTextPosition(m_textAlignment, size(), QSize(metrics.horizontalAdvance(text), metrics.height()));
    const int baseline = at.y() + metrics.ascent();
    painter.setFont(m_textFont);
    if (isEnabled()) {
        painter.setPen(m_effectColor);
        for (const QPoint& offset : ProgressTextEffectOffsets(m_textEffect))
            painter.drawText(at.x() + offset.x(), baseline + offset.y(), text);
    }
    painter.setPen(isEnabled() ? m_foreColor : DisabledText);
    painter.drawText(at.x(), baseline, text);
}
