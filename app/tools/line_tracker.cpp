#include "app/tools/line_tracker.h"

#include "app/tools/tracker_undo_steps.h"

#include <cmath>

#include "platform/core/resource_module.h"

namespace {

// The differences are taken in doubles so that far-apart points cannot
// overflow an int; every int difference is exact there.
bool IsNear(CPoint handle, int x, int y, double distance) {
  const double dx = static_cast<double>(x) - handle.x;
  const double dy = static_cast<double>(y) - handle.y;
  return std::sqrt(dx * dx + dy * dy) <= distance;
}

}  // namespace

CLineTracker::CLineTracker(unsigned changePointsNameId) : m_changePointsNameId(changePointsNameId) {}

CLineTracker::~CLineTracker() = default;

void CLineTracker::PushUndo(const std::string& name) {
  m_history.Push(MakeLineUndoStep(name, *this));
}

void CLineTracker::PushUndoById(unsigned stringId) { PushUndo(LoadResourceString(stringId)); }

void CLineTracker::SetPoints(int x0, int y0, int x1, int y1) {
  m_point0 = {x0, y0};
  m_point1 = {x1, y1};
}

void CLineTracker::SetViewMapping(int originX, int originY, double zoom) {
  m_viewMapping = {originX, originY, zoom};
}

int CLineTracker::HitTest(int x, int y) const {
  if (IsNear(m_point0, x, y, kHandleHitDistance)) return 0;
  if (IsNear(m_point1, x, y, kHandleHitDistance)) return 1;
  return kHitNothing;
}
