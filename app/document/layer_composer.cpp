#include "app/document/layer_composer.h"

#include <cstring>

namespace {

// The layer's box (its rounded outline's bounding box) and its size before
// the turn fix where and how large the image lands.
std::unique_ptr<CDib> PushLayerUnder(const CLayer& layer, std::unique_ptr<CDib> under, CPoint corner) {
  CDibAlpha* image = layer.GetImage();
  if (!image || image->IsEmpty()) return under;
  const CRect box = layer.GetBoundingRect();
  const CSize size = layer.GetSize();
  if (size.cx <= 0 || size.cy <= 0 || box.IsRectEmpty()) return under;
  // In place: a new raster per layer would cost a full-surface allocation
  // and copy for every layer of every recomposition.
  image->PutUnderRectTransformInPlace(under.get(), CPoint(box.left - corner.x, box.top - corner.y), layer.GetSine(),
                                      layer.GetCosine(), size, box.Size());
  return under;
}

// What drawing `layer` with its box's corner at `at` of a raster of `area`'s size reads.
std::unique_ptr<CLayerSamples> SampleLayerAt(const CLayer& layer, CSize area, CPoint at) {
  CDibAlpha* image = layer.GetImage();
  const CRect box = layer.GetBoundingRect();
  const CSize size = layer.GetSize();
  if (!image || image->IsEmpty() || size.cx <= 0 || size.cy <= 0 || box.IsRectEmpty()) return nullptr;
  return image->SampleRectTransform(area, at, layer.GetSine(), layer.GetCosine(), size, box.Size());
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

std::unique_ptr<CLayerSamples> SampleLayer(const CLayer& layer, CSize area) {
  return SampleLayerAt(layer, area, layer.GetBoundingRect().TopLeft());
}

std::unique_ptr<SampledBox> SampleLayerBox(const CLayer& layer) {
  auto sampled = std::make_unique<SampledBox>();
  sampled->samples = SampleLayerAt(layer, layer.GetBoundingRect().Size(), CPoint(0, 0));
  if (!sampled->samples) return nullptr;
  sampled->image = layer.GetImage();
  sampled->boxSize = layer.GetBoundingRect().Size();
  sampled->size = layer.GetSize();
  sampled->sine = layer.GetSine();
  sampled->cosine = layer.GetCosine();
  sampled->opacity = layer.GetImageOpacity();
  return sampled;
}

bool PutSampledBoxUnder(const SampledBox& sampled, const CLayer& layer, CDib& under, CPoint corner) {
  const CRect box = layer.GetBoundingRect();
  const CRect inside(corner, under.GetSize());
  CRect common;
  if (layer.GetImage() != sampled.image || box.Size() != sampled.boxSize || layer.GetSize() != sampled.size ||
      layer.GetSine() != sampled.sine || layer.GetCosine() != sampled.cosine ||
      layer.GetImageOpacity() != sampled.opacity || !common.IntersectRect(box, inside) || common != box)
    return false;
  // Raster pixel (0, 0) is box point corner - box.TopLeft().
  sampled.samples->PutUnder(under, CPoint(corner.x - box.left, corner.y - box.top));
  return true;
}

bool CopyPartInto(CDib& source, const CRect& part, CDib& into) {
  if (part.IsRectEmpty() || part.left < 0 || part.top < 0 || part.right > source.Width() ||
      part.bottom > source.Height())
    return false;
  if (into.GetSize() != part.Size() && !into.Create(part.Size())) return false;
  const unsigned char* from = source.LockBits();
  unsigned char* to = into.LockBits();
  if (from && to) {
    // Rows are stored bottom-up: top-down row y of the part is stored row
    // height - 1 - (part.top + y) of the source.
    const std::size_t bytes = static_cast<std::size_t>(part.Width()) * 3;
    for (int y = 0; y < part.Height(); ++y) {
      const unsigned char* row =
          from + static_cast<std::size_t>(source.Height() - 1 - (part.top + y)) * source.RowLength() + 3 * part.left;
      std::memcpy(to + static_cast<std::size_t>(part.Height() - 1 - y) * into.RowLength(), row, bytes);
    }
  }
  if (to) into.UnlockBits();
  if (from) source.UnlockBits();
  return from && to;
}
