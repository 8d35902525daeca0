// Which cursor a tracker shows where. The resize cursor follows the axis the
// handle moves along (a corner's diagonal, a side's centre line), sorted into
// four classes by the axis's angle; the rotation cursor follows the
// direction of the pointer from the centre, sorted into eight octants.
// 0.92388 and 0.38268 are cos 22.5 and sin 22.5 degrees: each class or
// octant is the 45 degrees around its own direction.
#include "app/tools/line_tracker.h"
#include "app/tools/quad_tracker.h"

#include <cmath>

namespace {

constexpr double kCos22_5 = 0.92388;
constexpr double kSin22_5 = 0.38268;

}  // namespace

int CQuadTracker::AxisClass(CDoublePoint p, CDoublePoint q) {
  const double dx = p.x - q.x;
  const double dy = p.y - q.y;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length == 0) return 0;
  // Turned so that the axis points down the screen: an axis has no sense.
  const double u = dy < 0 ? -dx / length : dx / length;
  if (std::fabs(u) > kCos22_5) return 1;
  if (u > kSin22_5) return 2;
  if (u < -kSin22_5) return 3;
  return 0;
}

int CQuadTracker::DirectionOctant(double u, double v) {
  if (u > kCos22_5) return 0;
  if (u < -kCos22_5) return 4;
  if (v >= 0) return u > kSin22_5 ? 1 : u > -kSin22_5 ? 2 : 3;
  return u > kSin22_5 ? 7 : u > -kSin22_5 ? 6 : 5;
}

CTrackerCursor CQuadTracker::SetHandleCursor(int x, int y) const {
  const int hit = HitTest(x, y);
  if (hit == kHitInside) return {CTrackerCursor::Kind::move, -1, m_moveCursor};
  if (hit < 0) return {};
  const int axis = hit < 4 ? AxisClass(m_corners[hit], m_corners[(hit + 2) % 4])
                           : AxisClass(m_midPoints[hit - 4], m_midPoints[(hit - 2) % 4]);
  return {CTrackerCursor::Kind::resize, axis, m_resizeCursors[axis]};
}

// A point on the centre itself has no direction and gets no cursor.
CTrackerCursor CQuadTracker::SetRotateCursor(int x, int y) const {
  const double dx = x - m_centre.x;
  const double dy = y - m_centre.y;
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length == 0) return {};
  const int octant = DirectionOctant(dx / length, dy / length);
  return {CTrackerCursor::Kind::rotate, octant, m_rotateCursors[octant]};
}

CTrackerCursor CLineTracker::SetPointCursor(int x, int y) const {
  const int hit = HitTest(x, y);
  if (hit == kHitNothing) return {};
  return {CTrackerCursor::Kind::endPoint, hit, m_endPointCursor};
}
