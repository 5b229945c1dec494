#pragma once

// Value, Max and Min of the progress bar with their write rules: Max is at least 1 and
// above Min, Min is at least 0 and below Max, Value stays between them.
class ProgressRange {
public:
    int value() const { return m_value; }
    int max() const { return m_max; }
    int min() const { return m_min; }
    void setValue(int value);
    void setMax(int max);
    void setMin(int min);

    // Value * 100 / Max, unrounded (Min does not enter).
    double percent() const;
    // The filled part of a bar `extent` pixels long.
    int filledLength(int extent) const;

private:
    int m_value = 50;
    int m_max = 100;
    int m_min = 0;
};
