#include "app/document/projection_render.h"

#include <vector>

#include "app/document/draw_order.h"
#include "app/document/layer_composer.h"

namespace {

constexpr unsigned long kWhite = 0xFFFFFF;

}  // namespace

std::unique_ptr<CDib> RenderProjectionLayers(const CProjection& projection, bool bodySet, const CRect* area,
                                             CDib* base) {
  const CLayer* photo = projection.GetPhoto();
  if (!photo) return nullptr;
  CRect wanted = area ? *area : photo->GetBoundingRect();
  wanted.NormalizeRect();

  // Without a base the white raster covers just the part asked for: every
  // pixel of a larger white base outside it would be cut away anyway.
  CRect part;
  std::unique_ptr<CDib> under;
  if (base) {
    if (!part.IntersectRect(wanted, CRect(0, 0, base->Width(), base->Height()))) return nullptr;
    under.reset(base->Edit_Copy(part));
  } else {
    CRect bounds;
    bounds.UnionRect(wanted, photo->GetBoundingRect());
    if (!part.IntersectRect(wanted, bounds)) return nullptr;
    under = std::make_unique<CDib>();
    if (!under->Create(part.Size(), kWhite)) return nullptr;
  }
  if (!under) return nullptr;

  std::vector<const CLayer*> noted;
  for (const CLayer* layer : LayersInDrawOrder(projection, bodySet)) {
    CRect common;
    if (common.IntersectRect(layer->GetBoundingRect(), part)) noted.push_back(layer);
  }
  return PushLayersUnder(noted, std::move(under), part.TopLeft());
}
