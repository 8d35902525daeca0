// Geometry of the frames. Two rules are not obvious:
//
// Turned positions snap. A sine or cosine within 0.008 of 0, or beyond
// 0.992 in size, is taken as exactly 0 or +-1 when corners are turned. A
// rotation made by dragging is never exactly a quarter turn in doubles
// (cos(pi/2) is 6e-17), and without the snap the corners would sit a hair
// off whole positions, so rounding and truncation would make the frame's
// pixels jitter by one. Only the turned positions use the snapped values; the
// stored sine and cosine keep theirs, so turning on from there loses nothing.
//
// Image mapping turns about the centre of the bounding box of the rounded
// outline, not the stored centre: that box is where the compositor draws the
// layer, so a document pixel and the image pixel drawn on it agree.
#include "app/tools/quad_tracker.h"

#include "app/tools/tracker_undo_steps.h"

#include <cmath>

#include "platform/core/resource_module.h"
#include "platform/core/rounding.h"

namespace {

double SnapRotationComponent(double value) {
  if (std::fabs(value) < 0.008) return 0.0;
  if (value < -0.992) return -1.0;
  if (value > 0.992) return 1.0;
  return value;
}

CDoublePoint Average(CDoublePoint a, CDoublePoint b) { return {(a.x + b.x) / 2, (a.y + b.y) / 2}; }

double Distance(CDoublePoint a, CDoublePoint b) {
  const double dx = b.x - a.x;
  const double dy = b.y - a.y;
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

CQuadTracker::CQuadTracker(bool showMidHandles, unsigned rotateNameId, unsigned resizeNameId,
                           unsigned moveNameId, unsigned changePointsNameId)
    : m_showMidHandles(showMidHandles),
      m_rotateNameId(rotateNameId),
      m_resizeNameId(resizeNameId),
      m_moveNameId(moveNameId),
      m_changePointsNameId(changePointsNameId) {}

CQuadTracker::CQuadTracker(const CQuadTracker& other)
    : m_showMidHandles(other.m_showMidHandles),
      m_baseRect(other.m_baseRect),
      m_corners(other.m_corners),
      m_midPoints(other.m_midPoints),
      m_centre(other.m_centre),
      m_cosine(other.m_cosine),
      m_sine(other.m_sine),
      m_viewMapping(other.m_viewMapping),
      m_rotateNameId(other.m_rotateNameId),
      m_resizeNameId(other.m_resizeNameId),
      m_moveNameId(other.m_moveNameId),
      m_changePointsNameId(other.m_changePointsNameId) {}

CQuadTracker::~CQuadTracker() = default;

void CQuadTracker::PushUndo(const std::string& name) { PushGeometryUndo(name); }

void CQuadTracker::PushGeometryUndo(const std::string& name) { m_history.Push(MakeGeometryUndoStep(name, *this)); }

void CQuadTracker::PushGeometryUndoById(unsigned stringId) { PushGeometryUndo(LoadResourceString(stringId)); }

CQuadTracker::Geometry CQuadTracker::GetGeometry() const {
  return {m_baseRect, m_corners, m_midPoints, m_centre, m_cosine, m_sine};
}

void CQuadTracker::SetGeometry(const Geometry& geometry) {
  m_baseRect = geometry.baseRect;
  m_corners = geometry.corners;
  m_midPoints = geometry.midPoints;
  m_centre = geometry.centre;
  m_cosine = geometry.cosine;
  m_sine = geometry.sine;
}

void CQuadTracker::PushUndoById(unsigned stringId) { PushUndo(LoadResourceString(stringId)); }

void CQuadTracker::CopyGeometry(const CQuadTracker& other) {
  m_baseRect = other.m_baseRect;
  m_corners = other.m_corners;
  m_midPoints = other.m_midPoints;
  m_centre = other.m_centre;
}

void CQuadTracker::SetCursors(const std::array<HCURSOR, 8>& rotateCursors,
                              const std::array<HCURSOR, 4>& resizeCursors, HCURSOR moveCursor) {
  m_rotateCursors = rotateCursors;
  m_resizeCursors = resizeCursors;
  m_moveCursor = moveCursor;
}

void CQuadTracker::SetViewMapping(int originX, int originY, double zoom) {
  m_viewMapping = {originX, originY, zoom};
}

void CQuadTracker::SetRect(double left, double top, double right, double bottom) {
  m_baseRect = {left, top, right, bottom};
  m_corners = {CDoublePoint{left, top}, {right, top}, {right, bottom}, {left, bottom}};
  m_centre = {(left + right) / 2, (top + bottom) / 2};
  m_midPoints = {CDoublePoint{m_centre.x, top}, {right, m_centre.y}, {m_centre.x, bottom}, {left, m_centre.y}};
}

void CQuadTracker::SetRotation(double sine, double cosine) {
  SetRect(m_baseRect.left, m_baseRect.top, m_baseRect.right, m_baseRect.bottom);
  SetRotationKeepCentre(sine, cosine);
}

void CQuadTracker::SetRotationKeepCentre(double sine, double cosine) {
  const CDoubleRect& r = m_baseRect;
  m_corners = {CDoublePoint{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
  for (CDoublePoint& corner : m_corners) corner = RotatePoint(corner - m_centre, sine, cosine) + m_centre;
  MidPointsFromCorners();
  m_cosine = cosine;
  m_sine = sine;
}

void CQuadTracker::Translate(double dx, double dy) {
  m_baseRect = {m_baseRect.left - dx, m_baseRect.top - dy, m_baseRect.right - dx, m_baseRect.bottom - dy};
  for (CDoublePoint& corner : m_corners) corner = {corner.x - dx, corner.y - dy};
  for (CDoublePoint& midPoint : m_midPoints) midPoint = {midPoint.x - dx, midPoint.y - dy};
}

void CQuadTracker::RecomputeCentre() {
  m_centre = Average(m_corners[0], m_corners[2]);
  MidPointsFromCorners();
}

void CQuadTracker::MidPointsFromCorners() {
  for (int k = 0; k < 4; ++k) m_midPoints[k] = Average(m_corners[k], m_corners[(k + 1) % 4]);
}

CDoublePoint CQuadTracker::RotatePoint(CDoublePoint p, double sine, double cosine) {
  const double s = SnapRotationComponent(sine);
  const double c = SnapRotationComponent(cosine);
  return {p.x * c - p.y * s, p.x * s + p.y * c};
}

int CQuadTracker::HitTest(int x, int y) const {
  const CDoublePoint point(x, y);
  for (int k = 0; k < 4; ++k) {
    if (Distance(m_corners[k], point) <= kHandleHitDistance) return k;
  }
  if (m_showMidHandles) {
    for (int k = 0; k < 4; ++k) {
      if (Distance(m_midPoints[k], point) <= kHandleHitDistance) return 4 + k;
    }
  }
  return ContainsPoint(x, y) ? kHitInside : kHitNothing;
}

CPolygonRegion CQuadTracker::RoundedOutline() const {
  std::array<CPoint, 4> outline;
  for (int k = 0; k < 4; ++k) {
    outline[k] = {RoundHalfAwayFromZero(m_corners[k].x), RoundHalfAwayFromZero(m_corners[k].y)};
  }
  return CPolygonRegion(outline);
}

bool CQuadTracker::ContainsPoint(int x, int y) const { return RoundedOutline().PtInRegion(x, y); }

CRect CQuadTracker::GetBoundingRect() const { return RoundedOutline().GetRgnBox(); }

CDoubleSize CQuadTracker::GetSizeExact() const {
  return {Distance(m_corners[0], m_corners[1]), Distance(m_corners[1], m_corners[2])};
}

CSize CQuadTracker::GetSize() const {
  const CDoubleSize exact = GetSizeExact();
  return {RoundHalfAwayFromZero(exact.cx), RoundHalfAwayFromZero(exact.cy)};
}

CPoint CQuadTracker::GetTopLeft() const {
  return {RoundHalfAwayFromZero(m_corners[0].x), RoundHalfAwayFromZero(m_corners[0].y)};
}

// The document point relative to the box centre is turned back by the
// rotation, scaled to image pixels and moved to the image centre; the 0.5
// makes the truncation round to the nearest pixel for the image's positive
// coordinates.
CPoint CQuadTracker::MapToImage(double x, double y, CSize imageSize) const {
  const CSize frame = GetSize();
  const double scaleX = static_cast<double>(imageSize.cx) / frame.cx;
  const double scaleY = static_cast<double>(imageSize.cy) / frame.cy;
  const CRect box = GetBoundingRect();
  const double px = x - box.left - (static_cast<double>(box.right) - box.left) / 2;
  const double py = y - box.top - (static_cast<double>(box.bottom) - box.top) / 2;
  return {TruncateToInt((px * m_cosine + py * m_sine) * scaleX + imageSize.cx / 2.0 + 0.5),
          TruncateToInt((py * m_cosine - px * m_sine) * scaleY + imageSize.cy / 2.0 + 0.5)};
}

// The inverse of MapToImage. It truncates with no rounding term, so a round
// trip may land one pixel short.
//
// Each image axis is unscaled by its own factor before the turn. Dividing the
// turned sum by one factor, (a cos - b sin) / sx, mixes the two scales and
// misplaces every point of a frame that is both turned and stretched unevenly.
// The sine term carries sx / sy instead, which is exactly 1 for an even
// stretch, so there the arithmetic is the plain (a cos - b sin) / sx.
CPoint CQuadTracker::MapFromImage(int u, int v, CSize imageSize) const {
  const CSize frame = GetSize();
  const double scaleX = static_cast<double>(imageSize.cx) / frame.cx;
  const double scaleY = static_cast<double>(imageSize.cy) / frame.cy;
  const CRect box = GetBoundingRect();
  const double a = u - imageSize.cx / 2.0;
  const double b = v - imageSize.cy / 2.0;
  const double x = (a * m_cosine - b * m_sine * (scaleX / scaleY)) / scaleX +
                   (static_cast<double>(box.right) - box.left) / 2 + box.left;
  const double y = (b * m_cosine + a * m_sine * (scaleY / scaleX)) / scaleY +
                   (static_cast<double>(box.bottom) - box.top) / 2 + box.top;
  return {TruncateToInt(x), TruncateToInt(y)};
}
