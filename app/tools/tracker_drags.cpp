// The drags of the frames and lines. The corner and side drags work on the
// corners alone, along lines taken at the press (slope k and intercept b of
// y = k x + b, each with its vertical case), and re-derive the base rectangle
// when the drag ends; the move and rotate drags keep the frame whole at every
// step. Pointer positions are whole document units; the rotation compares
// with the frame's rotation at the moment, so a pointer wobbling by less
// than 0.01 in sine and cosine does not redraw.
#include "app/tools/tracker_drags.h"

#include <cmath>

#include "platform/core/rounding.h"
#include "platform/core/virtual_keys.h"

namespace {

constexpr double kMinimumFrameSide = 1.0;
constexpr double kRotationThreshold = 0.01;

double Dot(CDoublePoint a, CDoublePoint b) { return a.x * b.x + a.y * b.y; }
double Length(CDoublePoint a) { return std::sqrt(Dot(a, a)); }
CDoublePoint Scaled(CDoublePoint a, double factor) { return {a.x * factor, a.y * factor}; }
CDoublePoint UnitOrZero(CDoublePoint a) {
  const double length = Length(a);
  return length > 0 ? Scaled(a, 1 / length) : CDoublePoint{};
}

// The foot of the perpendicular from (x, y) onto y = k x + b, k not 0.
CDoublePoint FootOnLine(double x, double y, double k, double b) {
  const double v = x / k + y;
  const double w = 1 / k + k;
  return {(v - b) / w, (v * k + b / k) / w};
}

// The base rectangle from the corners: turned back about the centre (with
// the turn's snapping), corners 0 and 2 are its top-left and bottom-right.
void RederiveBaseRect(CQuadTracker& tracker) {
  const CDoublePoint centre = tracker.GetCentre();
  const double sine = tracker.GetSine();
  const double cosine = tracker.GetCosine();
  const CDoublePoint topLeft = CQuadTracker::RotatePoint(tracker.GetCorner(0) - centre, -sine, cosine) + centre;
  const CDoublePoint bottomRight =
      CQuadTracker::RotatePoint(tracker.GetCorner(2) - centre, -sine, cosine) + centre;
  tracker.SetRect(topLeft.x, topLeft.y, bottomRight.x, bottomRight.y);
  tracker.SetRotation(sine, cosine);
}

// Places the corners and re-derives the centre and mid-points; false when
// the corners are where they were.
bool SetCorners(CQuadTracker& tracker, const std::array<CDoublePoint, 4>& corners) {
  CQuadTracker::Geometry geometry = tracker.GetGeometry();
  if (geometry.corners == corners) return false;
  geometry.corners = corners;
  tracker.SetGeometry(geometry);
  tracker.RecomputeCentre();
  return true;
}

std::array<CDoublePoint, 4> CornersOf(const CQuadTracker& tracker) {
  return {tracker.GetCorner(0), tracker.GetCorner(1), tracker.GetCorner(2), tracker.GetCorner(3)};
}

// Moves `reach` (a signed distance) away from zero to at least `minimum`.
double AtLeast(double reach, double minimum) {
  if (std::fabs(reach) >= minimum) return reach;
  return reach < 0 ? -minimum : minimum;
}

}  // namespace

void CQuadDrag::DrawTracker(CDC& dc) const {
  const CViewMapping& mapping = m_tracker.GetViewMapping();
  m_tracker.DrawInView(dc, mapping.zoom, mapping.originX, mapping.originY, false);
}

void CQuadDrag::BeforeChange() {
  if (!m_changed) m_tracker.PushGeometryUndoById(m_stepNameId);
  EraseBeforeChange();
}

bool CQuadDragMove::Begin(CPoint point) {
  m_last = point;
  return true;
}

bool CQuadDragMove::Move(CPoint point) {
  if (point == m_last) return false;
  const double dx = static_cast<double>(point.x) - m_last.x;
  const double dy = static_cast<double>(point.y) - m_last.y;
  BeforeChange();
  m_tracker.Translate(-dx, -dy);
  m_tracker.SetRotation(m_tracker.GetSine(), m_tracker.GetCosine());
  m_tracker.RecomputeCentre();
  m_last = point;
  AfterChange();
  return true;
}

void CQuadDragMove::Key(int virtualKey, CDragPointer& pointer) {
  switch (virtualKey) {
    case VK_LEFT: pointer.MovePointerBy(-1, 0); break;
    case VK_UP: pointer.MovePointerBy(0, -1); break;
    case VK_RIGHT: pointer.MovePointerBy(1, 0); break;
    case VK_DOWN: pointer.MovePointerBy(0, 1); break;
    default: pointer.MovePointerBy(0, 0); break;
  }
}

bool CQuadDragCorner::Begin(CPoint point) {
  m_press = point;
  const std::array<CDoublePoint, 4> c = CornersOf(m_tracker);
  const int i = m_corner, o = (m_corner + 2) % 4, j = (m_corner + 1) % 4, p = (m_corner + 3) % 4;
  m_diagonalVertical = c[i].x == c[o].x;
  if (!m_diagonalVertical) {
    m_k1 = (c[i].y - c[o].y) / (c[i].x - c[o].x);
    m_b1 = c[i].y - m_k1 * c[i].x;
  }
  m_sideVertical = c[j].x == c[o].x;
  if (!m_sideVertical) {
    m_k2 = (c[j].y - c[o].y) / (c[j].x - c[o].x);
    m_b2 = c[o].y - m_k2 * c[o].x;
    if (m_k2 != 0) m_b3 = c[o].y + c[o].x / m_k2;
  }
  m_otherDiagonalVertical = c[j].x == c[p].x;
  if (!m_otherDiagonalVertical) m_k3 = (c[j].y - c[p].y) / (c[j].x - c[p].x);

  // The sides scale with the corner's reach along the diagonal; the shorter
  // one is a unit long at reach diagonal / shorter.
  const CDoublePoint diagonal = c[i] - c[o];
  const double shorter = std::fmin(Length(c[j] - c[o]), Length(c[p] - c[o]));
  m_diagonal = UnitOrZero(diagonal);
  m_minimumReach = shorter > 0 ? Length(diagonal) * kMinimumFrameSide / shorter : 0;
  return true;
}

bool CQuadDragCorner::Move(CPoint point) {
  if (point == m_press) return false;
  std::array<CDoublePoint, 4> c = CornersOf(m_tracker);
  const int i = m_corner, o = (m_corner + 2) % 4, j = (m_corner + 1) % 4, p = (m_corner + 3) % 4;
  const double x = point.x, y = point.y;
  if (m_diagonalVertical) c[i].y = y;
  else if (m_k1 == 0) c[i].x = x;
  else c[i] = FootOnLine(x, y, m_k1, m_b1);
  if (m_minimumReach > 0) {
    const double reach = Dot(c[i] - c[o], m_diagonal);
    const double kept = AtLeast(reach, m_minimumReach);
    if (kept != reach) c[i] = c[o] + Scaled(m_diagonal, kept);
  }

  const CDoublePoint middle{(c[o].x + c[i].x) / 2, (c[o].y + c[i].y) / 2};
  if (m_sideVertical) {
    c[j].y = c[i].y;
    c[p].x = c[i].x;
  } else if (m_k2 == 0) {
    c[j].x = c[i].x;
    c[p].y = c[i].y;
  } else if (m_otherDiagonalVertical) {
    // The other diagonal has no slope (a square turned by 45 degrees, say):
    // the line through the middle parallel to it is x = middle.x.
    c[j] = {middle.x, m_k2 * middle.x + m_b2};
    c[p] = {middle.x, -middle.x / m_k2 + m_b3};
  } else {
    const double v = middle.y - m_k3 * middle.x;
    c[j] = {(v - m_b2) / (m_k2 - m_k3), (v * m_k2 - m_k3 * m_b2) / (m_k2 - m_k3)};
    c[p] = {(v - m_b3) / (-1 / m_k2 - m_k3), (-v / m_k2 - m_k3 * m_b3) / (-1 / m_k2 - m_k3)};
  }
  if (c == CornersOf(m_tracker)) return false;
  BeforeChange();
  SetCorners(m_tracker, c);
  AfterChange();
  return true;
}

bool CQuadDragCorner::End() {
  if (m_changed) RederiveBaseRect(m_tracker);
  return m_changed;
}

bool CQuadDragSide::Begin(CPoint point) {
  m_press = point;
  const std::array<CDoublePoint, 4> c = CornersOf(m_tracker);
  const int a0 = m_handle - 4, a1 = (m_handle - 3) % 4, b = (m_handle - 2) % 4;
  m_k = c[a1].x != c[b].x ? (c[a1].y - c[b].y) / (c[a1].x - c[b].x) : 0;
  m_e1 = c[a1].y - m_k * c[a1].x;
  m_e0 = c[a0].y - m_k * c[a0].x;
  m_across = UnitOrZero(c[a1] - c[b]);
  return true;
}

bool CQuadDragSide::Move(CPoint point) {
  if (point == m_press) return false;
  std::array<CDoublePoint, 4> c = CornersOf(m_tracker);
  const int a0 = m_handle - 4, a1 = (m_handle - 3) % 4, b = (m_handle - 2) % 4;
  const double x = point.x, y = point.y;
  if (m_k != 0) {
    c[a1] = FootOnLine(x, y, m_k, m_e1);
    c[a0] = FootOnLine(x, y, m_k, m_e0);
  } else if (c[a1].x == c[b].x) {
    c[a1].y = c[a0].y = y;
  } else {
    c[a1].x = c[a0].x = x;
  }
  if (m_across != CDoublePoint{}) {
    const double reach = Dot(c[a1] - c[b], m_across);
    const double kept = AtLeast(reach, kMinimumFrameSide);
    if (kept != reach) {
      const CDoublePoint shift = Scaled(m_across, kept - reach);
      c[a1] = c[a1] + shift;
      c[a0] = c[a0] + shift;
    }
  }
  if (c == CornersOf(m_tracker)) return false;
  BeforeChange();
  SetCorners(m_tracker, c);
  AfterChange();
  return true;
}

bool CQuadDragSide::End() {
  if (m_changed) RederiveBaseRect(m_tracker);
  return m_changed;
}

// A press on the centre itself has no direction; it counts as pointing east.
bool CQuadDragRotate::Begin(CPoint point) {
  const CDoublePoint fromCentre = CDoublePoint(point.x, point.y) - m_tracker.GetCentre();
  const double length = Length(fromCentre);
  m_pressCosine = length > 0 ? fromCentre.x / length : 1;
  m_pressSine = length > 0 ? fromCentre.y / length : 0;
  m_cosine = m_tracker.GetCosine();
  m_sine = m_tracker.GetSine();
  return true;
}

bool CQuadDragRotate::Move(CPoint point) {
  const CDoublePoint centre = m_tracker.GetCentre();
  const double dx = static_cast<double>(point.x) - RoundHalfAwayFromZero(centre.x);
  const double dy = static_cast<double>(point.y) - RoundHalfAwayFromZero(centre.y);
  const double length = std::sqrt(dx * dx + dy * dy);
  if (length == 0) return false;
  const double c1 = dx / length, s1 = dy / length;
  const double sinDelta = s1 * m_pressCosine - c1 * m_pressSine;
  const double cosDelta = c1 * m_pressCosine + s1 * m_pressSine;
  const double sine = cosDelta * m_sine + sinDelta * m_cosine;
  const double cosine = cosDelta * m_cosine - sinDelta * m_sine;
  if (std::fabs(sine - m_tracker.GetSine()) < kRotationThreshold &&
      std::fabs(cosine - m_tracker.GetCosine()) < kRotationThreshold)
    return false;
  BeforeChange();
  m_tracker.SetRotation(sine, cosine);
  AfterChange();
  return true;
}

std::unique_ptr<CQuadDrag> MakeQuadDrag(CQuadTracker& tracker, int hit) {
  if (hit == CQuadTracker::kHitNothing) return std::make_unique<CQuadDragRotate>(tracker);
  if (hit >= 0 && hit < 4) return std::make_unique<CQuadDragCorner>(tracker, hit);
  if (hit >= 4 && hit < 8) return std::make_unique<CQuadDragSide>(tracker, hit);
  if (hit == CQuadTracker::kHitInside) return std::make_unique<CQuadDragMove>(tracker);
  return nullptr;
}

bool CLinePointDrag::Begin(CPoint point) {
  m_point = m_line.HitTest(point.x, point.y);
  if (m_point < 0) return false;
  m_line.PushUndoById(m_line.GetChangePointsNameId());
  return true;
}

bool CLinePointDrag::Move(CPoint point) {
  if (m_point < 0) return false;
  const CPoint p0 = m_line.GetPoint0(), p1 = m_line.GetPoint1();
  if (point == (m_point == 0 ? p0 : p1)) return false;
  EraseBeforeChange();
  if (m_point == 0) m_line.SetPoints(point.x, point.y, p1.x, p1.y);
  else m_line.SetPoints(p0.x, p0.y, point.x, point.y);
  DrawAfterChange();
  return true;
}

void CLinePointDrag::DrawTracker(CDC& dc) const {
  const CViewMapping& mapping = m_line.GetViewMapping();
  m_line.DrawInView(dc, mapping.zoom, mapping.originX, mapping.originY);
}
