// Baking one layer into another: the source is rotated by an angle and
// scaled about a pivot of its own, the pivot landing on a point of this
// layer. Every destination pixel of the turned source's bounding box looks
// its source pixel up through the inverse mapping; the colours blend by the
// source's opacity and the transparency keeps the smaller (more opaque)
// value. Raw colours: neither layer's table or opacity takes part.
//
// Only the part of the bounding box that lies inside this layer is walked,
// which gives the same bytes and keeps a tiny scale from asking for an
// enormous loop. Scales that make the box undefined (zero, infinite, NaN)
// merge nothing.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <memory>

#include "imagelib/dib_alpha.h"
#include "imagelib/dib_alpha_pixels.h"
#include "imagelib/dib_pixels.h"

using pixkit::kOneOver255;
using pixkit::LockedAlpha;
using pixkit::LockedPixels;

namespace {

// Keeps a floored coordinate inside a range where integer arithmetic on it
// cannot overflow; anything beyond lies far outside every layer anyway.
std::int64_t FloorToIndex(double value) {
  constexpr double kLimit = 1e12;
  return static_cast<std::int64_t>(std::floor(std::clamp(value, -kLimit, kLimit)));
}

}  // namespace

bool CDibAlpha::MergeTransformed(CDibAlpha* source, CPoint at, double angle, double scaleX, double scaleY,
                                 CPoint pivot) {
  if (!source || source->IsEmpty() || !source->m_hAlpha || IsEmpty() || !m_hAlpha) return true;
  std::unique_ptr<CDibAlpha> copy;
  if (source == this) source = (copy = std::make_unique<CDibAlpha>(*this)).get();

  const double cosine = std::cos(angle);
  const double sine = std::sin(angle);
  const int sourceWidth = source->Width();
  const int sourceHeight = source->Height();
  const CPoint corners[4] = {{0, 0}, {sourceWidth, 0}, {sourceWidth, sourceHeight}, {0, sourceHeight}};
  double minX = 0, maxX = 0, minY = 0, maxY = 0;
  for (int k = 0; k < 4; ++k) {
    const double dx = corners[k].x - pivot.x;
    const double dy = corners[k].y - pivot.y;
    const double x = std::floor(dx * cosine / scaleX + dy * sine / scaleY + pivot.x + 0.5);
    const double y = std::floor(dy * cosine / scaleY - dx * sine / scaleX + pivot.y + 0.5);
    if (!std::isfinite(x) || !std::isfinite(y)) return true;
    minX = k ? std::min(minX, x) : x;
    maxX = k ? std::max(maxX, x) : x;
    minY = k ? std::min(minY, y) : y;
    maxY = k ? std::max(maxY, y) : y;
  }
  const std::int64_t boxLeft = FloorToIndex(minX), boxRight = FloorToIndex(maxX);
  const std::int64_t boxTop = FloorToIndex(minY), boxBottom = FloorToIndex(maxY);

  // Destination (Xd, Yd) of box offset (j, i) is (originX + j, originY + i).
  const std::int64_t originX = std::int64_t{at.x} + boxLeft - pivot.x;
  const std::int64_t originY = std::int64_t{at.y} + boxTop - pivot.y;
  const std::int64_t firstI = std::max<std::int64_t>(0, -originY);
  const std::int64_t endI = std::min<std::int64_t>(boxBottom - boxTop, m_nHeight - originY);
  const std::int64_t firstJ = std::max<std::int64_t>(0, -originX);
  const std::int64_t endJ = std::min<std::int64_t>(boxRight - boxLeft, m_nWidth - originX);

  LockedPixels fromPixels(*source);
  LockedAlpha fromPlane(*source);
  LockedPixels toPixels(*this);
  LockedAlpha toPlane(*this);
  for (std::int64_t i = firstI; i < endI; ++i) {
    const int yd = static_cast<int>(originY + i);
    const double ey = static_cast<double>(boxTop - pivot.y + i);
    unsigned char* ownPixel = toPixels.Row(yd);
    unsigned char* ownTransparency = toPlane.Row(yd);
    for (std::int64_t j = firstJ; j < endJ; ++j) {
      const double ex = static_cast<double>(boxLeft - pivot.x + j);
      const double q = std::floor(scaleX * (ex * cosine - ey * sine + 0.5) + pivot.x);
      const double r = std::floor(scaleY * (ey * cosine + ex * sine + 0.5) + pivot.y);
      if (!(q >= 0 && q < sourceWidth && r >= 0 && r < sourceHeight)) continue;
      const int column = static_cast<int>(q);
      const int row = static_cast<int>(r);
      const int xd = static_cast<int>(originX + j);

      const unsigned char b = fromPlane.Row(row)[column];
      ownTransparency[xd] = std::min(ownTransparency[xd], b);
      const double z = (255 - b) * kOneOver255;
      const unsigned char* src = fromPixels.Row(row) + 3 * column;
      unsigned char* own = ownPixel + 3 * xd;
      for (int k = 0; k < 3; ++k)
        own[k] = static_cast<unsigned char>(std::min((1 - z) * own[k] + z * src[k], 255.0));
    }
  }
  return true;
}
