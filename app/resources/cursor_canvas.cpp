#include "app/resources/cursor_canvas.h"

#include <algorithm>
#include <cmath>

namespace {

double DistanceToSegment(CDoublePoint p, CDoublePoint a, CDoublePoint b) {
  const double dx = b.x - a.x, dy = b.y - a.y;
  const double lengthSquared = dx * dx + dy * dy;
  double t = lengthSquared > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared : 0;
  t = std::clamp(t, 0.0, 1.0);
  return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

}  // namespace

void CCursorCanvas::Pixel(int x, int y) {
  if (x >= 0 && y >= 0 && x < kCursorSide && y < kCursorSide) m_ink[y * kCursorSide + x] = true;
}

// A pixel is inked when its centre lies within half the width of the stroke.
void CCursorCanvas::Line(CDoublePoint from, CDoublePoint to, double width) {
  for (int y = 0; y < kCursorSide; ++y)
    for (int x = 0; x < kCursorSide; ++x)
      if (DistanceToSegment({x + 0.5, y + 0.5}, from, to) <= width / 2) Pixel(x, y);
}

void CCursorCanvas::ArrowHead(CDoublePoint tip, CDoublePoint direction, double headLength) {
  const double length = std::hypot(direction.x, direction.y);
  if (length == 0) return;
  const double ux = direction.x / length, uy = direction.y / length;
  // Two barbs at 40 degrees either side of the shaft, filled between them.
  const double c = std::cos(0.7), s = std::sin(0.7);
  const CDoublePoint left{tip.x - headLength * (ux * c - uy * s), tip.y - headLength * (uy * c + ux * s)};
  const CDoublePoint right{tip.x - headLength * (ux * c + uy * s), tip.y - headLength * (uy * c - ux * s)};
  for (double t = 0; t <= 1.0; t += 0.125) {
    const CDoublePoint along{left.x + (right.x - left.x) * t, left.y + (right.y - left.y) * t};
    Line(tip, along, 1.2);
  }
}

void CCursorCanvas::Arrow(CDoublePoint tail, CDoublePoint tip, double headLength) {
  Line(tail, tip);
  ArrowHead(tip, {tip.x - tail.x, tip.y - tail.y}, headLength);
}

void CCursorCanvas::Circle(CDoublePoint centre, double radius, bool filled, double width) {
  for (int y = 0; y < kCursorSide; ++y)
    for (int x = 0; x < kCursorSide; ++x) {
      const double distance = std::hypot(x + 0.5 - centre.x, y + 0.5 - centre.y);
      if (filled ? distance <= radius : std::fabs(distance - radius) <= width / 2) Pixel(x, y);
    }
}

void CCursorCanvas::Arc(CDoublePoint centre, double radius, double from, double to, double width) {
  constexpr int kSteps = 24;
  CDoublePoint previous{centre.x + radius * std::cos(from), centre.y + radius * std::sin(from)};
  for (int k = 1; k <= kSteps; ++k) {
    const double angle = from + (to - from) * k / kSteps;
    const CDoublePoint next{centre.x + radius * std::cos(angle), centre.y + radius * std::sin(angle)};
    Line(previous, next, width);
    previous = next;
  }
}

CursorPlanes CCursorCanvas::Planes(CPoint hotSpot) const {
  CursorPlanes planes;
  planes.hotSpot = hotSpot;
  auto inked = [this](int x, int y) {
    return x >= 0 && y >= 0 && x < kCursorSide && y < kCursorSide && m_ink[y * kCursorSide + x];
  };
  for (int y = 0; y < kCursorSide; ++y)
    for (int x = 0; x < kCursorSide; ++x) {
      const int at = y * kCursorSide + x;
      bool rim = false;
      for (int dy = -1; dy <= 1 && !rim; ++dy)
        for (int dx = -1; dx <= 1 && !rim; ++dx) rim = inked(x + dx, y + dy);
      // Black ink: painted, XOR clear. White rim: painted, XOR set. Else see-through.
      planes.andPlane[at] = !rim;
      planes.xorPlane[at] = rim && !m_ink[at];
    }
  return planes;
}
