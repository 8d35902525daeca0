#include "app/editing/hair_stretch_tool.h"

#include <cmath>

#include "app/document/item_kinds.h"
#include "app/tools/undo_step.h"
#include "platform/core/resource_module.h"

namespace {

bool IsCornerOrSide(int hit) { return hit >= 0 && hit <= 7; }

}  // namespace

CRect MapStretchFrameToLayer(const CLayer& layer, const CQuadTracker& stretch) {
  const CDibAlpha* image = layer.GetImage();
  if (!image || stretch.GetSine() != layer.GetSine() || stretch.GetCosine() != layer.GetCosine())
    return CRect(0, 0, 0, 0);
  const CSize layerSize = layer.GetSize();
  const CSize stretchSize = stretch.GetSize();
  if (layerSize.cx <= 0 || layerSize.cy <= 0) return CRect(0, 0, 0, 0);
  const CSize imageSize = image->GetSize();
  const CPoint corner = stretch.GetTopLeft();
  const CPoint at = layer.MapToImage(corner.x, corner.y, imageSize);
  const double scaleX = static_cast<double>(imageSize.cx) / layerSize.cx;
  const double scaleY = static_cast<double>(imageSize.cy) / layerSize.cy;
  return CRect(at.x, at.y, at.x + TruncateToInt(stretchSize.cx * scaleX),
               at.y + TruncateToInt(stretchSize.cy * scaleY));
}

CRect StretchLayerPixels(CLayer& layer, CQuadTracker& stretch, const CRect& from, const CRect& to) {
  CDibAlpha* image = layer.GetImage();
  if (!image || from.IsRectEmpty() || to.IsRectEmpty()) return CRect();
  std::unique_ptr<CDib> part(image->Edit_Copy(from));
  std::unique_ptr<CDib> scaled(part ? part->Zoom(to.Size()) : nullptr);
  if (!scaled) return CRect();

  const CRect changed = UnionOf(from, to);
  layer.BeginEdit();
  layer.AddEditRect(changed.left, changed.top, changed.right, changed.bottom);
  layer.PushUndoById(kDeformStepNameId);
  if (stretch.CanUndo()) stretch.RenameNewestUndoStep(layer.GetUndoName());
  image->Edit_Paste(scaled.get(), to.TopLeft());
  return layer.MapImageRectToDocument(changed);
}

CTrackerDrag* CHairStretchTool::Press(CPoint p, bool rightButton, int kind, const CViewMapping& mapping) {
  m_drag.reset();
  m_layer = nullptr;
  CProjection* projection = m_document.GetProjection(-1);
  if (!projection || kind < 0 || kind >= kSlotCount) return nullptr;
  CLayer* layer = projection->GetSlot(kind);
  CQuadTracker* stretch = projection->StretchFrame(kind);
  if (!layer || !stretch) return nullptr;

  stretch->SetViewMapping(mapping.originX, mapping.originY, mapping.zoom);
  const int hit = stretch->HitTest(p.x, p.y);
  if (rightButton) {
    m_from = MapStretchFrameToLayer(*layer, *stretch);
    if (m_from.IsRectEmpty() || !IsCornerOrSide(hit)) return nullptr;
  } else if (hit == CQuadTracker::kHitNothing) {
    return nullptr;
  }
  m_drag = MakeQuadDrag(*stretch, hit);
  if (!m_drag) return nullptr;
  m_layer = layer;
  m_stretch = stretch;
  m_rightButton = rightButton;
  return m_drag.get();
}

bool CHairStretchTool::Release(bool changed) {
  if (!m_drag || !m_layer) return false;
  m_drag.reset();
  CLayer* layer = m_layer;
  m_layer = nullptr;
  // A click that left the frame as it was stretches nothing: renaming the
  // frame's newest step would otherwise pair an older, unrelated change
  // with a "Deform" of unchanged pixels.
  if (!m_rightButton || !changed) return changed;

  m_document.Host().BeginWaitCursor();
  const CRect to = MapStretchFrameToLayer(*layer, *m_stretch);
  const CRect dirty = StretchLayerPixels(*layer, *m_stretch, m_from, to);
  if (!dirty.IsRectEmpty()) m_document.UpdateView(layer->GetBoundingRect());
  m_document.Host().EndWaitCursor();
  return true;
}
