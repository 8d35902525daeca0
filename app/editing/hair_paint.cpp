// The brush and the spray: both paint the colour through the dab's rule,
// which takes a transparent pixel fully to the colour (becoming opaque by the
// weight) and mixes an opaque one toward it by the weight. They clip pixel
// by pixel at the image border, unlike the comb and the snippers.
#include <cmath>

#include "app/editing/hair_pixel_access.h"
#include "app/editing/hair_pixels.h"

namespace {

using hairpixels::CLockedLayer;

void PaintSquare(const CLockedLayer& layer, int x, int y, int size, const double* mask, const double target[3]) {
  const int left = x - size / 2;
  const int top = y - size / 2;
  // Only the part of the square inside the image; r and j index the mask.
  const int firstRow = std::max(0, -top), lastRow = std::min(size, layer.Height() - top);
  const int firstColumn = std::max(0, -left), lastColumn = std::min(size, layer.Width() - left);
  for (int r = firstRow; r < lastRow; ++r) {
    unsigned char* bgr = layer.ColourRow(top + r) + 3 * static_cast<std::ptrdiff_t>(left + firstColumn);
    unsigned char* alpha = layer.AlphaRow(top + r) + left + firstColumn;
    const double* weights = mask + static_cast<std::size_t>(r) * size;
    for (int j = firstColumn; j < lastColumn; ++j, bgr += 3, ++alpha)
      hairpixels::PaintPixel(bgr, alpha, weights[j], target);
  }
}

}  // namespace

void PaintDab(CDibAlpha& image, int x, int y, int size, const double* mask, COLORREF colour) {
  if (size < 1 || !mask || image.IsEmpty()) return;
  CLockedLayer layer(image);
  if (!layer) return;
  double target[3];
  hairpixels::SplitColour(colour, target);
  PaintSquare(layer, x, y, size, mask, target);
}

void PaintDab(CDibAlpha& image, int x, int y, int size, double spread, double peak, COLORREF colour) {
  if (size < 1 || image.IsEmpty()) return;
  std::unique_ptr<double[]> mask = CreateBrushMask(size, spread, peak);
  PaintDab(image, x, y, size, mask.get(), colour);
}

void PaintLine(CDibAlpha& image, CPoint a, CPoint b, int size, double spread, double peak, COLORREF colour) {
  const long long steps = hairpixels::StrokeSteps(a, b);
  if (size < 1 || steps == 0 || image.IsEmpty()) return;
  std::unique_ptr<double[]> mask = CreateBrushMask(size, spread, peak);
  CLockedLayer layer(image);
  if (!mask || !layer) return;
  double target[3];
  hairpixels::SplitColour(colour, target);
  hairpixels::WalkStrokeLine(a, b, [&](long long i, CPoint p) {
    if (i < steps) PaintSquare(layer, p.x, p.y, size, mask.get(), target);
  });
}

void SprayBurst(CDibAlpha& image, int x, int y, int size, double spread, double peak, COLORREF colour, double density,
                CStrokeRandom& random) {
  if (size < 1 || image.IsEmpty()) return;
  std::unique_ptr<double[]> mask = CreateBrushMask(size, spread / 3, peak);
  CLockedLayer layer(image);
  if (!mask || !layer) return;
  double target[3];
  hairpixels::SplitColour(colour, target);
  const double radius = size / 2.0;
  const int left = x - size / 2;
  const int top = y - size / 2;
  const long long samples = static_cast<long long>(static_cast<double>(size) * size * density);
  for (long long n = 0; n < samples; ++n) {
    const int r = static_cast<int>(random.Next() % static_cast<unsigned>(size));
    const int j = static_cast<int>(random.Next() % static_cast<unsigned>(size));
    const double dr = r - radius, dj = j - radius;
    if (std::sqrt(dr * dr + dj * dj) > radius) continue;
    const int px = left + j, py = top + r;
    if (px < 0 || py < 0 || px >= layer.Width() || py >= layer.Height()) continue;
    hairpixels::PaintPixel(layer.ColourRow(py) + 3 * static_cast<std::ptrdiff_t>(px), layer.AlphaRow(py) + px,
                           mask[static_cast<std::size_t>(r) * size + j], target);
  }
}
