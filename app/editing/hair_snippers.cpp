// The snippers. Their mask is fixed (spread 0.25, peak 16) whatever the
// pressure and thickness, so a spot needs about sixteen passes to vanish.
// Only the inner points of a segment are cut: the end point is the next
// segment's start, and the start was the previous segment's end, which that
// segment left alone as well; so a drag of one pixel per move cuts nothing.
#include "app/editing/hair_pixel_access.h"
#include "app/editing/hair_pixels.h"

namespace {

constexpr double kEraseSpread = 0.25;
constexpr double kErasePeak = 16.0;

}  // namespace

void Erase(CDibAlpha& image, CPoint a, CPoint b, int size) {
  if (size < 1 || image.IsEmpty()) return;
  const int half = size / 2;
  const CPoint start(a.x - half, a.y - half);
  const CPoint end(b.x - half, b.y - half);
  const long long steps = hairpixels::StrokeSteps(start, end);
  if (steps <= 1) return;
  hairpixels::CLockedLayer layer(image);
  if (!layer) return;
  const int width = layer.Width(), height = layer.Height();
  auto fits = [&](CPoint p) { return p.x >= 0 && p.y >= 0 && p.x + size < width && p.y + size < height; };
  std::unique_ptr<double[]> mask;
  bool maskFailed = false;
  CPoint previous = start;
  hairpixels::WalkStrokeLine(start, end, [&](long long i, CPoint p) {
    const CPoint from = previous;
    previous = p;
    if (i == 0 || i == steps || maskFailed || !fits(from) || !fits(p)) return;
    if (!mask) {
      mask = CreateBrushMask(size, kEraseSpread, kErasePeak);
      if (!mask) {
        maskFailed = true;
        return;
      }
    }
    for (int r = 0; r < size; ++r) {
      unsigned char* alpha = layer.AlphaRow(p.y + r) + p.x;
      const double* weights = mask.get() + static_cast<std::size_t>(r) * size;
      for (int j = 0; j < size; ++j) alpha[j] = hairpixels::ClampByte(std::floor(alpha[j] + weights[j] + 0.5));
    }
  });
}
