#include "tests/imagelib/reference_ops.h"

#include <cmath>
#include <cstdlib>

namespace reference {
namespace {

// One locked image addressed pixel by pixel, by memory row.
class View {
 public:
  explicit View(CDib& image) : m_image(image), m_bits(image.LockBits()) {}
  ~View() { m_image.UnlockBits(); }
  unsigned char* At(int x, int memoryRow) const {
    return m_bits + static_cast<std::ptrdiff_t>(memoryRow) * m_image.RowLength() + 3 * x;
  }
  // Top-down addressing.
  unsigned char* Top(int x, int y) const { return At(x, m_image.Height() - 1 - y); }
  int width() const { return m_image.Width(); }
  int height() const { return m_image.Height(); }

 private:
  CDib& m_image;
  unsigned char* m_bits;
};

std::unique_ptr<CDib> NewImage(CSize size) {
  auto image = std::make_unique<CDib>();
  image->Create(size);
  return image;
}

int Clamp(int v) { return v < 0 ? 0 : v > 255 ? 255 : v; }

double ContrastOf(double v, double m, int x) {
  double k = (std::abs(x) * 0.04) * (std::abs(x) * 0.04) * 0.5 + 1;
  double d = x < 1 ? (v - m) / k : (v - m) * k;
  return Clamp(static_cast<int>(std::floor(d + 0.5) + std::floor(m + 0.5)));
}

}  // namespace

std::unique_ptr<CDib> ZoomIn(CDib& image, CSize size) {
  auto result = NewImage(size);
  View in(image), out(*result);
  double bx = static_cast<double>(image.Width()) / size.cx;
  double by = static_cast<double>(image.Height()) / size.cy;
  for (int i = 0; i < size.cy; ++i)
    for (int j = 0; j < size.cx; ++j)
      for (int c = 0; c < 3; ++c) {
        long long sum = 0, count = 0;
        for (int r = static_cast<int>(by * i); r < static_cast<int>(by * (i + 1)); ++r)
          for (int k = static_cast<int>(bx * j); k < static_cast<int>(bx * (j + 1)); ++k, ++count)
            sum += in.At(k, r)[c];
        out.At(j, i)[c] = static_cast<unsigned char>(sum / count > 255 ? 255 : sum / count);
      }
  return result;
}

std::unique_ptr<CDib> ZoomX_Out(CDib& image, int n) {
  auto result = NewImage(CSize(n, image.Height()));
  View in(image), out(*result);
  int w = image.Width();
  for (int i = 0; i < image.Height(); ++i)
    for (int j = 0; j < n; ++j) {
      double b = static_cast<double>(w - 1) / (n - 1) * j;
      int f0 = static_cast<int>(b);
      // A one-pixel source has no right neighbour; its frac is 0 anyway.
      int f1 = j == n - 1 || w == 1 ? f0 : f0 + 1;
      double frac = b - f0;
      for (int c = 0; c < 3; ++c) {
        int e = in.At(f0, i)[c], f = in.At(f1, i)[c];
        out.At(j, i)[c] = static_cast<unsigned char>(Clamp(static_cast<int>(e + (f - e) * frac)));
      }
    }
  return result;
}

std::unique_ptr<CDib> ZoomY_Out(CDib& image, int n) {
  auto result = NewImage(CSize(image.Width(), n));
  View in(image), out(*result);
  int h = image.Height();
  for (int i = 0; i < n; ++i) {
    double b = static_cast<double>(h - 1) / (n - 1) * i;
    int f0 = static_cast<int>(b);
    int f1 = i == n - 1 || h == 1 ? f0 : f0 + 1;
    double frac = b - f0;
    for (int j = 0; j < image.Width(); ++j)
      for (int c = 0; c < 3; ++c) {
        int e = in.At(j, f0)[c], f = in.At(j, f1)[c];
        out.At(j, i)[c] = static_cast<unsigned char>(Clamp(static_cast<int>(e + (f - e) * frac)));
      }
  }
  return result;
}

std::unique_ptr<CDib> Rotate(CDib& image, int degrees, unsigned long background) {
  auto result = std::make_unique<CDib>();
  result->Create(image.GetSize(), background);
  View in(image), out(*result);
  double a = degrees * 0.017453292519943295;
  double co = std::cos(a), si = std::sin(a);
  int cx = image.Width() / 2, cy = image.Height() / 2;
  for (int j = 0; j < image.Height(); ++j)
    for (int i = 0; i < image.Width(); ++i) {
      double dx = i - cx, dy = j - cy;
      double u = si * dx + co * dy;
      double w = co * dx - si * dy;
      int v = static_cast<int>(u), k = static_cast<int>(w);
      if (std::abs(k) < cx && std::abs(v) < cy)
        for (int c = 0; c < 3; ++c) out.At(i, j)[c] = in.At(cx + k, cy + v)[c];
    }
  return result;
}

void PasteTransform(CDib& target, CDib& source, CPoint p, CSize s) {
  CRect d;
  if (!d.IntersectRect(CRect(p.x, p.y, p.x + s.cx, p.y + s.cy), CRect(0, 0, target.Width(), target.Height())))
    return;
  View in(source), out(target);
  double fx = static_cast<double>(source.Width()) / s.cx;
  double fy = static_cast<double>(source.Height()) / s.cy;
  double v = (d.top - p.y - s.cy / 2) * fy + source.Height() / 2 + 0.5;
  for (int y = d.top; y < d.bottom; ++y, v += fy) {
    double u = (d.left - p.x - s.cx / 2) * fx + source.Width() / 2 + 0.5;
    for (int x = d.left; x < d.right; ++x, u += fx) {
      int sx = static_cast<int>(u), sy = static_cast<int>(v);
      if (u > -1 && v > -1 && sx < source.Width() && sy < source.Height())
        for (int c = 0; c < 3; ++c) out.Top(x, y)[c] = in.Top(sx, sy)[c];
    }
  }
}

void Cut2(CDib& target, CDib& a, CDib& b, CPoint pa, CPoint pb) {
  View out(target), first(a), second(b);
  for (int y = 0; y < target.Height(); ++y)
    for (int x = 0; x < target.Width(); ++x) {
      int sx = pa.x + x, sy = pa.y + y;
      if (sx < 0 || sy < 0 || sx >= a.Width() || sy >= a.Height()) continue;
      bool inSecond = pb.x <= sx && sx < pb.x + b.Width() && pb.y <= sy && sy < pb.y + b.Height();
      const unsigned char* from = inSecond ? second.Top(sx - pb.x, sy - pb.y) : first.Top(sx, sy);
      for (int c = 0; c < 3; ++c) out.Top(x, y)[c] = from[c];
    }
}

void FillTexture(CDib& target, CDib& tile) {
  View out(target), in(tile);
  for (int y = 0; y < target.Height(); ++y)
    for (int x = 0; x < target.Width(); ++x)
      for (int c = 0; c < 3; ++c) out.Top(x, y)[c] = in.Top(x % tile.Width(), y % tile.Height())[c];
}

std::unique_ptr<CDib> Contrast(CDib& image, int amount) {
  auto result = NewImage(image.GetSize());
  View in(image), out(*result);
  double sums[3] = {0, 0, 0};
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      for (int c = 0; c < 3; ++c) sums[c] += in.At(x, y)[c];
  double n = static_cast<double>(image.Width()) * image.Height();
  double m = (sums[0] / n + sums[1] / n + sums[2] / n) * 0.3333333333333333;
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      for (int c = 0; c < 3; ++c) out.At(x, y)[c] = static_cast<unsigned char>(ContrastOf(in.At(x, y)[c], m, amount));
  return result;
}

std::unique_ptr<CDib> Filter(CDib& image, unsigned long color, int level) {
  auto result = NewImage(image.GetSize());
  View in(image), out(*result);
  int target[3] = {static_cast<int>((color >> 16) & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                   static_cast<int>(color & 0xFF)};
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      for (int c = 0; c < 3; ++c) {
        int v = in.At(x, y)[c];
        out.At(x, y)[c] = static_cast<unsigned char>(Clamp(v + static_cast<int>(level * (target[c] - v) * 0.01)));
      }
  return result;
}

std::unique_ptr<CDib> Grayscale(CDib& image, CDib::TypeStGray type) {
  static const int weights[4][3] = {{114, 587, 299}, {72, 715, 213}, {71, 707, 222}, {110, 530, 360}};
  const int* w = weights[type >= 0 && type <= 2 ? type : 3];
  auto result = NewImage(image.GetSize());
  View in(image), out(*result);
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x) {
      const unsigned char* p = in.At(x, y);
      int g = static_cast<int>((w[0] * p[0] + w[1] * p[1] + w[2] * p[2]) * 0.001);
      for (int c = 0; c < 3; ++c) out.At(x, y)[c] = static_cast<unsigned char>(g);
    }
  return result;
}

std::unique_ptr<CDib> CrossDissolve(CDib& image, CDib& other, double x) {
  auto result = NewImage(image.GetSize());
  View a(image), b(other), out(*result);
  for (int y = 0; y < image.Height(); ++y)
    for (int i = 0; i < image.Width(); ++i)
      for (int c = 0; c < 3; ++c)
        out.At(i, y)[c] = static_cast<unsigned char>((1 - x) * a.At(i, y)[c] + x * b.At(i, y)[c]);
  return result;
}

std::unique_ptr<CDib> Emboss(CDib& image) {
  auto result = NewImage(image.GetSize());
  View in(image), out(*result);
  if (image.Width() < 4) return result;
  for (int y = 0; y <= image.Height() - 2; ++y)
    for (int x = 0; x <= image.Width() - 4; ++x)
      for (int c = 0; c < 3; ++c) out.Top(x, y)[c] = static_cast<unsigned char>(((255 - in.Top(x + 3, y + 1)[c]) + in.Top(x, y)[c]) >> 1);
  return result;
}

std::unique_ptr<CDib> HeightMap(CDib& image, int a) {
  auto result = NewImage(image.GetSize());
  View in(image), out(*result);
  for (int row = 0; row < image.Height(); ++row)
    for (int x = 0; x < image.Width(); ++x) {
      const unsigned char* p = in.At(x, row);
      for (int c = 0; c < 3; ++c) out.At(x, row)[c] = p[c];
      int h = static_cast<int>(a * (p[0] + p[1] + p[2]) * 0.00130718954248366);
      if (row - h >= 0 && h >= 0)
        for (int c = 0; c < 3; ++c) out.At(x, row - h)[c] = p[c];
    }
  return result;
}

}  // namespace reference
