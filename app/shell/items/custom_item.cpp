// Resampling a layer into the custom item's picture. Each picture pixel's
// centre is taken back through the reference's frame to the document and
// from there into the layer's picture (nearest pixel), so a turned layer on
// a turned face comes out upright relative to the face. The layer's own
// colours and transparency are copied, not its colour table: the document
// carries the adjustments of the layer an item replaces over to it, and a
// baked table would apply them twice.
#include "app/shell/items/custom_item.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "app/bases/custom_thumbnail.h"
#include "app/bases/item_record.h"
#include "platform/core/memory_block.h"

namespace {

constexpr int kJpegQuality = 85;
constexpr double kLargestSide = 16384;

CDoublePoint Turn(CDoublePoint p, double sine, double cosine) {
  return {p.x * cosine - p.y * sine, p.x * sine + p.y * cosine};
}

// The layer's picture coordinates of a document point, through the frame's
// corners (0 top-left, 1 top-right, 3 bottom-left).
struct LayerMapping {
  explicit LayerMapping(const CLayer& layer, CSize picture)
      : origin(layer.GetCorner(0)), across(layer.GetCorner(1) - layer.GetCorner(0)),
        down(layer.GetCorner(3) - layer.GetCorner(0)), size(picture) {
    determinant = across.x * down.y - across.y * down.x;
  }
  bool Valid() const { return determinant != 0; }
  bool Map(CDoublePoint p, int* u, int* v) const {
    const CDoublePoint d = p - origin;
    const double a = (d.x * down.y - d.y * down.x) / determinant;
    const double b = (across.x * d.y - across.y * d.x) / determinant;
    const double x = std::floor(a * size.cx), y = std::floor(b * size.cy);
    if (x < 0 || y < 0 || x >= size.cx || y >= size.cy) return false;
    *u = static_cast<int>(x);
    *v = static_cast<int>(y);
    return true;
  }
  CDoublePoint origin, across, down;
  CSize size;
  double determinant = 0;
};

}  // namespace

std::optional<CustomItem> MakeCustomItem(const CKelvoraDoc& document, const CLayer& layer, int layerNumber,
                                         const std::string& name) {
  const CProjection* projection = document.GetProjection(-1);
  CDibAlpha* source = layer.GetImage();
  if (!projection || !source || source->IsEmpty() || !IsItemKind(layerNumber)) return std::nullopt;
  const CKelvoraDoc::FitReference reference = CKelvoraDoc::ReferenceFor(*projection, layerNumber);
  const double edge = std::hypot(reference.corner1.x - reference.corner0.x, reference.corner1.y - reference.corner0.y);
  const int wholeEdge = static_cast<int>(std::lround(edge));
  if (!(edge > 0) || wholeEdge < 1) return std::nullopt;
  const double scale = wholeEdge / edge;  // picture pixels per document unit
  const LayerMapping mapping(layer, source->GetSize());
  if (!mapping.Valid()) return std::nullopt;

  // The layer's corners in the reference's upright frame, in picture pixels.
  double left = INFINITY, top = INFINITY, right = -INFINITY, bottom = -INFINITY;
  for (int k = 0; k < 4; ++k) {
    const CDoublePoint local = Turn(layer.GetCorner(k) - reference.corner0, -reference.sine, reference.cosine);
    left = std::min(left, local.x * scale), right = std::max(right, local.x * scale);
    top = std::min(top, local.y * scale), bottom = std::max(bottom, local.y * scale);
  }
  left = std::floor(left), top = std::floor(top);
  const double width = std::max(1.0, std::ceil(right) - left), height = std::max(1.0, std::ceil(bottom) - top);
  if (width > kLargestSide || height > kLargestSide || width * height * 4 > static_cast<double>(kMaxMemoryBlockBytes))
    return std::nullopt;

  CustomItem item;
  item.image = std::make_unique<CDibAlpha>();
  if (!item.image->Create(CSize(static_cast<int>(width), static_cast<int>(height)), 0xFFFFFFUL)) return std::nullopt;
  unsigned char* to = item.image->LockBits();
  unsigned char* toAlpha = item.image->LockAlpha();
  unsigned char* from = source->LockBits();
  unsigned char* fromAlpha = source->LockAlpha();
  const int toHeight = item.image->Height(), toRow = item.image->RowLength();
  const int fromHeight = source->Height(), fromRow = source->RowLength(), fromWidth = source->Width();
  for (int y = 0; to && toAlpha && from && y < toHeight; ++y) {
    unsigned char* row = to + static_cast<std::ptrdiff_t>(toHeight - 1 - y) * toRow;
    for (int x = 0; x < item.image->Width(); ++x) {
      const CDoublePoint local((left + x + 0.5) / scale, (top + y + 0.5) / scale);
      const CDoublePoint turned = Turn(local, reference.sine, reference.cosine);
      int u, v;
      if (!mapping.Map(CDoublePoint(reference.corner0.x + turned.x, reference.corner0.y + turned.y), &u, &v))
        continue;
      const unsigned char* pixel = from + static_cast<std::ptrdiff_t>(fromHeight - 1 - v) * fromRow + 3 * u;
      std::memcpy(row + 3 * x, pixel, 3);
      toAlpha[static_cast<std::size_t>(y) * item.image->Width() + x] =
          fromAlpha ? fromAlpha[static_cast<std::size_t>(v) * fromWidth + u] : 0;
    }
  }
  if (from) source->UnlockBits();
  if (fromAlpha) source->UnlockAlpha();
  if (to) item.image->UnlockBits();
  if (toAlpha) item.image->UnlockAlpha();
  if (!to || !toAlpha || !from) return std::nullopt;

  item.thumbnail = MakeCustomItemThumbnail(*item.image);
  if (!item.thumbnail) return std::nullopt;
  SetCustomItemNameAndLayer(item.record, name, layerNumber);
  item.record.projection = static_cast<std::uint16_t>(document.GetRememberedProjection(document.GetMode()));
  const int anchorX = static_cast<int>(-left), anchorY = static_cast<int>(-top);
  SetItemPlacement(item.record, CRect(anchorX, anchorY, anchorX + wholeEdge, anchorY));
  return item;
}

bool AddToCustomBase(CBaseDatabase& customBase, const CKelvoraDoc& document, const CLayer& layer, int layerNumber,
                     const std::string& name) {
  if (!customBase.IsOpen() || customBase.IsReadOnly()) return false;
  std::optional<CustomItem> item = MakeCustomItem(document, layer, layerNumber, name);
  if (!item) return false;
  if (!customBase.AddItem(item->image.get(), item->thumbnail.get(), item->record, true, false, kJpegQuality, true))
    return false;
  if (customBase.Save()) return true;
  // The record did not reach the disk: read the base back as the file has it.
  const std::string path = customBase.GetPath();
  if (customBase.Open(path, false)) customBase.Load();
  return false;
}

bool RemoveFromCustomBase(CBaseDatabase& customBase, std::uint32_t imageOffset) {
  const int index = customBase.FindItemByImageOffset(imageOffset);
  if (index == CBaseDatabase::kNoItem || customBase.IsReadOnly()) return false;
  if (!customBase.DeleteItem(index)) return false;
  customBase.Compact();
  return true;
}
