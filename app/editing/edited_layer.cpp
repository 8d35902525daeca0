#include "app/editing/edited_layer.h"

#include "app/document/kelvora_doc.h"

CLayer* EditedLayer(const CKelvoraDoc& document, const CEditMode& mode) {
  if (mode.currentKind >= 0) return document.GetCurrentLayer();
  if (mode.photoMode) return document.GetPhotoLayer();
  if (mode.makeupMode) return document.GetMakeupLayer();
  return nullptr;
}
