#include "tests/imagelib/reference_alpha.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "tests/imagelib/image_builders.h"

namespace reference {

unsigned char AlphaAt(CDibAlpha& layer, int x, int y) {
  unsigned char* plane = layer.LockAlpha();
  unsigned char value = plane[y * layer.Width() + x];
  layer.UnlockAlpha();
  return value;
}

void SetAlphaAt(CDibAlpha& layer, int x, int y, unsigned char value) {
  unsigned char* plane = layer.LockAlpha();
  plane[y * layer.Width() + x] = value;
  layer.UnlockAlpha();
}

namespace {

int Mapped(CDibAlpha& layer, const testimg::Pixel& p, int k) {
  if (!layer.m_pLut) return p[k];
  int index = layer.m_bGrayIndex ? (p[0] + p[1] + p[2]) / 3 : p[k];
  return layer.m_pLut->Data()[256 * k + index];
}

}  // namespace

std::unique_ptr<CDib> PutUnderRectTransform(CDibAlpha& layer, CDib& background, CPoint at, CRect area, double sine,
                                            double cosine, CSize scaledSize, CSize boxSize) {
  auto result = std::make_unique<CDib>();
  result->Create(area.Size());
  for (int y = 0; y < area.Height(); ++y)
    for (int x = 0; x < area.Width(); ++x)
      testimg::SetPixel(*result, x, y, testimg::GetPixel(background, area.left + x, area.top + y));
  CRect drawn;
  if (!drawn.IntersectRect(area, CRect(at, boxSize))) return result;

  const int w = layer.Width(), h = layer.Height();
  const double fx = static_cast<double>(w) / scaledSize.cx;
  const double fy = static_cast<double>(h) / scaledSize.cy;
  // Opacity is a percent; above 100 counts as 100.
  const int opacityTerm = (100 - std::min<int>(layer.m_nOpacity, 100)) * 255 / 100;
  const int dx = drawn.left - at.x - boxSize.cx / 2;
  const int dy = drawn.top - at.y - boxSize.cy / 2;
  double rowU = fx * (dx * cosine + dy * sine) + w / 2 + 0.5;
  double rowV = fy * (-dx * sine + dy * cosine) + h / 2 + 0.5;
  for (int y = drawn.top; y < drawn.bottom; ++y) {
    double u = rowU, v = rowV;
    for (int x = drawn.left; x < drawn.right; ++x) {
      const double n = std::trunc(u), o = std::trunc(v);
      if (n >= 0 && n < w && o >= 0 && o < h) {
        const int column = static_cast<int>(n), row = static_cast<int>(o);
        const int m = AlphaAt(layer, column, row) + opacityTerm;
        if (m < 255) {
          const testimg::Pixel s = testimg::GetPixel(layer, column, row);
          const testimg::Pixel d = testimg::GetPixel(background, x, y);
          testimg::Pixel out;
          for (int k = 0; k < 3; ++k) {
            const int mapped = Mapped(layer, s, k);
            out[k] = static_cast<unsigned char>(
                m == 0 ? mapped : mapped - static_cast<int>(m * 0.00392156862745098 * (mapped - d[k])));
          }
          testimg::SetPixel(*result, x - area.left, y - area.top, out);
        }
      }
      u += fx * cosine;
      v += -fy * sine;
    }
    rowU += fx * sine;
    rowV += fy * cosine;
  }
  return result;
}

void RegionBlur(CDibAlpha& layer, const unsigned char* mask, int width, int height, CPoint at, int sigma) {
  auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < layer.Width() && y < layer.Height(); };
  std::vector<double> in(static_cast<std::size_t>(width) * height * 3, 0.0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (inside(at.x + x, at.y + y)) {
        testimg::Pixel p = testimg::GetPixel(layer, at.x + x, at.y + y);
        for (int k = 0; k < 3; ++k) in[(static_cast<std::size_t>(y) * width + x) * 3 + k] = p[k];
      }
  const int hw = static_cast<int>(7 * sigma) / 2;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      if (!inside(at.x + x, at.y + y)) continue;
      double sums[3] = {0, 0, 0}, weights = 0;
      for (int dy = -hw; dy <= hw; ++dy)
        for (int dx = -hw; dx <= hw; ++dx) {
          if (x + dx < 0 || x + dx >= width || y + dy < 0 || y + dy >= height) continue;
          const double k = std::exp(-(dx * dx + dy * dy) / (2.0 * sigma * sigma));
          weights += k;
          for (int c = 0; c < 3; ++c) sums[c] += k * in[(static_cast<std::size_t>(y + dy) * width + x + dx) * 3 + c];
        }
      const double q = mask[y * width + x] * 0.00392156862745098;
      const testimg::Pixel v = testimg::GetPixel(layer, at.x + x, at.y + y);
      testimg::Pixel out;
      for (int c = 0; c < 3; ++c) {
        const double blurred = weights == 0 ? 0 : sums[c] / weights;
        out[c] = static_cast<unsigned char>(static_cast<int>((1 - q) * blurred + q * v[c]));
      }
      testimg::SetPixel(layer, at.x + x, at.y + y, out);
    }
}

}  // namespace reference
