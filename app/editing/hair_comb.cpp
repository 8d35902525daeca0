// The comb. Each Bresenham step blends the square at the step's start over
// the square one pixel on, walking rows and columns away from the direction
// of motion first: the source pixel under each destination has then already
// taken its own share, so colour is carried along the stroke like a smear
// instead of being copied once. Keep that order; it is the look of the tool.
#include "app/editing/hair_pixel_access.h"
#include "app/editing/hair_pixels.h"

namespace {

using hairpixels::CLockedLayer;
using hairpixels::ClampByte;

// Whether the S x S square at top-left p lies inside the image, leaving the
// last row and column free as the tool always has.
bool SquareFits(CPoint p, int size, int width, int height) {
  return p.x >= 0 && p.y >= 0 && p.x + size < width && p.y + size < height;
}

void SmudgeStep(const CLockedLayer& layer, CPoint from, CPoint to, int size, const double* mask) {
  const bool rowsUp = to.y < from.y;
  const bool columnsBack = to.x < from.x;
  for (int n = 0; n < size; ++n) {
    const int r = rowsUp ? size - 1 - n : n;
    unsigned char* dst = layer.ColourRow(to.y + r) + 3 * to.x;
    const unsigned char* src = layer.ColourRow(from.y + r) + 3 * from.x;
    unsigned char* dstAlpha = layer.AlphaRow(to.y + r) + to.x;
    const unsigned char* srcAlpha = layer.AlphaRow(from.y + r) + from.x;
    const double* weights = mask + static_cast<std::size_t>(r) * size;
    for (int c = 0; c < size; ++c) {
      const int j = columnsBack ? size - 1 - c : c;
      const double m = weights[j];
      const double keep = 1 - m;
      for (int k = 0; k < 3; ++k) dst[3 * j + k] = ClampByte(dst[3 * j + k] * keep + src[3 * j + k] * m + 0.5);
      dstAlpha[j] = ClampByte(dstAlpha[j] * keep + srcAlpha[j] * m + 0.5);
    }
  }
}

}  // namespace

void Smudge(CDibAlpha& image, CPoint a, CPoint b, int size, double spread, double peak) {
  if (size < 1 || image.IsEmpty()) return;
  CLockedLayer layer(image);
  if (!layer) return;
  const int half = size / 2;
  const CPoint start(a.x - half, a.y - half);
  const CPoint end(b.x - half, b.y - half);
  std::unique_ptr<double[]> mask;
  bool maskFailed = false;
  CPoint previous = start;
  hairpixels::WalkStrokeLine(start, end, [&](long long i, CPoint p) {
    const CPoint from = previous;
    previous = p;
    if (i == 0 || maskFailed) return;
    if (!SquareFits(from, size, layer.Width(), layer.Height()) || !SquareFits(p, size, layer.Width(), layer.Height()))
      return;
    if (!mask) {
      mask = CreateBrushMask(size, spread, peak);
      if (!mask) {
        maskFailed = true;
        return;
      }
    }
    SmudgeStep(layer, from, p, size, mask.get());
  });
}
