// Shared by the hair tools' pixel files: a scoped lock on a layer image's
// colour rows and transparency plane, the byte rule and the Bresenham walk.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>

#include "imagelib/dib_alpha.h"

namespace hairpixels {

// Both planes of a layer image locked for a scope; false when either is
// missing.
class CLockedLayer {
 public:
  explicit CLockedLayer(CDibAlpha& image)
      : m_image(image), m_bits(image.LockBits()), m_plane(image.LockAlpha()) {}
  ~CLockedLayer() {
    if (m_bits) m_image.UnlockBits();
    if (m_plane) m_image.UnlockAlpha();
  }
  CLockedLayer(const CLockedLayer&) = delete;
  CLockedLayer& operator=(const CLockedLayer&) = delete;

  explicit operator bool() const { return m_bits && m_plane; }
  int Width() const { return m_image.Width(); }
  int Height() const { return m_image.Height(); }
  // Colour row y (top-down); colour rows are stored bottom row first.
  unsigned char* ColourRow(int y) const {
    return m_bits + static_cast<std::ptrdiff_t>(m_image.Height() - 1 - y) * m_image.RowLength();
  }
  unsigned char* AlphaRow(int y) const { return m_plane + static_cast<std::ptrdiff_t>(y) * m_image.Width(); }

 private:
  CDibAlpha& m_image;
  unsigned char* m_bits;
  unsigned char* m_plane;
};

// clamp(trunc(v)) to a byte; NaN (a mask of a degenerate spread) gives 0
// rather than an undefined conversion.
inline unsigned char ClampByte(double v) {
  if (!(v > 0)) return 0;
  if (v >= 255) return 255;
  return static_cast<unsigned char>(v);
}

// The dab's rule for one pixel: each channel moves toward `target` (blue,
// green, red) by the weight, fully where the pixel is transparent; the
// transparency then drops by the weight.
inline void PaintPixel(unsigned char* bgr, unsigned char* alpha, double m, const double target[3]) {
  const double t = *alpha;
  for (int k = 0; k < 3; ++k) {
    const double v = bgr[k];
    const double d = target[k] - v;
    bgr[k] = ClampByte(v + (d - d * m) * t / 255 + d * m);
  }
  *alpha = ClampByte((1 - m) * t);
}

inline void SplitColour(COLORREF colour, double target[3]) {
  target[0] = static_cast<double>((colour >> 16) & 0xFF);  // blue
  target[1] = static_cast<double>((colour >> 8) & 0xFF);   // green
  target[2] = static_cast<double>(colour & 0xFF);          // red
}

// Steps of the Bresenham line a -> b: max(|dx|, |dy|).
inline long long StrokeSteps(CPoint a, CPoint b) {
  return std::max(std::llabs(static_cast<long long>(b.x) - a.x), std::llabs(static_cast<long long>(b.y) - a.y));
}

// Calls visit(i, p_i) for i = 0 .. n. The major axis advances every step,
// the minor one while the running error is above 0.
template <class Visit>
void WalkStrokeLine(CPoint a, CPoint b, Visit visit) {
  const long long dx = std::llabs(static_cast<long long>(b.x) - a.x);
  const long long dy = std::llabs(static_cast<long long>(b.y) - a.y);
  const int stepX = b.x < a.x ? -1 : 1;
  const int stepY = b.y < a.y ? -1 : 1;
  const bool xMajor = dx >= dy;
  const long long major = xMajor ? dx : dy;
  const long long minor = xMajor ? dy : dx;
  long long error = 2 * minor - major;
  CPoint p = a;
  visit(0LL, p);
  for (long long i = 1; i <= major; ++i) {
    const bool minorMove = error > 0;
    if (xMajor) {
      p.x += stepX;
      if (minorMove) p.y += stepY;
    } else {
      p.y += stepY;
      if (minorMove) p.x += stepX;
    }
    error += minorMove ? 2 * (minor - major) : 2 * minor;
    visit(i, p);
  }
}

}  // namespace hairpixels
