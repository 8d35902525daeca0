#include "controls/dib_list_drags.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr int kPanningDistance = 10;

int Along(const CDibListGeometry& geometry, CPoint point) { return geometry.IsVertical() ? point.y : point.x; }

}  // namespace

DibListScroll CThumbTracking::OnMove(CPoint point) {
  int moved = Along(m_geometry, point) - Along(m_geometry, m_accepted);
  if (std::abs(moved) < m_geometry.ThumbStep()) return DibListScroll::None;
  m_accepted = point;
  return m_geometry.UpdateScroll(m_geometry.ThumbPosition() + moved);
}

DibListScroll CPanning::OnMove(CPoint point) {
  int moved = Along(m_geometry, point) - Along(m_geometry, m_reference);
  if (std::abs(moved) <= kPanningDistance) return DibListScroll::None;
  m_reference = point;
  int top = m_geometry.TopLine();
  if (moved > 0) top = std::max(0, top - 1);
  else if (top + m_geometry.VisibleLines() < m_geometry.TotalLines()) ++top;
  return m_geometry.ScrollToLine(top);
}
