#pragma once

#include <cmath>

// Nearest integer with halves going to the even neighbour (2.5 -> 2, 3.5 -> 4), the
// rounding every division in the tab workspace uses.
inline int RoundHalfEven(double value)
{
    const double down = std::floor(value);
    const double fraction = value - down;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(down, 2.0) != 0.0))
        return int(down) + 1;
    return int(down);
}
