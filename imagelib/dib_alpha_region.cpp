// The paint and clear brushes on a layer: a w x h region at a point, steered
// by a byte mask (0 full effect, 255 none, weight (255 - value) / 255).
// Only region pixels that fall inside the layer are touched.
//
// Paint moves a transparent pixel's colour all the way to the paint (so a
// stroke into empty space shows the paint, not the old hidden colour) and an
// opaque one by the brush's weight; its transparency drops by that weight.
// Strengths are limited to 0..1: beyond that the formulas overshoot and the
// bytes would wrap.
#include <algorithm>
#include <cmath>
#include <new>

#include "imagelib/dib_alpha.h"
#include "imagelib/dib_alpha_pixels.h"
#include "imagelib/dib_pixels.h"

using pixkit::kOneOver255;

namespace {

double LimitStrength(double strength) { return strength > 0.0 ? std::min(strength, 1.0) : 0.0; }

inline unsigned char TruncateClamped(double value) {
  return static_cast<unsigned char>(std::clamp(value, 0.0, 255.0));
}

}  // namespace

bool CDibAlpha::Region_Fill(unsigned long color, void*, double strength, unsigned char* mask, int width, int height,
                            CPoint at) {
  pixkit::LockedPixels pixels(*this);
  pixkit::LockedAlpha plane(*this);
  if (!pixels || !plane || !mask) return false;
  const double e = LimitStrength(strength);
  const int paint[3] = {static_cast<int>(color >> 16 & 0xFF), static_cast<int>(color >> 8 & 0xFF),
                        static_cast<int>(color & 0xFF)};
  CRect inside;
  if (!inside.IntersectRect(CRect(at, CSize(width, height)), CRect(0, 0, m_nWidth, m_nHeight))) return true;
  for (int y = inside.top; y < inside.bottom; ++y) {
    const unsigned char* weights = mask + static_cast<std::ptrdiff_t>(y - at.y) * width;
    unsigned char* pixel = pixels.Row(y);
    unsigned char* transparency = plane.Row(y);
    for (int x = inside.left; x < inside.right; ++x) {
      const int l = weights[x - at.x];
      const int a = transparency[x];
      if (l < 250) {
        for (int k = 0; k < 3; ++k) {
          const int v = pixel[3 * x + k];
          const double delta = paint[k] - v;
          const double m = e * (255 - l) * kOneOver255 * delta;
          pixel[3 * x + k] = TruncateClamped(v + m + (delta - m) * a * kOneOver255);
        }
      }
      transparency[x] = TruncateClamped((1 - e * (1 - l * kOneOver255)) * a + 0.5);
    }
  }
  return true;
}

bool CDibAlpha::Region_Clear(unsigned char* mask, int width, int height, CPoint at, double strength) {
  pixkit::LockedPixels pixels(*this);
  pixkit::LockedAlpha plane(*this);
  if (!pixels || !plane || !mask) return false;
  const double e = LimitStrength(strength);
  CRect inside;
  if (!inside.IntersectRect(CRect(at, CSize(width, height)), CRect(0, 0, m_nWidth, m_nHeight))) return true;
  for (int y = inside.top; y < inside.bottom; ++y) {
    const unsigned char* weights = mask + static_cast<std::ptrdiff_t>(y - at.y) * width;
    unsigned char* pixel = pixels.Row(y);
    unsigned char* transparency = plane.Row(y);
    for (int x = inside.left; x < inside.right; ++x) {
      const unsigned char t = static_cast<unsigned char>(static_cast<int>(e * (255 - weights[x - at.x])));
      if (t == 255) {
        // Fully cleared pixels are reset to mid grey, so a later paint or
        // blur does not pull in the colour that was erased.
        transparency[x] = 255;
        pixel[3 * x] = pixel[3 * x + 1] = pixel[3 * x + 2] = 128;
      } else {
        transparency[x] = static_cast<unsigned char>(std::min(transparency[x] + t, 255));
      }
    }
  }
  return true;
}

double* CDibAlpha::CreateNormalMask(int size, double spread, double height) {
  if (size < 1) return nullptr;
  auto* grid = new (std::nothrow) double[static_cast<std::size_t>(size) * size];
  if (!grid) return nullptr;
  // A one-element grid has no half to measure from (c would be 0); its one
  // element is the centre, whose weight is the height.
  if (size == 1) {
    grid[0] = height;
    return grid;
  }
  const double c = size / 2;
  for (int i = 0; i < size; ++i)
    for (int j = 0; j < size; ++j) {
      const double di = i / c - 1;
      const double dj = j / c - 1;
      grid[static_cast<std::size_t>(i) * size + j] = height * std::exp(-(di * di + dj * dj) / spread);
    }
  return grid;
}
