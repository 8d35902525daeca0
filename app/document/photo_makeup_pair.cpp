#include "app/document/photo_makeup_pair.h"

void KeepPhotoAndMakeupTogether(CKelvoraDoc& document, const CLayer* moved) {
  CLayer* photo = document.GetPhotoLayer();
  CLayer* makeup = document.GetMakeupLayer();
  if (!moved) return;
  CLayer* follower = moved == photo ? makeup : moved == makeup ? photo : nullptr;
  if (!follower) return;
  const CRect box = moved->GetBoundingRect();
  follower->SetRect(box.left, box.top, box.right, box.bottom);
  follower->SetRotation(0.0, 1.0);
}
