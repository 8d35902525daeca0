// The selection as a byte grid: 0 selected, 255 not, with its top-left in
// layer-image pixels. Selections are built with 20 spare cells on every side
// so that feathering has room to soften the border outward.
#pragma once

#include <functional>
#include <vector>

#include "platform/core/geometry.h"
#include "platform/core/polygon_region.h"

inline constexpr int kMaskMargin = 20;
// Beyond this a selection would take more memory than any layer it can act
// on; such a mask is refused rather than allocated.
inline constexpr long long kMaxMaskCells = 1LL << 28;

struct CSelectionMask {
  std::vector<unsigned char> cells;  // rows top-down, row length = width
  int width = 0;
  int height = 0;
  CPoint origin;

  bool IsEmpty() const { return cells.empty(); }
  unsigned char* Data() { return cells.data(); }
  CRect Area() const { return CRect(origin, CSize(width, height)); }
};

// The region's bounding box grown by the margin, 0 inside the region and
// 255 elsewhere; false (mask untouched) when it would exceed kMaxMaskCells.
// `progress` hears the percentage of rows done.
bool BuildRegionMask(const CPolygonRegion& region, CSelectionMask* mask,
                     const std::function<void(int)>& progress = {});

// Softens the border: inverted, blurred by trunc(radius / 7) - 1 passes of
// the five-cell average, inverted back. Radii below 14 change nothing.
void FeatherMask(CSelectionMask& mask, int radius);
