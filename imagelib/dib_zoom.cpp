// Resampling: box-average reduction (ZoomIn), linear widening along one axis
// (ZoomX_Out, ZoomY_Out), the Zoom that chains them and the square thumbnail.
//
// The arithmetic is fixed to the byte: box edges are trunc(step x index) in
// doubles, averages are integer sums divided by the pixel count, widening is
// trunc(e + (f - e) x frac). The fast loops take that arithmetic from
// per-column and per-row tables built once, so every value computed per
// pixel is the same double the plain formula gives.
//
// Cases the formulas leave open: a widening to a size of 1 takes the first
// pixel (there is no step); a box reduction step whose doubles round to an
// empty box takes the one pixel at its start; a thumbnail of an image smaller
// than the thumbnail is enlarged through Zoom instead of refused.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <memory>
#include <vector>

#include "imagelib/dib.h"
#include "imagelib/dib_pixels.h"
#include "imagelib/resample_tables.h"

using pixkit::LockedPixels;

using pixkit::BoxSpan;
using pixkit::BoxSpans;
using pixkit::Interpolate;
using pixkit::LinearTap;
using pixkit::LinearTaps;

CDib* CDib::Zoom(CSize size) {
  if (m_nWidth >= size.cx && m_nHeight >= size.cy) return ZoomIn(size);

  CDib* across = this;
  if (m_nWidth < size.cx) across = ZoomX_Out(static_cast<unsigned long>(size.cx));
  else if (m_nWidth > size.cx) across = ZoomIn(CSize(size.cx, m_nHeight));
  if (!across) return nullptr;
  // Past the first test the height must grow or the width did, so `across`
  // is only this image when a vertical step follows.
  std::unique_ptr<CDib> intermediate(across == this ? nullptr : across);

  if (across->Height() == size.cy) return intermediate.release();
  if (across->Height() < size.cy) return across->ZoomY_Out(static_cast<unsigned long>(size.cy));
  return across->ZoomIn(CSize(across->Width(), size.cy));
}

CDib* CDib::ZoomIn(CSize size) {
  if (IsEmpty() || size.cx <= 0 || size.cy <= 0) return nullptr;
  if (static_cast<double>(m_nWidth) / size.cx < 1.0 || static_cast<double>(m_nHeight) / size.cy < 1.0)
    return nullptr;
  auto result = std::make_unique<CDib>();
  if (!result->Create(size)) return nullptr;

  std::vector<BoxSpan> columns = BoxSpans(m_nWidth, size.cx);
  std::vector<BoxSpan> rows = BoxSpans(m_nHeight, size.cy);
  std::vector<std::uint64_t> sums(static_cast<std::size_t>(size.cx) * 3);
  LockedPixels in(*this);
  LockedPixels out(*result);
  for (int outRow = 0; outRow < size.cy; ++outRow) {
    const BoxSpan rowSpan = rows[static_cast<std::size_t>(outRow)];
    std::fill(sums.begin(), sums.end(), 0);
    for (int inRow = rowSpan.first; inRow < rowSpan.first + rowSpan.count; ++inRow) {
      const unsigned char* line = in.bits() + static_cast<std::ptrdiff_t>(inRow) * m_nRowLength;
      std::uint64_t* sum = sums.data();
      for (const BoxSpan& column : columns) {
        const unsigned char* pixel = line + 3 * column.first;
        std::uint64_t blue = 0, green = 0, red = 0;
        for (int k = 0; k < column.count; ++k, pixel += 3) {
          blue += pixel[0];
          green += pixel[1];
          red += pixel[2];
        }
        sum[0] += blue;
        sum[1] += green;
        sum[2] += red;
        sum += 3;
      }
    }
    unsigned char* target = out.bits() + static_cast<std::ptrdiff_t>(outRow) * result->RowLength();
    for (int j = 0; j < size.cx; ++j) {
      std::uint64_t count = static_cast<std::uint64_t>(columns[static_cast<std::size_t>(j)].count) * rowSpan.count;
      for (int channel = 0; channel < 3; ++channel)
        target[3 * j + channel] =
            static_cast<unsigned char>(std::min<std::uint64_t>(sums[3 * j + channel] / count, 255));
    }
  }
  return result.release();
}

CDib* CDib::ZoomX_Out(unsigned long width) {
  if (IsEmpty() || m_nWidth == 0 || width < static_cast<unsigned long>(m_nWidth) || width > INT_MAX)
    return nullptr;
  int outWidth = static_cast<int>(width);
  auto result = std::make_unique<CDib>();
  if (!result->Create(CSize(outWidth, m_nHeight))) return nullptr;

  std::vector<LinearTap> taps = LinearTaps(m_nWidth, outWidth);
  LockedPixels in(*this);
  LockedPixels out(*result);
  for (int row = 0; row < m_nHeight; ++row) {
    const unsigned char* line = in.bits() + static_cast<std::ptrdiff_t>(row) * m_nRowLength;
    unsigned char* target = out.bits() + static_cast<std::ptrdiff_t>(row) * result->RowLength();
    for (const LinearTap& tap : taps) {
      const unsigned char* e = line + 3 * tap.near;
      const unsigned char* f = line + 3 * tap.far;
      target[0] = Interpolate(e[0], f[0], tap.frac);
      target[1] = Interpolate(e[1], f[1], tap.frac);
      target[2] = Interpolate(e[2], f[2], tap.frac);
      target += 3;
    }
  }
  return result.release();
}

CDib* CDib::ZoomY_Out(unsigned long height) {
  if (IsEmpty() || m_nHeight == 0 || height < static_cast<unsigned long>(m_nHeight) || height > INT_MAX)
    return nullptr;
  int outHeight = static_cast<int>(height);
  auto result = std::make_unique<CDib>();
  if (!result->Create(CSize(m_nWidth, outHeight))) return nullptr;

  std::vector<LinearTap> taps = LinearTaps(m_nHeight, outHeight);
  LockedPixels in(*this);
  LockedPixels out(*result);
  const int rowBytes = m_nWidth * 3;
  for (int row = 0; row < outHeight; ++row) {
    const LinearTap tap = taps[static_cast<std::size_t>(row)];
    const unsigned char* e = in.bits() + static_cast<std::ptrdiff_t>(tap.near) * m_nRowLength;
    const unsigned char* f = in.bits() + static_cast<std::ptrdiff_t>(tap.far) * m_nRowLength;
    unsigned char* target = out.bits() + static_cast<std::ptrdiff_t>(row) * m_nRowLength;
    for (int k = 0; k < rowBytes; ++k) target[k] = Interpolate(e[k], f[k], tap.frac);
  }
  return result.release();
}

CDib* CDib::CreateThumbNail(int side, unsigned long background) {
  if (IsEmpty() || side <= 0 || m_nWidth == 0 || m_nHeight == 0) return nullptr;
  int thumbWidth = side;
  int thumbHeight = side;
  if (m_nHeight < m_nWidth)
    thumbHeight = static_cast<int>(m_nHeight / (static_cast<double>(m_nWidth) / side));
  else
    thumbWidth = static_cast<int>(m_nWidth / (static_cast<double>(m_nHeight) / side));
  // A very thin image still shows as one line rather than nothing.
  thumbWidth = std::max(thumbWidth, 1);
  thumbHeight = std::max(thumbHeight, 1);

  auto thumbnail = std::make_unique<CDib>();
  if (!thumbnail->Create(CSize(side, side), background)) return nullptr;
  // Zoom reduces exactly as ZoomIn does and also enlarges a small image.
  std::unique_ptr<CDib> scaled(Zoom(CSize(thumbWidth, thumbHeight)));
  if (!scaled) return nullptr;
  if (!thumbnail->Edit_Paste(scaled.get(), CPoint((side - thumbWidth) / 2, (side - thumbHeight) / 2)))
    return nullptr;
  return thumbnail.release();
}
