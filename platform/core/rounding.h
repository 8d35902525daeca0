// The two ways the program turns a double into a pixel coordinate. Pixel
// arithmetic truncates toward zero (what a C cast does); positions rounded
// for drawing or hit-testing go half away from zero, so that a shape and its
// mirror image round to mirrored pixels (-2.5 -> -3, 2.5 -> 3).
//
// Both saturate: a value beyond the int range gives INT_MIN or INT_MAX and NaN
// gives 0. A bare cast of such a value is undefined behaviour, and degenerate
// geometry (a frame of zero width divides by zero) does produce them.
#pragma once

#include <climits>
#include <cmath>

namespace rounding_detail {
// Cuts toward zero like a cast, but defined for every double.
inline int SaturateToInt(double whole) {
  if (std::isnan(whole)) return 0;
  if (whole >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (whole <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(whole);
}
}  // namespace rounding_detail

inline int TruncateToInt(double value) { return rounding_detail::SaturateToInt(value); }

inline int RoundHalfAwayFromZero(double value) {
  return rounding_detail::SaturateToInt(std::round(value));
}
