// Value rules shared by the colour tables and the effects, so that a table
// built by CLut and an effect applied directly give the same bytes.
#pragma once

#include <cmath>
#include <cstdlib>

namespace pixkit {

inline unsigned char ClampToByte(long long value) {
  return static_cast<unsigned char>(value < 0 ? 0 : value > 255 ? 255 : value);
}

// Truncates toward zero, then limits to 0..255. Values far outside (or NaN)
// are limited before the conversion, which would otherwise be undefined.
inline unsigned char TruncateToByte(double value) {
  if (!(value > 0.0)) return 0;
  if (value >= 255.0) return 255;
  return static_cast<unsigned char>(value);
}

// Contrast of one value about the mean m: x < 1 pulls values towards m,
// larger x pushes them away; rounding is half up on both terms separately.
inline unsigned char ContrastValue(double value, double mean, int amount) {
  double factor = std::abs(static_cast<double>(amount)) * 0.04;
  double k = factor * factor * 0.5 + 1.0;
  double d = amount < 1 ? (value - mean) / k : (value - mean) * k;
  double result = std::floor(d + 0.5) + std::floor(mean + 0.5);
  if (!(result > 0.0)) return 0;
  return result >= 255.0 ? 255 : static_cast<unsigned char>(result);
}

}  // namespace pixkit
