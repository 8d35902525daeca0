// Regions: areas of a window or raster made of rectangles, as window shapes
// ("wndrgn" style resources) are stored. A region answers point-in-region and
// bounding-box queries; the window system turns it into its own shape type.
//
// The stored form is the platform's region data: a 32-byte header (header
// size 32, type 1 = rectangles, rectangle count, size of the rectangle
// buffer, bounding rectangle) followed by the rectangles, 16 bytes each
// (left, top, right, bottom as 32-bit little-endian integers). Parsing never
// trusts the count or the header: anything that does not fit the bytes at
// hand is refused as a whole.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "platform/core/geometry.h"

inline constexpr std::uint32_t kRegionDataHeaderSize = 32;
inline constexpr std::uint32_t kRegionDataRectangles = 1;  // RDH_RECTANGLES
inline constexpr std::size_t kRegionDataRectSize = 16;

class CRgn {
 public:
  CRgn() = default;

  // Replaces the region by the one described in `data`. False, and the region
  // left as it was, when the data is malformed (short, wrong header size or
  // type, or a count the bytes cannot hold).
  bool CreateFromData(std::span<const unsigned char> data);
  void CreateRectRgn(const CRect& rect);
  void SetEmpty() { m_rects.clear(); }

  bool IsEmpty() const { return m_rects.empty(); }
  bool PtInRegion(CPoint point) const;
  // The smallest rectangle holding the region; (0,0,0,0) when empty.
  CRect GetRgnBox() const;
  const std::vector<CRect>& Rects() const { return m_rects; }

 private:
  std::vector<CRect> m_rects;  // non-empty, normalised
};
