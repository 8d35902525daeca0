// Resampling of a layer: the colour is resampled exactly as a plain CDib's,
// and the transparency plane with the same boxes and the same interpolation
// taps. The colour formulas run over memory rows (bottom-up) while the plane
// is stored top-down, so the plane's row tables are taken in memory-row
// terms and mirrored: each plane byte then averages or blends exactly the
// pixels its colour does, and colour and transparency stay aligned even
// where a box edge falls differently from the top than from the bottom.
#include <algorithm>
#include <cstdint>
#include <memory>
#include <vector>

#include "imagelib/dib_alpha.h"
#include "imagelib/dib_alpha_pixels.h"
#include "imagelib/resample_tables.h"

using pixkit::LockedAlpha;

CDib* CDibAlpha::Zoom(CSize size) {
  // CDib's chain calls the three steps virtually, so they arrive here.
  return CDib::Zoom(size);
}

CDib* CDibAlpha::ZoomIn(CSize size) {
  if (!m_hAlpha) return nullptr;
  std::unique_ptr<CDibAlpha> result(AdoptColour(CDib::ZoomIn(size)));
  if (!result) return nullptr;

  const std::vector<pixkit::BoxSpan> columns = pixkit::BoxSpans(m_nWidth, size.cx);
  const std::vector<pixkit::BoxSpan> memoryRows = pixkit::BoxSpans(m_nHeight, size.cy);
  std::vector<std::uint32_t> sums(static_cast<std::size_t>(size.cx));
  LockedAlpha in(*this);
  LockedAlpha out(*result);
  for (int outMemoryRow = 0; outMemoryRow < size.cy; ++outMemoryRow) {
    const pixkit::BoxSpan rowSpan = memoryRows[static_cast<std::size_t>(outMemoryRow)];
    std::fill(sums.begin(), sums.end(), 0);
    for (int memoryRow = rowSpan.first; memoryRow < rowSpan.first + rowSpan.count; ++memoryRow) {
      const unsigned char* line = in.Row(m_nHeight - 1 - memoryRow);
      for (int j = 0; j < size.cx; ++j) {
        const pixkit::BoxSpan column = columns[static_cast<std::size_t>(j)];
        std::uint32_t sum = 0;
        for (int k = 0; k < column.count; ++k) sum += line[column.first + k];
        sums[static_cast<std::size_t>(j)] += sum;
      }
    }
    unsigned char* target = out.Row(size.cy - 1 - outMemoryRow);
    for (int j = 0; j < size.cx; ++j) {
      const std::uint64_t count =
          static_cast<std::uint64_t>(columns[static_cast<std::size_t>(j)].count) * rowSpan.count;
      target[j] = static_cast<unsigned char>(std::min<std::uint64_t>(sums[static_cast<std::size_t>(j)] / count, 255));
    }
  }
  return result.release();
}

CDib* CDibAlpha::ZoomX_Out(unsigned long width) {
  if (!m_hAlpha) return nullptr;
  std::unique_ptr<CDibAlpha> result(AdoptColour(CDib::ZoomX_Out(width)));
  if (!result) return nullptr;

  const std::vector<pixkit::LinearTap> taps = pixkit::LinearTaps(m_nWidth, result->Width());
  LockedAlpha in(*this);
  LockedAlpha out(*result);
  for (int y = 0; y < m_nHeight; ++y) {
    const unsigned char* line = in.Row(y);
    unsigned char* target = out.Row(y);
    for (const pixkit::LinearTap& tap : taps) *target++ = pixkit::Interpolate(line[tap.near], line[tap.far], tap.frac);
  }
  return result.release();
}

CDib* CDibAlpha::ZoomY_Out(unsigned long height) {
  if (!m_hAlpha) return nullptr;
  std::unique_ptr<CDibAlpha> result(AdoptColour(CDib::ZoomY_Out(height)));
  if (!result) return nullptr;

  const int outHeight = result->Height();
  const std::vector<pixkit::LinearTap> taps = pixkit::LinearTaps(m_nHeight, outHeight);
  LockedAlpha in(*this);
  LockedAlpha out(*result);
  for (int outMemoryRow = 0; outMemoryRow < outHeight; ++outMemoryRow) {
    const pixkit::LinearTap tap = taps[static_cast<std::size_t>(outMemoryRow)];
    const unsigned char* near = in.Row(m_nHeight - 1 - tap.near);
    const unsigned char* far = in.Row(m_nHeight - 1 - tap.far);
    unsigned char* target = out.Row(outHeight - 1 - outMemoryRow);
    for (int x = 0; x < m_nWidth; ++x) target[x] = pixkit::Interpolate(near[x], far[x], tap.frac);
  }
  return result.release();
}
