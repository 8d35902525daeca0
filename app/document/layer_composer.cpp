#include "app/document/layer_composer.h"

namespace {

// The layer's box (its rounded outline's bounding box) and its size before
// the turn fix where and how large the image lands.
std::unique_ptr<CDib> PushLayerUnder(const CLayer& layer, std::unique_ptr<CDib> under, CPoint corner) {
  CDibAlpha* image = layer.GetImage();
  if (!image || image->IsEmpty()) return under;
  const CRect box = layer.GetBoundingRect();
  const CSize size = layer.GetSize();
  if (size.cx <= 0 || size.cy <= 0 || box.IsRectEmpty()) return under;
  std::unique_ptr<CDib> result(image->PutUnderRectTransform(
      under.get(), CPoint(box.left - corner.x, box.top - corner.y), CRect(0, 0, under->Width(), under->Height()),
      layer.GetSine(), layer.GetCosine(), size, box.Size()));
  return result ? std::move(result) : std::move(under);
}

}  // namespace

std::unique_ptr<CDib> PushLayersUnder(std::span<const CLayer* const> layers, std::unique_ptr<CDib> under,
                                      CPoint corner) {
  for (const CLayer* layer : layers) {
    if (!under) break;
    under = PushLayerUnder(*layer, std::move(under), corner);
  }
  return under;
}
