#include "platform/core/raster_shapes.h"

#include <algorithm>
#include <cmath>

// The half width of each row is taken at the pixel centres' height. A hair of
// tolerance keeps centres that lie exactly on the ellipse inside on both
// sides alike, so a circle comes out symmetric.
std::vector<EllipseRow> EllipseRows(const CRect& box) {
  CRect r = box;
  r.NormalizeRect();
  std::vector<EllipseRow> rows;
  if (r.IsRectEmpty()) return rows;
  const double rx = (static_cast<double>(r.right) - r.left) / 2;
  const double ry = (static_cast<double>(r.bottom) - r.top) / 2;
  const double cx = r.left + rx;
  const double cy = r.top + ry;
  constexpr double kTolerance = 1e-9;
  for (int y = r.top; y < r.bottom; ++y) {
    const double t = (y + 0.5 - cy) / ry;
    const double half = rx * std::sqrt(std::max(0.0, 1 - t * t));
    const int left = static_cast<int>(std::ceil(cx - half - 0.5 - kTolerance));
    const int right = static_cast<int>(std::floor(cx + half - 0.5 + kTolerance)) + 1;
    if (left < right) rows.push_back({y, left, right, left, left});
  }
  for (std::size_t k = 0; k < rows.size(); ++k) {
    EllipseRow& row = rows[k];
    const bool inner = k > 0 && k + 1 < rows.size() && rows[k - 1].y == row.y - 1 && rows[k + 1].y == row.y + 1;
    if (!inner) continue;
    const int innerLeft = std::max({row.left + 1, rows[k - 1].left, rows[k + 1].left});
    const int innerRight = std::min({row.right - 1, rows[k - 1].right, rows[k + 1].right});
    if (innerLeft < innerRight) {
      row.innerLeft = innerLeft;
      row.innerRight = innerRight;
    }
  }
  return rows;
}
