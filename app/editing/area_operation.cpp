// Every operation but Paste rebuilds the mask from the outline mapped into
// the layer's pixels and feathers it, so a layer moved or resized since the
// selection was drawn is still cut where the outline shows. Paste lands the
// buffer where the outline now is: the outline's moves are in document
// units, turned into layer pixels through the layer's frame, so a scaled
// layer (the photo fitted into the window, say) pastes under the outline.
#include "app/editing/area_operation.h"

#include "app/document/kelvora_doc.h"
#include "app/document/layer.h"
#include "app/tools/selection_contour.h"

double AreaStrength(int pressure) { return (100 - pressure) * 0.01; }

int AreaBlurSigma(int pressure) { return 2 * ((100 - pressure) / 100) + 1; }

int AreaFeatherRadius(int thickness) {
  static constexpr int kRadii[] = {5, 9, 13, 17, 21, 25};
  return thickness >= 1 && thickness <= 6 ? kRadii[thickness - 1] : kRadii[0];
}

unsigned AreaStepNameId(AreaOp op) {
  switch (op) {
    case AreaOp::fill: return 61547;
    case AreaOp::blur: return 61548;
    case AreaOp::clear: return 61549;
    case AreaOp::paste: return 61550;
    case AreaOp::copy: return 0;
  }
  return 0;
}

namespace {

// Where the buffer goes: its copy position moved by the outline's shift
// since the copy, measured in the layer's pixels at the outline.
CPoint PastePosition(const CLayer& layer, const CSelectionContour& selection, CSize imageSize) {
  const CPoint position = selection.GetBufferPosition();
  const CSize shift = selection.GetBufferShift();
  if (shift.cx == 0 && shift.cy == 0) return position;
  const CPoint anchor = selection.GetVertices().empty() ? CPoint() : selection.GetVertices().front();
  const CPoint now = layer.MapToImage(anchor.x, anchor.y, imageSize);
  const CPoint before = layer.MapToImage(anchor.x - shift.cx, anchor.y - shift.cy, imageSize);
  return {position.x + now.x - before.x, position.y + now.y - before.y};
}

}  // namespace

std::optional<CRect> ApplyAreaOperation(CLayer& layer, CSelectionContour& selection, AreaOp op,
                                        const CAreaControls& controls, const std::function<void(int)>& progress) {
  CDibAlpha* image = layer.GetImage();
  if (!image || image->IsEmpty() || !selection.IsCompleted() || selection.GetVertices().empty()) return std::nullopt;
  const CSize imageSize = image->GetSize();
  const int radius = AreaFeatherRadius(controls.thickness);
  const double strength = AreaStrength(controls.pressure);

  if (op == AreaOp::paste) {
    if (!selection.IsBufferFilled()) return std::nullopt;
  } else {
    std::vector<CPoint> polygon;
    polygon.reserve(selection.GetVertices().size());
    for (CPoint v : selection.GetVertices()) polygon.push_back(layer.MapToImage(v.x, v.y, imageSize));
    const CPolygonRegion region(polygon);
    if (!selection.BuildMask(radius, imageSize.cx, imageSize.cy, &region, progress)) return std::nullopt;
    selection.Feather(radius, true);
  }

  CSelectionMask& mask = selection.Mask();
  CRect touched = mask.Area();
  CPoint pastePosition;
  if (op == AreaOp::paste) {
    pastePosition = PastePosition(layer, selection, imageSize);
    touched = CRect(pastePosition, selection.GetBuffer()->GetSize());
  } else if (selection.IsBufferFilled()) {
    touched = selection.GetBufferArea();
  }

  if (op != AreaOp::copy) layer.BeginEdit();
  switch (op) {
    case AreaOp::blur:
      image->Region_Blur(mask.Data(), mask.width, mask.height, mask.origin, AreaBlurSigma(controls.pressure));
      break;
    case AreaOp::clear:
      image->Region_Clear(mask.Data(), mask.width, mask.height, mask.origin, strength);
      break;
    case AreaOp::fill:
      image->Region_Fill(controls.colour, nullptr, strength, mask.Data(), mask.width, mask.height, mask.origin);
      break;
    case AreaOp::copy:
      if (!selection.CopyToBuffer(*image)) return std::nullopt;
      return mask.Area();
    case AreaOp::paste:
      selection.PasteBuffer(*image, pastePosition);
      break;
  }
  // The mask is the area a blur, clear or fill can change; with a buffer
  // the rectangle above may not hold it, so both are recorded.
  layer.AddEditRect(touched.left, touched.top, touched.right, touched.bottom);
  if (op != AreaOp::paste) {
    const CRect area = mask.Area();
    layer.AddEditRect(area.left, area.top, area.right, area.bottom);
    touched = UnionOf(touched, area);
  }
  layer.PushUndoById(AreaStepNameId(op));
  return touched;
}

bool AreaOperation(CKelvoraDoc& document, CLayer* layer, CSelectionContour* selection, AreaOp op,
                   const CAreaControls& controls, const std::function<void(int)>& progress) {
  if (!layer || !selection || !selection->IsCompleted() || selection->GetVertices().empty()) return false;
  document.Host().BeginWaitCursor();
  const std::optional<CRect> touched = ApplyAreaOperation(*layer, *selection, op, controls, progress);
  if (touched) document.UpdateView(layer->MapImageRectToDocument(*touched));
  document.Host().EndWaitCursor();
  return touched.has_value();
}
