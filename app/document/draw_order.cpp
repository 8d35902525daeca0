#include "app/document/draw_order.h"

#include "app/document/projection.h"

namespace {

constexpr DrawPosition kFaceOrder[] = {
    {DrawPosition::photo, 0},
    {DrawPosition::item, kKindNose},
    {DrawPosition::makeup, 0},
    {DrawPosition::item, kKindEyebrow},
    {DrawPosition::item, kKindMoustache},
    {DrawPosition::item, kKindAccessories},
    {DrawPosition::item, kKindGlasses},
    {DrawPosition::item, kKindHairstyle},
    {DrawPosition::item, kKindHeadDress},
};

constexpr DrawPosition kBodyOrder[] = {
    {DrawPosition::photo, 0},
    {DrawPosition::item, kKindBreast},
    {DrawPosition::makeup, 0},
};

}  // namespace

std::span<const DrawPosition> DrawOrderOf(bool bodySet) {
  if (bodySet) return kBodyOrder;
  return kFaceOrder;
}

std::vector<const CLayer*> LayersInDrawOrder(const CProjection& projection, bool bodySet) {
  std::vector<const CLayer*> layers;
  for (const DrawPosition& position : DrawOrderOf(bodySet)) {
    const CLayer* layer = nullptr;
    switch (position.what) {
      case DrawPosition::photo: layer = projection.GetPhoto(); break;
      case DrawPosition::makeup: layer = projection.GetMakeup(); break;
      case DrawPosition::item: layer = projection.GetSlot(position.kind); break;
    }
    if (layer && layer->GetImage() && !layer->GetImage()->IsEmpty()) layers.push_back(layer);
  }
  return layers;
}
