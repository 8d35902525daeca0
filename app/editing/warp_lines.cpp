// The line pairs of the simulation. Anchors are their own source, so they
// pull pixels toward where they already are; walking the area's row spans
// once gives the inside test for every anchor column and row.
#include <algorithm>

#include "app/editing/field_warp.h"

namespace {

constexpr int kAnchorSpacing = 25;

bool HasLength(CDoublePoint a, CDoublePoint b) { return a.x != b.x || a.y != b.y; }

}  // namespace

std::vector<CLinePair> AnchorLines(const CPolygonRegion& area, int width, int height) {
  std::vector<CLinePair> lines;
  if (width <= 0 || height <= 0) return lines;
  // Inside cells of the area within the image, row by row.
  std::vector<unsigned char> inside(static_cast<std::size_t>(width) * height, 0);
  area.ForEachSpan([&](int y, int left, int right) {
    if (y < 0 || y >= height) return;
    left = std::max(left, 0);
    right = std::min(right, width);
    if (left < right) std::fill_n(inside.begin() + static_cast<std::ptrdiff_t>(y) * width + left, right - left, 1);
  });
  const auto isInside = [&](int x, int y) { return inside[static_cast<std::size_t>(y) * width + x] != 0; };
  const auto add = [&](double x0, double y0, double x1, double y1) {
    lines.push_back({{x0, y0}, {x1, y1}, {x0, y0}, {x1, y1}});
  };
  for (int x = 0; x < width; x += kAnchorSpacing) {
    int runStart = -1;
    for (int y = 0; y <= height; ++y) {
      const bool outside = y < height && !isInside(x, y);
      if (outside && runStart < 0) runStart = y;
      if (!outside && runStart >= 0) {
        add(x, runStart, x, y);
        runStart = -1;
      }
    }
  }
  for (int y = 0; y < height; y += kAnchorSpacing) {
    int runStart = -1;
    for (int x = 0; x <= width; ++x) {
      const bool outside = x < width && !isInside(x, y);
      if (outside && runStart < 0) runStart = x;
      if (!outside && runStart >= 0) {
        add(runStart, y, x, y);
        runStart = -1;
      }
    }
  }
  return lines;
}

std::vector<CLinePair> ContourLinePairs(const std::vector<CDoublePoint>& initial,
                                        const std::vector<CDoublePoint>& final) {
  std::vector<CLinePair> pairs;
  const std::size_t count = std::min(initial.size(), final.size());
  for (std::size_t i = 0; i + 1 < count; ++i) {
    if (!HasLength(final[i], final[i + 1]) || !HasLength(initial[i], initial[i + 1])) continue;
    pairs.push_back({final[i], final[i + 1], initial[i], initial[i + 1]});
  }
  return pairs;
}
