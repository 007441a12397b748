#pragma once
#include <cmath>

// Whole number nearest to x, exact halves to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
inline long long roundHalfEven(double x)
{
    return static_cast<long long>(std::nearbyint(x)); // default rounding mode is to-nearest-even
}
