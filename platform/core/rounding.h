// The two ways the program turns a double into a pixel coordinate. Pixel
// arithmetic truncates toward zero (what a C cast does); positions rounded
// for drawing or hit-testing go half away from zero, so that a shape and its
// mirror image round to mirrored pixels (-2.5 -> -3, 2.5 -> 3).
#pragma once

#include <cmath>

inline int TruncateToInt(double value) { return static_cast<int>(value); }

inline int RoundHalfAwayFromZero(double value) { return static_cast<int>(std::round(value)); }
