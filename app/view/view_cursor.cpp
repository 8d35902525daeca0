#include "app/view/view_cursor.h"

#include "app/view/key_point_tooltips.h"

namespace {

CViewCursor Tool(ViewToolCursor tool) { return {CViewCursor::Kind::tool, tool, {}}; }

CViewCursor Tracker(const CTrackerCursor& cursor) {
  if (!cursor.IsSet()) return {};
  return {CViewCursor::Kind::tracker, ViewToolCursor::zoom, cursor};
}

// A frame's handles; where the frame offers none, the rotation cursor when a
// press there turns it (item layers), else the arrow.
CViewCursor FrameCursor(const CQuadTracker& frame, CPoint p, bool outsideRotates) {
  const CTrackerCursor handle = frame.SetHandleCursor(p.x, p.y);
  if (handle.kind != CTrackerCursor::Kind::none || !outsideRotates) return Tracker(handle);
  return Tracker(frame.SetRotateCursor(p.x, p.y));
}

// The key-point lines' ends come before the face frame's handles, as a press
// on a point drags the point.
CViewCursor FaceRectangleCursor(const CKelvoraDoc& document, CPoint p) {
  const int index = document.GetProjectionIndex(-1);
  const CProjection* projection = const_cast<CKelvoraDoc&>(document).GetProjection(index);
  if (!projection) return {};
  const ProjectionHandles handles = HandlesOfProjection(index);
  for (const auto& [shown, line] : {std::pair{handles.eyesLine, &projection->EyesLine()},
                                    std::pair{handles.lipsLine, &projection->LipsLine()},
                                    std::pair{handles.underarmLine, &projection->UnderarmLine()}}) {
    if (!shown) continue;
    const CTrackerCursor cursor = line->SetPointCursor(p.x, p.y);
    if (cursor.kind != CTrackerCursor::Kind::none) return Tracker(cursor);
  }
  if (handles.faceFrame && document.GetMode() == kFaceSet) return FrameCursor(projection->FaceFrame(), p, false);
  return {};
}

}  // namespace

CViewCursor ViewCursorAt(const CKelvoraDoc& document, const CViewMode& mode, bool layerFramesVisible, CPoint p) {
  const CEditMode& edit = mode.edit;
  if (mode.zoomTool) return Tool(ViewToolCursor::zoom);
  CProjection* projection = const_cast<CKelvoraDoc&>(document).GetProjection(-1);
  if (edit.hairStretchTool) {
    const CQuadTracker* stretch = projection ? projection->StretchFrame(edit.currentKind) : nullptr;
    return stretch ? FrameCursor(*stretch, p, false) : CViewCursor{};
  }
  if (edit.faceRectangleTool) return FaceRectangleCursor(document, p);
  if (mode.eyedropper || mode.ownColourEyedropper) return Tool(ViewToolCursor::eyedropper);
  switch (mode.hairTool) {
    case HairTool::comb: return Tool(ViewToolCursor::comb);
    case HairTool::snippers: return Tool(ViewToolCursor::snippers);
    case HairTool::brush: return Tool(ViewToolCursor::brush);
    case HairTool::spray: return Tool(ViewToolCursor::spray);
    case HairTool::none: break;
  }
  if (document.GetActiveTool()) return {CViewCursor::Kind::activeTool, ViewToolCursor::zoom, {}};
  if (edit.currentKind >= 0) {
    const CLayer* layer = document.GetCurrentLayer();
    if (!layer) return {CViewCursor::Kind::unchanged, ViewToolCursor::zoom, {}};
    return layerFramesVisible ? FrameCursor(*layer, p, true) : CViewCursor{};
  }
  if (edit.photoMode || edit.makeupMode) {
    const CLayer* layer = edit.photoMode ? document.GetPhotoLayer() : document.GetMakeupLayer();
    if (!layer || !layerFramesVisible) return {};
    // Only corners and the inside take a press on these two.
    const int hit = layer->HitTest(p.x, p.y);
    if (hit >= 4 && hit <= 7) return {};
    return FrameCursor(*layer, p, false);
  }
  if (edit.printAreaTool && projection && projection->HasPhoto()) return FrameCursor(projection->PrintArea(), p, false);
  return {};
}
