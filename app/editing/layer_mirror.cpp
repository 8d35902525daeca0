#include "app/editing/layer_mirror.h"

#include <vector>

#include "app/document/kelvora_doc.h"

bool MirrorLayer(CLayer& layer, MirrorAxis axis) {
  CDibAlpha* image = layer.GetImage();
  if (!image || image->IsEmpty()) return false;
  const bool flipped = axis == MirrorAxis::leftRight ? image->Rotate_FlipHorizontal() : image->Rotate_FlipVertical();
  if (!flipped) return false;
  layer.SetRotation(-layer.GetSine(), layer.GetCosine());
  layer.ClearUndo();
  layer.ClearRedo();
  return true;
}

bool MirrorEditedLayers(CKelvoraDoc& document, const CEditMode& mode, MirrorAxis axis) {
  std::vector<CLayer*> layers;
  if (mode.photoMode || mode.makeupMode) {
    if (!document.HasPhoto(true)) return false;
    layers = {document.GetPhotoLayer(), document.GetMakeupLayer()};
  } else if (mode.currentKind >= 0) {
    layers = {document.GetCurrentLayer()};
  }
  if (layers.empty()) return false;
  CDocumentHost& host = document.Host();
  host.BeginWaitCursor();
  bool mirrored = false;
  for (CLayer* layer : layers) {
    if (!layer) continue;
    const CRect before = layer->GetBoundingRect();
    if (!MirrorLayer(*layer, axis)) continue;
    mirrored = true;
    CRect area;
    area.UnionRect(before, layer->GetBoundingRect());
    document.UpdateView(area);
  }
  host.EndWaitCursor();
  return mirrored;
}
