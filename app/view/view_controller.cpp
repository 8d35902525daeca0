// Mouse dispatch of the view: the first rule that fits the armed tools and
// the mode takes the press.
#include "app/view/view_controller.h"

#include <memory>

#include "app/document/item_kinds.h"
#include "app/editing/edited_layer.h"

namespace {


bool IsCornerHit(int hit) { return hit >= 0 && hit <= 3; }
bool IsSideHit(int hit) { return hit >= 4 && hit <= 7; }

}  // namespace

int EyedropperSquareSide(int thickness) {
  static constexpr int kSides[] = {1, 2, 5, 8, 11, 15};
  return thickness >= 1 && thickness <= 6 ? kSides[thickness - 1] : 30;
}

void CViewController::UpdateMapping() {
  m_state.ClampScroll();
  m_document.SetViewMapping(m_state.Scroll().x, m_state.Scroll().y, m_state.Zoom());
}

bool CViewController::OnKeyDown(int key, int repeats, bool& repaint) {
  repaint = false;
  if (!m_document.GetActiveTool()) return false;
  repaint = m_tools.ActiveToolKeyDown(key, repeats);
  return true;
}

bool CViewController::OnKeyUp(int key, bool& repaint) {
  repaint = false;
  if (!m_document.GetActiveTool()) return false;
  repaint = m_tools.ActiveToolKeyUp(key);
  return true;
}

CViewCursor CViewController::CursorAt(CPoint client) const {
  return ViewCursorAt(m_document, m_mode, m_layerFramesVisible, m_state.ClientToDocument(client));
}

CLayer* CViewController::TargetLayer() const { return EditedLayer(m_document, m_mode.edit); }

CQuadTracker* CViewController::EditedFrame() const {
  CProjection* projection = const_cast<CKelvoraDoc&>(m_document).GetProjection(-1);
  if (!projection) return nullptr;
  const CEditMode& edit = m_mode.edit;
  if (edit.faceRectangleTool) return m_document.GetMode() == kFaceSet ? &projection->FaceFrame() : nullptr;
  if (edit.printAreaTool) return projection->HasPhoto() ? &projection->PrintArea() : nullptr;
  if (!m_layerFramesVisible) return nullptr;
  if (edit.photoMode) return m_document.GetPhotoLayer();
  if (edit.makeupMode) return m_document.GetMakeupLayer();
  if (edit.currentKind >= 0) return projection->GetSlot(edit.currentKind);
  return nullptr;
}

CQuadTracker* CViewController::ShownStretchFrame() const {
  const CEditMode& edit = m_mode.edit;
  if (!edit.hairStretchTool || edit.faceRectangleTool || edit.printAreaTool || edit.photoMode || edit.makeupMode)
    return nullptr;
  CProjection* projection = const_cast<CKelvoraDoc&>(m_document).GetProjection(-1);
  if (!projection || !projection->GetSlot(edit.currentKind)) return nullptr;
  return projection->StretchFrame(edit.currentKind);
}

bool CViewController::Zoom(CPoint documentPoint, bool in) {
  if (!(in ? m_state.ZoomIn() : m_state.ZoomOut())) return false;
  m_state.CentreOn(documentPoint);
  UpdateMapping();
  m_window.Repaint();
  return true;
}

bool CViewController::PickColour(CPoint p, bool ownColour) {
  const int side = EyedropperSquareSide(m_mode.eyedropperThickness);
  std::unique_ptr<CDib> square = m_document.RenderCurrent(CRect(p.x, p.y, p.x + side, p.y + side));
  unsigned long colour = 0;
  if (!square || !square->CalcMiddleColor(nullptr, &colour)) return false;
  if (!ownColour) {
    m_tools.OnPickedColour(static_cast<COLORREF>(colour));
    return false;
  }
  const int kind = m_mode.edit.currentKind;
  CLayer* layer = m_document.GetCurrentLayer();
  if ((kind == kKindNose || kind == kKindBreast) && layer) {
    layer->SetFilter(colour, layer->GetFilterStrength(), layer->GetFilterNumber());
    layer->ApplyAdjustments();
    m_ownColourApplied = true;
    m_document.UpdateView(layer->GetBoundingRect());
    return true;
  }
  m_tools.OnOwnColourForFilter(static_cast<COLORREF>(colour));
  return false;
}

bool CViewController::DragAndRecompose(CQuadTracker& frame, CLayer* layer, CPoint p, bool rightButton,
                                       bool allowSides, bool allowRotate) {
  const int hit = frame.HitTest(p.x, p.y);
  if (hit == CQuadTracker::kHitNothing && !allowRotate) return false;
  if (IsSideHit(hit) && !allowSides) return false;
  const CRect before = frame.GetBoundingRect();
  if (layer && !rightButton) {
    m_document.BeginLayerDrag(*layer);
    m_liveDrag = LiveDrag{layer, before, before};
  }
  const bool changed = m_window.DragFrame(frame, p, hit, rightButton);
  CRect touched = before;
  if (m_liveDrag) {
    touched = m_liveDrag->touched;
    m_liveDrag.reset();
    m_document.EndLayerDrag();
  }
  // Composed once more without the kept layers, so the picture is exactly
  // what a whole recomposition gives.
  if (layer && (changed || touched != before)) m_document.UpdateView(UnionOf(UnionOf(before, touched), frame.GetBoundingRect()));
  return changed;
}

void CViewController::FrameMoved() {
  if (!m_liveDrag) return;
  const CRect now = m_liveDrag->layer->GetBoundingRect();
  const CRect changed = UnionOf(m_liveDrag->shown, now);
  m_liveDrag->shown = now;
  m_liveDrag->touched = UnionOf(m_liveDrag->touched, now);
  m_document.UpdateView(changed);
}

bool CViewController::OnLeftButtonDown(CPoint client) {
  const CPoint p = m_state.ClientToDocument(client);
  const CEditMode& edit = m_mode.edit;
  if (m_mode.zoomTool) return Zoom(p, true);
  if (edit.faceRectangleTool) return m_tools.FaceRectanglePress(p);
  if (edit.hairStretchTool) return m_tools.HairStretchPress(p, false);
  if (m_mode.eyedropper) return PickColour(p, false);
  if (m_mode.ownColourEyedropper) return PickColour(p, true);

  CContour* active = m_document.GetActiveTool();
  if (!active) {
    CLayer* target = TargetLayer();
    if (m_mode.hairTool != HairTool::none) return target && m_tools.HairToolPress(*target, p);
    if (edit.currentKind >= 0) {
      CLayer* layer = m_document.GetCurrentLayer();
      return layer && m_layerFramesVisible && DragAndRecompose(*layer, layer, p, false, true, true);
    }
    if (edit.photoMode || edit.makeupMode) {
      CLayer* layer = edit.photoMode ? m_document.GetPhotoLayer() : m_document.GetMakeupLayer();
      if (!layer || !m_layerFramesVisible) return false;
      const CRect before = layer->GetBoundingRect();
      const int hit = layer->HitTest(p.x, p.y);
      if (!IsCornerHit(hit) && hit != CQuadTracker::kHitInside) return false;
      if (!m_window.DragFrame(*layer, p, hit, false)) return false;
      CLayer* other = edit.photoMode ? m_document.GetMakeupLayer() : m_document.GetPhotoLayer();
      const CRect after = layer->GetBoundingRect();
      if (other) {
        other->SetRect(after.left, after.top, after.right, after.bottom);
        other->SetRotation(0.0, 1.0);
      }
      m_document.UpdateView(UnionOf(before, after));
      return true;
    }
    if (edit.printAreaTool) {
      CProjection* projection = m_document.GetProjection(-1);
      return projection && projection->HasPhoto() &&
             DragAndRecompose(projection->PrintArea(), nullptr, p, false, true, false);
    }
    return false;
  }
  return m_tools.ActiveToolPress(p);
}

bool CViewController::OnRightButtonDown(CPoint client) {
  const CPoint p = m_state.ClientToDocument(client);
  const CEditMode& edit = m_mode.edit;
  if (m_mode.zoomTool) return Zoom(p, false);
  if (edit.hairStretchTool) {
    m_tools.HairStretchPress(p, true);
    return true;
  }
  if (edit.currentKind >= 0) {
    CLayer* layer = m_document.GetCurrentLayer();
    if (layer && m_layerFramesVisible) {
      const int hit = layer->HitTest(p.x, p.y);
      const CRect before = layer->GetBoundingRect();
      if ((IsCornerHit(hit) || IsSideHit(hit)) && m_window.DragFrame(*layer, p, hit, true)) {
        m_document.UpdateView(UnionOf(before, layer->GetBoundingRect()));
        return true;
      }
    }
  }
  if (m_window.Pan(client)) return true;
  m_window.ShowContextMenu(client);
  return false;
}
