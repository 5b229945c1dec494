#include "controls/ButtonStrip.h"

#include <QImage>

#include <cmath>

int StripFrameCount(int style, StripRule rule)
{
    if (style == 0)
        return 3;
    if (rule == StripRule::Browser || style == 1)
        return 6;
    if (style == 2)
        return 4;
    return 3;
}

StripPicture PictureForState(int state, bool value, int style, bool locked, int frameCount)
{
    const int shown = locked ? 2 : state;
    const int offset = value ? style * 3 : 0;
    if (shown == 3 && frameCount != 4)
        return { offset, true };
    const int frame = shown + offset;
    if (frame < 0 || frame >= frameCount)
        return {};
    return { frame, false };
}

ButtonStrip::ButtonStrip(const QPixmap& strip, int frameCount)
{
    if (strip.isNull() || frameCount <= 0)
        return;
    m_frameSize = QSize(strip.width() / frameCount, strip.height());
    if (m_frameSize.isEmpty())
        return;
    const QImage image = strip.toImage();
    for (int i = 0; i < frameCount; ++i) {
        const QImage cut = image.copy(i * m_frameSize.width(), 0, m_frameSize.width(), m_frameSize.height());
        m_frames.append(QPixmap::fromImage(cut));
        QImage shape = cut.hasAlphaChannel()
            ? cut.createAlphaMask(Qt::ThresholdAlphaDither)
            : cut.createMaskFromColor(qRgb(255, 0, 255), Qt::MaskOutColor);
        m_shapes.append(QBitmap::fromImage(shape));
    }
}

QPixmap ButtonStrip::frame(int index) const
{
    return index >= 0 && index < m_frames.size() ? m_frames.at(index) : QPixmap();
}

QBitmap ButtonStrip::shape(int index) const
{
    return index >= 0 && index < m_shapes.size() ? m_shapes.at(index) : QBitmap();
}

QPoint CaptionOrigin(QSize box, QSize text, int state)
{
    const int shift = state == 2 ? 1 : 0;
    return QPoint(int(std::lround((box.width() - text.width()) / 2.0)) + shift,
        int(std::lround((box.height() - text.height()) / 2.0)) + shift);
}
