// Turning an image about its centre into a new image of the same size.
//
// Each output pixel is mapped back into the source with the turn's cosine
// and sine and truncated toward zero; the bounds test is strict, so with an
// even size the first source column and row are never sampled. With memory
// rows running upward a positive angle turns clockwise on screen.
//
// The per-pixel products si*dx, co*dx and si*dy, co*dy depend on one
// coordinate each, so they are tabled once and each pixel costs two
// additions: the same doubles as the plain formula, hence the same bytes.
#include <cmath>
#include <cstdlib>
#include <memory>
#include <vector>

#include "imagelib/dib.h"
#include "imagelib/dib_pixels.h"

using pixkit::LockedPixels;

CDib* CDib::Effect_Rotate(int degrees, unsigned long background, bool /*inPlace: always a new image*/) {
  if (IsEmpty()) return nullptr;
  auto result = std::make_unique<CDib>();
  if (!result->Create(GetSize(), background)) return nullptr;

  const double angle = degrees * 0.017453292519943295;
  const double co = std::cos(angle);
  const double si = std::sin(angle);
  const int cx = m_nWidth / 2;
  const int cy = m_nHeight / 2;

  std::vector<double> sinDx(static_cast<std::size_t>(m_nWidth));
  std::vector<double> cosDx(static_cast<std::size_t>(m_nWidth));
  for (int i = 0; i < m_nWidth; ++i) {
    double dx = i - cx;
    sinDx[static_cast<std::size_t>(i)] = si * dx;
    cosDx[static_cast<std::size_t>(i)] = co * dx;
  }

  LockedPixels in(*this);
  LockedPixels out(*result);
  for (int j = 0; j < m_nHeight; ++j) {
    const double dy = j - cy;
    const double cosDy = co * dy;
    const double sinDy = si * dy;
    unsigned char* target = out.bits() + static_cast<std::ptrdiff_t>(j) * m_nRowLength;
    for (int i = 0; i < m_nWidth; ++i, target += 3) {
      const double u = sinDx[static_cast<std::size_t>(i)] + cosDy;
      const double w = cosDx[static_cast<std::size_t>(i)] - sinDy;
      // |u| >= cy (cy <= height) also keeps the int conversion in range.
      if (!(std::fabs(u) < cy + 1.0) || !(std::fabs(w) < cx + 1.0)) continue;
      const int v = static_cast<int>(u);
      const int k = static_cast<int>(w);
      if (std::abs(k) >= cx || std::abs(v) >= cy) continue;
      const unsigned char* source =
          in.bits() + static_cast<std::ptrdiff_t>(cy + v) * m_nRowLength + 3 * (cx + k);
      target[0] = source[0];
      target[1] = source[1];
      target[2] = source[2];
    }
  }
  return result.release();
}
