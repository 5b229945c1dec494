#include "controls/ProgressRange.h"

#include <algorithm>

void ProgressRange::setValue(int value)
{
    m_value = std::clamp(value, m_min, m_max);
}

void ProgressRange::setMax(int max)
{
    if (max < 1)
        max = 1;
    if (max <= m_min)
        max = m_min + 1;
    m_max = max;
    if (m_value > m_max)
        m_value = m_max;
}

void ProgressRange::setMin(int min)
{
    if (min >= m_max)
        min = m_max - 1;
    if (min < 0)
        min = 0;
    m_min = min;
    if (m_value < m_min)
        m_value = m_min;
}

double ProgressRange::percent() const
{
    return double(m_value) * 100.0 / double(m_max);
}

int ProgressRange::filledLength(int extent) const
{
    return int(double(extent) * percent() / 100.0);
}
