// The wand's selection by colour on a layer: the fill and trace run on the
// layer image; the outline comes back to document coordinates through the
// layer's frame, and the mask (with its holes) is kept as it was filled.
#include "app/document/kelvora_doc.h"
#include "app/document/layer.h"
#include "app/editing/area_operation.h"
#include "app/tools/magic_wand.h"

bool SelectByColour(CLayer& layer, CSelectionContour& wand, CPoint p, int pressure, int thickness) {
  CDibAlpha* image = layer.GetImage();
  if (!image || image->IsEmpty()) return false;
  const CSize size = image->GetSize();
  const CPoint seed = layer.MapToImage(p.x, p.y, size);
  std::optional<CWandSelection> selection = WandSelect(*image, seed, WandTolerance(pressure));
  if (!selection) return false;
  std::vector<CPoint> outline;
  outline.reserve(selection->outline.size());
  for (CPoint corner : selection->outline) outline.push_back(layer.MapFromImage(corner.x, corner.y, size));
  wand.ClearBufferFlags();
  wand.SetVertices(std::move(outline));
  wand.MarkSelected();
  const int radius = WandFeatherRadius(thickness);
  wand.SetMask(std::move(selection->mask));
  if (radius > 0) wand.Feather(radius, true);
  return true;
}

bool MagicWandSelect(CKelvoraDoc& document, CLayer& layer, CSelectionContour& wand, CPoint p, int pressure,
                     int thickness) {
  document.Host().BeginWaitCursor();
  const bool selected = SelectByColour(layer, wand, p, pressure, thickness);
  document.Host().EndWaitCursor();
  if (selected) document.Host().RefreshViews();
  return selected;
}
