// Mean colours of a layer, taken only over the pixels that are part of it
// (transparency below 255): the program's reference colour for contrast and
// hue pivots and for skin sampling.
//
// When no pixel is visible there is no mean. CalcMiddleValues then reports
// 0, 0, 0 as the layer's pivots have always been; CalcMiddleColor reports
// false and leaves the colour untouched rather than invent one.
#include <cstdint>

#include "imagelib/dib_alpha.h"
#include "imagelib/dib_alpha_pixels.h"
#include "imagelib/dib_pixels.h"

namespace {

struct VisibleSums {
  std::uint64_t blue = 0, green = 0, red = 0;
  std::uint64_t count = 0;
};

VisibleSums SumVisible(const pixkit::LockedPixels& pixels, const pixkit::LockedAlpha& plane, const CRect& area) {
  VisibleSums sums;
  for (int y = area.top; y < area.bottom; ++y) {
    const unsigned char* pixel = pixels.Row(y) + 3 * area.left;
    const unsigned char* transparency = plane.Row(y) + area.left;
    for (int x = area.left; x < area.right; ++x, pixel += 3, ++transparency) {
      if (*transparency == 255) continue;
      sums.blue += pixel[0];
      sums.green += pixel[1];
      sums.red += pixel[2];
      ++sums.count;
    }
  }
  return sums;
}

}  // namespace

bool CDibAlpha::CalcMiddleValues(double* red, double* green, double* blue) {
  pixkit::LockedPixels pixels(*this);
  pixkit::LockedAlpha plane(*this);
  if (!pixels || !plane) return false;
  const VisibleSums sums = SumVisible(pixels, plane, CRect(0, 0, m_nWidth, m_nHeight));
  const double count = static_cast<double>(sums.count);
  if (red) *red = sums.count ? sums.red / count : 0.0;
  if (green) *green = sums.count ? sums.green / count : 0.0;
  if (blue) *blue = sums.count ? sums.blue / count : 0.0;
  return true;
}

bool CDibAlpha::CalcMiddleColor(CRect* rect, unsigned long* color) {
  CRect area(0, 0, m_nWidth, m_nHeight);
  if (rect && !area.IntersectRect(*rect, area)) return false;
  pixkit::LockedPixels pixels(*this);
  pixkit::LockedAlpha plane(*this);
  if (!pixels || !plane) return false;
  const VisibleSums sums = SumVisible(pixels, plane, area);
  if (sums.count == 0) return false;
  if (color)
    *color = static_cast<unsigned long>(sums.red / sums.count) |
             static_cast<unsigned long>(sums.green / sums.count) << 8 |
             static_cast<unsigned long>(sums.blue / sums.count) << 16;
  return true;
}
