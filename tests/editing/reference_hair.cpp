#include "tests/editing/reference_hair.h"

#include <cmath>
#include <cstdlib>

namespace reference {
namespace {

unsigned char& Channel(CDibAlpha& image, int x, int y, int k) {
  unsigned char* bits = image.LockBits();
  image.UnlockBits();
  return bits[static_cast<std::size_t>(image.Height() - 1 - y) * image.RowLength() + 3 * x + k];
}

unsigned char& Transparency(CDibAlpha& image, int x, int y) {
  unsigned char* plane = image.LockAlpha();
  image.UnlockAlpha();
  return plane[static_cast<std::size_t>(y) * image.Width() + x];
}

unsigned char Clamp(double v) { return v < 0 ? 0 : v > 255 ? 255 : static_cast<unsigned char>(v); }

bool Contained(CPoint p, int size, const CDibAlpha& image) {
  return p.x >= 0 && p.y >= 0 && p.x + size < image.Width() && p.y + size < image.Height();
}

// The dab's rule for one pixel.
void PaintPixel(CDibAlpha& image, int x, int y, double m, COLORREF colour) {
  const double target[3] = {static_cast<double>((colour >> 16) & 0xFF), static_cast<double>((colour >> 8) & 0xFF),
                            static_cast<double>(colour & 0xFF)};
  const double t = Transparency(image, x, y);
  for (int k = 0; k < 3; ++k) {
    const double v = Channel(image, x, y, k);
    const double d = target[k] - v;
    Channel(image, x, y, k) = Clamp(std::trunc(v + (d - d * m) * t / 255 + d * m));
  }
  Transparency(image, x, y) = Clamp(std::trunc((1 - m) * t));
}

}  // namespace

std::vector<CPoint> StrokeLine(CPoint a, CPoint b) {
  const int dx = std::abs(b.x - a.x), dy = std::abs(b.y - a.y);
  const int sx = b.x < a.x ? -1 : 1, sy = b.y < a.y ? -1 : 1;
  const int dmajor = std::max(dx, dy), dminor = std::min(dx, dy);
  std::vector<CPoint> points{a};
  CPoint p = a;
  int error = 2 * dminor - dmajor;
  for (int i = 0; i < dmajor; ++i) {
    const bool minor = error > 0;
    if (dx >= dy) {
      p.x += sx;
      if (minor) p.y += sy;
    } else {
      p.y += sy;
      if (minor) p.x += sx;
    }
    error += minor ? 2 * (dminor - dmajor) : 2 * dminor;
    points.push_back(p);
  }
  return points;
}

std::vector<double> Mask(int size, double spread, double peak) {
  std::vector<double> m(static_cast<std::size_t>(size) * size);
  const double h = size / 2;
  for (int r = 0; r < size; ++r)
    for (int j = 0; j < size; ++j)
      m[r * size + j] = peak * std::exp(-((r / h - 1) * (r / h - 1) + (j / h - 1) * (j / h - 1)) / spread);
  return m;
}

void PaintDab(CDibAlpha& image, int x, int y, int size, const std::vector<double>& mask, COLORREF colour) {
  for (int r = 0; r < size; ++r)
    for (int j = 0; j < size; ++j) {
      const int px = x - size / 2 + j, py = y - size / 2 + r;
      if (px >= 0 && py >= 0 && px < image.Width() && py < image.Height())
        PaintPixel(image, px, py, mask[r * size + j], colour);
    }
}

void Smudge(CDibAlpha& image, CPoint a, CPoint b, int size, double spread, double peak) {
  const std::vector<double> m = Mask(size, spread, peak);
  const std::vector<CPoint> p = StrokeLine(a - CSize(size / 2, size / 2), b - CSize(size / 2, size / 2));
  for (std::size_t i = 0; i + 1 < p.size(); ++i) {
    const CPoint A = p[i], B = p[i + 1];
    if (!Contained(A, size, image) || !Contained(B, size, image)) continue;
    for (int rn = 0; rn < size; ++rn) {
      const int r = B.y < A.y ? size - 1 - rn : rn;
      for (int jn = 0; jn < size; ++jn) {
        const int j = B.x < A.x ? size - 1 - jn : jn;
        const double w = m[r * size + j];
        for (int k = 0; k < 3; ++k) {
          const double dst = Channel(image, B.x + j, B.y + r, k);
          const double src = Channel(image, A.x + j, A.y + r, k);
          Channel(image, B.x + j, B.y + r, k) = Clamp(std::trunc(dst * (1 - w) + src * w + 0.5));
        }
        const double dst = Transparency(image, B.x + j, B.y + r);
        const double src = Transparency(image, A.x + j, A.y + r);
        Transparency(image, B.x + j, B.y + r) = Clamp(std::trunc(dst * (1 - w) + src * w + 0.5));
      }
    }
  }
}

void Erase(CDibAlpha& image, CPoint a, CPoint b, int size) {
  const std::vector<double> m = Mask(size, 0.25, 16.0);
  const std::vector<CPoint> p = StrokeLine(a - CSize(size / 2, size / 2), b - CSize(size / 2, size / 2));
  const int n = static_cast<int>(p.size()) - 1;
  for (int i = 0; i <= n - 2; ++i) {
    if (!Contained(p[i], size, image) || !Contained(p[i + 1], size, image)) continue;
    for (int r = 0; r < size; ++r)
      for (int j = 0; j < size; ++j) {
        unsigned char& t = Transparency(image, p[i + 1].x + j, p[i + 1].y + r);
        t = Clamp(std::floor(t + m[r * size + j] + 0.5));
      }
  }
}

void PaintLine(CDibAlpha& image, CPoint a, CPoint b, int size, double spread, double peak, COLORREF colour) {
  const std::vector<double> m = Mask(size, spread, peak);
  const std::vector<CPoint> p = StrokeLine(a, b);
  for (std::size_t i = 0; i + 1 < p.size(); ++i) PaintDab(image, p[i].x, p[i].y, size, m, colour);
}

void SprayBurst(CDibAlpha& image, int x, int y, int size, double spread, double peak, COLORREF colour,
                double density, CStrokeRandom& random) {
  const std::vector<double> m = Mask(size, spread / 3, peak);
  const int count = static_cast<int>(size * size * density);
  for (int n = 0; n < count; ++n) {
    const int r = static_cast<int>(random.Next() % size);
    const int j = static_cast<int>(random.Next() % size);
    const double distance = std::sqrt((r - size / 2.0) * (r - size / 2.0) + (j - size / 2.0) * (j - size / 2.0));
    const int px = x - size / 2 + j, py = y - size / 2 + r;
    if (distance <= size / 2.0 && px >= 0 && py >= 0 && px < image.Width() && py < image.Height())
      PaintPixel(image, px, py, m[r * size + j], colour);
  }
}

}  // namespace reference
