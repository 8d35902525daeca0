#include "app/editing/hair_pixel_access.h"
#include "app/editing/hair_pixels.h"

std::vector<CPoint> StrokeLine(CPoint a, CPoint b) {
  std::vector<CPoint> points;
  points.reserve(static_cast<std::size_t>(hairpixels::StrokeSteps(a, b)) + 1);
  hairpixels::WalkStrokeLine(a, b, [&](long long, CPoint p) { points.push_back(p); });
  return points;
}
