// Internal helpers for the CDibAlpha operation files: a scoped lock on the
// transparency plane, the table-mapped colour and the blending constant.
#pragma once

#include <cstddef>

#include "imagelib/dib_alpha.h"

namespace pixkit {

// The double nearest 1/255. The blends multiply by it rather than divide by
// 255, and the results are truncated, so it is kept exactly as written.
inline constexpr double kOneOver255 = 0.00392156862745098;
// Below this many destination pixels a second drawing thread costs more than it saves.
inline constexpr long long kPixelsForTwoThreads = 1 << 17;

// Holds one lock on a layer's transparency plane for a scope.
class LockedAlpha {
 public:
  explicit LockedAlpha(CDibAlpha& image) : m_image(image), m_plane(image.LockAlpha()) {}
  ~LockedAlpha() {
    if (m_plane) m_image.UnlockAlpha();
  }
  LockedAlpha(const LockedAlpha&) = delete;
  LockedAlpha& operator=(const LockedAlpha&) = delete;

  unsigned char* plane() const { return m_plane; }
  explicit operator bool() const { return m_plane != nullptr; }
  // Start of top-down plane row y.
  unsigned char* Row(int y) const { return m_plane + static_cast<std::ptrdiff_t>(y) * m_image.Width(); }

 private:
  CDibAlpha& m_image;
  unsigned char* m_plane;
};

// How a layer's colours pass through its table while it is drawn.
enum class TableMode { none, perChannel, greyIndex };

inline TableMode TableModeOf(const CDibAlpha& layer) {
  if (!layer.m_pLut) return TableMode::none;
  return layer.m_bGrayIndex ? TableMode::greyIndex : TableMode::perChannel;
}

// Table-mapped blue, green, red of one layer pixel into `out`.
template <TableMode mode>
inline void MapColour(const unsigned char* pixel, const unsigned char* table, int out[3]) {
  if constexpr (mode == TableMode::none) {
    out[0] = pixel[0], out[1] = pixel[1], out[2] = pixel[2];
  } else if constexpr (mode == TableMode::perChannel) {
    out[0] = table[pixel[0]], out[1] = table[256 + pixel[1]], out[2] = table[512 + pixel[2]];
  } else {
    const int grey = (pixel[0] + pixel[1] + pixel[2]) / 3;
    out[0] = table[grey], out[1] = table[256 + grey], out[2] = table[512 + grey];
  }
}

}  // namespace pixkit
