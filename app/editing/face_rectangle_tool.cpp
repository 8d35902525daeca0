#include "app/editing/face_rectangle_tool.h"

namespace {

bool LineMoved(const CLineTracker& line, CPoint p0, CPoint p1) {
  return line.GetPoint0() != p0 || line.GetPoint1() != p1;
}

}  // namespace

CTrackerDrag* CFaceRectangleTool::Press(CPoint p, const CViewMapping& mapping) {
  m_drag.reset();
  m_target = Target::none;
  m_line = nullptr;
  const int index = m_document.GetProjectionIndex(-1);
  CProjection* projection = m_document.GetProjection(index);
  if (!projection) return nullptr;

  if (index == kBodyProjection) {
    if (projection->UnderarmLine().HitTest(p.x, p.y) < 0) return nullptr;
    m_target = Target::underarm;
    m_line = &projection->UnderarmLine();
  } else if ((index == 0 || index == 1) && projection->EyesLine().HitTest(p.x, p.y) >= 0) {
    m_target = Target::eyes;
    m_line = &projection->EyesLine();
  } else if (index == 0 && projection->LipsLine().HitTest(p.x, p.y) >= 0) {
    m_target = Target::lips;
    m_line = &projection->LipsLine();
  } else {
    CQuadTracker& frame = projection->FaceFrame();
    frame.SetViewMapping(mapping.originX, mapping.originY, mapping.zoom);
    m_target = Target::faceFrame;
    m_drag = MakeQuadDrag(frame, frame.HitTest(p.x, p.y));
    return m_drag.get();
  }
  m_line->SetViewMapping(mapping.originX, mapping.originY, mapping.zoom);
  m_point0 = m_line->GetPoint0();
  m_point1 = m_line->GetPoint1();
  m_drag = std::make_unique<CLinePointDrag>(*m_line);
  return m_drag.get();
}

bool CFaceRectangleTool::Release(bool ended) {
  if (!m_drag) return false;
  m_drag.reset();
  CProjection* projection = m_document.GetProjection(-1);
  const Target target = m_target;
  m_target = Target::none;
  if (!projection || target == Target::none) return false;

  if (target == Target::faceFrame) {
    if (!ended) return false;
    const std::string name = projection->FaceFrame().GetUndoName();
    projection->EyesLine().PushUndo(name);
    projection->LipsLine().PushUndo(name);
    return true;
  }
  const bool moved = LineMoved(*m_line, m_point0, m_point1);
  if (target == Target::underarm) {
    m_document.SetAutoColour(moved);
    return moved;
  }
  if (!ended) return false;  // the press found no point: no step was pushed
  if (moved) m_document.SetAutoColour(true);
  const std::string name = m_line->GetUndoName();
  projection->FaceFrame().PushGeometryUndo(name);
  (target == Target::eyes ? projection->LipsLine() : projection->EyesLine()).PushUndo(name);
  return moved;
}
