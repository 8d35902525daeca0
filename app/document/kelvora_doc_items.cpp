// Trying items on: fitting an item to the face frame or a key-point line,
// placing it in its kind's slot with the adjustments of the item it
// replaces, and deleting layers.
//
// Fitting puts the item's first anchor on the reference's first corner and
// scales the anchors' horizontal distance to the reference's top edge. An
// item whose anchors share an x cannot be scaled and is refused; a damaged
// base can deliver one.
#include <cmath>
#include <cstring>

#include "app/document/kelvora_doc.h"
#include "platform/core/resource_module.h"

namespace {

constexpr unsigned kDeleteLayerQuestionId = 63521;  // "Are you really want to delete this layer?"
constexpr int kAutoColourFilterStrength = 95;

double Distance(CDoublePoint a, CDoublePoint b) { return std::hypot(b.x - a.x, b.y - a.y); }

bool SamplesSkin(int kind) { return kind == kKindNose || kind == kKindBreast; }


}  // namespace

CKelvoraDoc::FitReference CKelvoraDoc::ReferenceFor(const CProjection& projection, int kind) {
  const ItemKindInfo* info = FindItemKind(kind);
  const ItemReference reference = info ? info->reference : ItemReference::faceFrame;
  const CLineTracker* line = nullptr;
  switch (reference) {
    case ItemReference::eyesLine: line = &projection.EyesLine(); break;
    case ItemReference::lipsLine: line = &projection.LipsLine(); break;
    case ItemReference::underarmLine: line = &projection.UnderarmLine(); break;
    case ItemReference::faceFrame:
    case ItemReference::none: break;
  }
  FitReference fit;
  if (!line) {
    const CQuadTracker& face = projection.FaceFrame();
    fit.corner0 = face.GetCorner(0);
    fit.corner1 = face.GetCorner(1);
    fit.cosine = face.GetCosine();
    fit.sine = face.GetSine();
    return fit;
  }
  // The line as a flat quadrilateral P1, P2, P2, P1 turned by the line's
  // angle about its mid-point. Coincident points have no angle: unturned.
  const CDoublePoint p1(line->GetPoint0().x, line->GetPoint0().y);
  const CDoublePoint p2(line->GetPoint1().x, line->GetPoint1().y);
  const CDoublePoint middle((p1.x + p2.x) / 2, (p1.y + p2.y) / 2);
  const double d = Distance(middle, p2);
  fit.corner0 = p1;
  fit.corner1 = p2;
  if (d > 0) {
    fit.cosine = (p2.x - middle.x) / d;
    fit.sine = (p2.y - middle.y) / d;
  }
  return fit;
}

std::unique_ptr<CLayer> CKelvoraDoc::CreateLayer(std::unique_ptr<CDibAlpha> image, int x1, int y1, int x2, int y2,
                                                 int kind, int projectionIndex) {
  const CProjection* projection = GetProjection(projectionIndex);
  if (!projection || !image || image->IsEmpty() || x2 == x1) return nullptr;
  const FitReference reference = ReferenceFor(*projection, kind);

  std::unique_ptr<CLayer> layer = NewLayer(true);
  const double width = image->Width();
  const double height = image->Height();
  layer->AttachImage(std::move(image));

  const double s = Distance(reference.corner0, reference.corner1) / (x2 - x1);
  const double halfWidth = width * s / 2;
  const double halfHeight = height * s / 2;
  const CDoublePoint anchor(x1 * s - width * s / 2, y1 * s - height * s / 2);
  const CDoublePoint turned = CQuadTracker::RotatePoint(anchor, reference.sine, reference.cosine);
  const CDoublePoint centre = reference.corner0 - turned;
  layer->SetRect(centre.x - halfWidth, centre.y - halfHeight, centre.x + halfWidth, centre.y + halfHeight);
  layer->SetRotation(reference.sine, reference.cosine);
  const CViewMapping& mapping = projection->FaceFrame().GetViewMapping();
  layer->SetViewMapping(mapping.originX, mapping.originY, mapping.zoom);
  return layer;
}

CLayer* CKelvoraDoc::PutItem(std::unique_ptr<CDibAlpha> image, int x1, int y1, int x2, int y2, int kind) {
  CProjection* projection = GetProjection(-1);
  if (!projection || !IsItemKind(kind)) return nullptr;
  std::unique_ptr<CLayer> layer = CreateLayer(std::move(image), x1, y1, x2, y2, kind, -1);
  if (!layer) return nullptr;

  CLayer* previous = projection->GetSlot(kind);
  m_pCurrentLayer = previous;

  bool sampledColour = false;
  if (SamplesSkin(kind)) {
    const std::optional<COLORREF> skin = SampleSkinColour(kind);
    if (skin && m_bAutoColour) {
      layer->StoreAdjustments(layer->GetBrightness(), layer->GetContrast(), layer->GetHue(),
                              layer->GetImageOpacity(), true, kAutoColourFilterStrength, *skin,
                              layer->GetFilterNumber());
      layer->ApplyAdjustments();
      sampledColour = true;
    }
  }

  const CRect newBox = layer->GetBoundingRect();
  const CRect changed = previous ? UnionOf(previous->GetBoundingRect(), newBox) : newBox;
  std::unique_ptr<CDib> before;
  if (previous) {
    layer->TakeAdjustmentsFrom(*previous, sampledColour);
    layer->ApplyAdjustments();
    m_host->SetSlidersFrom(*layer);
    if (m_host->IsMorphingOn()) before = RenderCurrent(changed);
  }
  if (SamplesSkin(kind)) m_bAutoColour = false;

  CQuadTracker* stretch = projection->StretchFrame(kind);
  stretch->ClearUndo();
  stretch->ClearRedo();
  m_pCurrentLayer = layer.get();
  projection->SetSlot(kind, std::move(layer));

  if (before) {
    std::unique_ptr<CDib> after = RenderCurrent(changed);
    if (after) ShowCrossDissolve(*before, *after, changed);
  }
  m_host->RefreshPanel();
  UpdateView(changed);
  return m_pCurrentLayer;
}

bool CKelvoraDoc::DeleteCurrentLayer() {
  if (m_host->ShowQuestions() &&
      m_host->ShowMessage(LoadResourceString(kDeleteLayerQuestionId), MessageIcon::Question,
                          MessageButtons::YesNo) != IDYES)
    return false;
  const CEditMode mode = m_host->GetEditMode();
  if (mode.makeupMode) {
    if (!m_pMakeupLayer) return false;
    ClearMakeupLayer();
    return true;
  }
  CProjection* projection = GetProjection(-1);
  const int slot = projection ? projection->FindSlotOf(m_pCurrentLayer) : -1;
  if (slot < 0) return false;
  const CRect former = m_pCurrentLayer->GetBoundingRect();
  CQuadTracker* stretch = projection->StretchFrame(slot);
  stretch->ClearUndo();
  stretch->ClearRedo();
  m_pCurrentLayer = nullptr;
  projection->SetSlot(slot, nullptr);
  if (SamplesSkin(mode.currentKind)) m_bAutoColour = true;
  m_host->RefreshPanel();
  UpdateView(former);
  return true;
}

// The make-up layer stays (the brushes paint on it) but shows nothing. Its
// image opacity value is stored as 100 to match the opacity it sets: a 0
// there would hide everything painted next until the slider moved.
void CKelvoraDoc::ClearMakeupLayer() {
  CLayer* makeup = m_pMakeupLayer;
  if (!makeup) return;
  if (CDibAlpha* image = makeup->GetImage()) {
    if (unsigned char* plane = image->LockAlpha()) {
      std::memset(plane, 255, static_cast<std::size_t>(image->Width()) * image->Height());
      image->UnlockAlpha();
    }
    image->SetOpacity(100);
  }
  makeup->StoreAdjustments(kNeutralAdjustment, kNeutralAdjustment, kNeutralAdjustment, 100, false,
                           kAutoColourFilterStrength, 0, kNoFilter);
  makeup->ApplyAdjustments();
  makeup->ClearUndo();
  makeup->ClearRedo();
  m_host->SetSlidersFrom(*makeup);
  UpdateView(makeup->GetBoundingRect());
}
