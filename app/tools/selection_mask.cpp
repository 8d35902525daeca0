// The selection mask is filled run by run from the region's scanline spans
// (the same pixels its point test answers), not by testing every pixel of
// the box: a lasso of thousands of vertices over a large box would take
// billions of edge tests.
//
// Feathering reads every neighbour from the previous pass, and a cell in
// the first row or column or outside the grid reads as 0 (after the
// inversion: not selected), so the blur never pulls selection in from past
// the grid's edge.
#include "app/tools/selection_mask.h"

#include <algorithm>
#include <cstring>

bool BuildRegionMask(const CPolygonRegion& region, CSelectionMask* mask, const std::function<void(int)>& progress) {
  const CRect box = region.GetRgnBox();
  const long long width = static_cast<long long>(box.right) - box.left + 2 * kMaskMargin;
  const long long height = static_cast<long long>(box.bottom) - box.top + 2 * kMaskMargin;
  if (width * height > kMaxMaskCells) return false;
  mask->width = static_cast<int>(width);
  mask->height = static_cast<int>(height);
  mask->origin = {box.left - kMaskMargin, box.top - kMaskMargin};
  mask->cells.assign(static_cast<std::size_t>(width * height), 255);
  const int rows = std::max(1, box.bottom - box.top);
  int lastRow = box.top - 1;
  region.ForEachSpan([&](int y, int left, int right) {
    unsigned char* row = mask->cells.data() + static_cast<std::size_t>(y - mask->origin.y) * mask->width;
    std::memset(row + (left - mask->origin.x), 0, static_cast<std::size_t>(right - left));
    if (progress && y != lastRow) progress((y - box.top + 1) * 100 / rows);
    lastRow = y;
  });
  return true;
}

void FeatherMask(CSelectionMask& mask, int radius) {
  const int passes = radius / 7 - 1;
  const int w = mask.width;
  const int h = mask.height;
  if (passes < 1 || w <= 0 || h <= 0) return;
  for (unsigned char& v : mask.cells) v = static_cast<unsigned char>(255 - v);
  std::vector<unsigned char> previous;
  for (int d = 1; d <= passes; ++d) {
    previous = mask.cells;
    const auto at = [&](int x, int y) -> int {
      if (x <= 0 || y <= 0 || x >= w || y >= h) return 0;
      return previous[static_cast<std::size_t>(y) * w + x];
    };
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        mask.cells[static_cast<std::size_t>(y) * w + x] = static_cast<unsigned char>(
            (at(x, y) + at(x + d, y) + at(x - d, y) + at(x, y - d) + at(x, y + d)) / 5);
  }
  for (unsigned char& v : mask.cells) v = static_cast<unsigned char>(255 - v);
}
