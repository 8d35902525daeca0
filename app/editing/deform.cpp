// The simulation as the document runs it. Contour vertices are document
// points; they reach the photo through its layer's frame, which is fitted to
// the window and so usually scaled.
#include "app/editing/deform.h"

#include <algorithm>
#include <cstring>

#include "app/document/kelvora_doc.h"
#include "app/document/layer.h"

namespace {

constexpr unsigned kModellingStep = 61795;

std::vector<CDoublePoint> Exact(const std::vector<CPoint>& points) {
  std::vector<CDoublePoint> exact;
  exact.reserve(points.size());
  for (CPoint p : points) exact.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
  return exact;
}

std::vector<CPoint> ToImage(const CLayer& layer, const std::vector<CPoint>& points, CSize size) {
  std::vector<CPoint> mapped;
  mapped.reserve(points.size());
  for (CPoint p : points) mapped.push_back(layer.MapToImage(p.x, p.y, size));
  return mapped;
}

}  // namespace

std::unique_ptr<CDib> WarpPhoto(CDib& photo, const std::vector<CPoint>& area, const std::vector<CPoint>& initial,
                                const std::vector<CPoint>& final, const WarpProgress& progress, bool* cancelled) {
  if (cancelled) *cancelled = false;
  if (photo.IsEmpty() || initial.size() < 2 || final.size() < 2 || area.size() < 3) return nullptr;
  const CPolygonRegion region(area);
  std::vector<CLinePair> pairs = AnchorLines(region, photo.Width(), photo.Height());
  const std::vector<CLinePair> contour = ContourLinePairs(Exact(initial), Exact(final));
  pairs.insert(pairs.end(), contour.begin(), contour.end());
  auto warped = std::make_unique<CDib>();
  if (!warped->Create(photo.GetSize(), 0xFFFFFFul)) return nullptr;
  if (!FieldWarp(photo, *warped, pairs, region, progress)) {
    if (cancelled) *cancelled = true;
    return nullptr;
  }
  return warped;
}

DeformResult Deform(CKelvoraDoc& document, const WarpProgress& progress) {
  document.Host().DisarmTools();
  document.SetActiveTool(nullptr);
  document.Host().RefreshViews();
  CLayer* photoLayer = document.GetPhotoLayer();
  CDeformContour* initial = document.GetInitialContour();
  CDeformContour* final = document.GetFinalContour();
  CDeformContour* area = document.GetDeformationArea();
  if (!photoLayer || !photoLayer->GetImage() || !initial || !final || !area || initial->GetVertexCount() < 2 ||
      final->GetVertexCount() < 2 || area->GetVertexCount() < 3)
    return DeformResult::notReady;

  CDibAlpha& photo = *photoLayer->GetImage();
  const CSize size = photo.GetSize();
  const std::vector<CPoint> areaPolygon = ToImage(*photoLayer, area->GetVertices(), size);
  bool cancelled = false;
  std::unique_ptr<CDib> warped = WarpPhoto(photo, areaPolygon, ToImage(*photoLayer, initial->GetVertices(), size),
                                           ToImage(*photoLayer, final->GetVertices(), size), progress, &cancelled);
  if (!warped) return cancelled ? DeformResult::cancelled : DeformResult::notReady;

  photoLayer->BeginEdit();
  const CRect box = CPolygonRegion(areaPolygon).GetRgnBox();
  photoLayer->AddEditRect(box.left, box.top, box.right, box.bottom);
  {
    unsigned char* to = photo.LockBits();
    unsigned char* from = warped->LockBits();
    if (to && from) std::memcpy(to, from, static_cast<std::size_t>(photo.RowLength()) * photo.Height());
    if (to) photo.UnlockBits();
    if (from) warped->UnlockBits();
  }
  photoLayer->PushUndoById(kModellingStep);
  document.UpdateView(photoLayer->GetBoundingRect());
  document.ClearContours();
  return DeformResult::done;
}
