// The document's projections, the switch between the face and the body set,
// clearing, the view mapping and the contours.
#include "app/document/kelvora_doc.h"

CKelvoraDoc::CKelvoraDoc(HINSTANCE style, CDocumentHost* host)
    : m_defaultPlacements(LoadDefaultPlacements(style)), m_contourColours(LoadContourColours(style)),
      m_selectionColours(LoadSelectionColours(style)) {
  SetHost(host);
  for (int i = 0; i < kProjectionCount; ++i) m_projections[i].ResetFrames(m_defaultPlacements[i]);
}

// Layers and contours go before the projections that hold the frames.
CKelvoraDoc::~CKelvoraDoc() {
  m_pCurrentLayer = m_pPhotoLayer = m_pMakeupLayer = nullptr;
  ClearContours();
  for (auto& outline : m_selectionOutlines) outline.reset();
}

void CKelvoraDoc::SetHost(CDocumentHost* host) { m_host = host ? host : &m_defaultHost; }

int CKelvoraDoc::GetProjectionIndex(int index) const {
  if (index == -1) index = m_rememberedProjection[m_nMode == kBodySet ? 1 : 0];
  return m_nMode == kBodySet ? index + kBodyProjection : index;
}

CProjection* CKelvoraDoc::GetProjection(int index) {
  const int absolute = index == -1 ? GetProjectionIndex(-1) : index;
  return absolute >= 0 && absolute < kProjectionCount ? &m_projections[absolute] : nullptr;
}

const CProjection* CKelvoraDoc::GetProjection(int index) const {
  return const_cast<CKelvoraDoc*>(this)->GetProjection(index);
}

bool CKelvoraDoc::HasPhoto(bool current) const {
  if (current) return m_pPhotoLayer != nullptr;
  for (const CProjection& projection : m_projections) {
    if (projection.HasPhoto()) return true;
  }
  return false;
}

void CKelvoraDoc::RefreshLayerPointers() {
  const CProjection* projection = GetProjection(-1);
  m_pPhotoLayer = projection ? projection->GetPhoto() : nullptr;
  m_pMakeupLayer = projection ? projection->GetMakeup() : nullptr;
}

void CKelvoraDoc::SelectProjection(int index, bool redraw, bool force) {
  const int limit = m_nMode == kBodySet ? 1 : kBodyProjection;
  if (index < 0 || index >= limit) return;
  const int absolute = m_nMode == kBodySet ? index + kBodyProjection : index;
  if (absolute == GetProjectionIndex(-1) && !force) return;
  const bool changed = absolute != GetProjectionIndex(-1);
  if (!m_projections[absolute].HasPhoto()) {
    m_host->DisarmTools();
    m_host->RefreshPanel();
  }
  m_host->ShowProjectionPicture(index);
  m_rememberedProjection[m_nMode == kBodySet ? 1 : 0] = index;
  RefreshLayerPointers();

  const CEditMode mode = m_host->GetEditMode();
  if (mode.currentKind < 0) {
    if (mode.photoMode && m_pPhotoLayer) m_host->SetSlidersFrom(*m_pPhotoLayer);
    if (mode.makeupMode && m_pMakeupLayer) m_host->SetSlidersFrom(*m_pMakeupLayer);
  } else {
    m_pCurrentLayer = m_projections[absolute].GetSlot(mode.currentKind);
    if (m_pCurrentLayer) m_host->SetSlidersFrom(*m_pCurrentLayer);
    m_host->RefreshPanel();
  }
  if (m_host->SelectByOrient() && mode.currentKind >= 0 && mode.currentKind != kKindCustom && changed)
    m_host->RefillItemList();
  if (redraw) UpdateWholeView();
}

void CKelvoraDoc::SwitchProjectionSet(int mode) {
  m_nMode = mode == kBodySet ? kBodySet : kFaceSet;
  SelectProjection(GetRememberedProjection(m_nMode), true, true);
}

void CKelvoraDoc::ClearDocument() {
  m_pCurrentLayer = m_pPhotoLayer = m_pMakeupLayer = nullptr;
  for (int i = 0; i < kProjectionCount; ++i) {
    CProjection& projection = m_projections[i];
    projection.DeleteLayers();
    projection.ClearFrameHistories();
    projection.ResetFrames(m_defaultPlacements[i]);
    m_fittedFaceShapes[i] = 0;
  }
  m_rememberedProjection = {0, 0};
  m_host->ResetPanels();
}

void CKelvoraDoc::SetViewMapping(int x, int y, double zoom) {
  for (CProjection& projection : m_projections) {
    projection.FaceFrame().SetViewMapping(x, y, zoom);
    projection.EyesLine().SetViewMapping(x, y, zoom);
    projection.LipsLine().SetViewMapping(x, y, zoom);
    projection.UnderarmLine().SetViewMapping(x, y, zoom);
    projection.PrintArea().SetViewMapping(x, y, zoom);
    for (int slot = 0; slot < kSlotCount; ++slot) {
      projection.StretchFrame(slot)->SetViewMapping(x, y, zoom);
      if (CLayer* layer = projection.GetSlot(slot)) layer->SetViewMapping(x, y, zoom);
    }
    if (CLayer* photo = projection.GetPhoto()) photo->SetViewMapping(x, y, zoom);
    if (CLayer* makeup = projection.GetMakeup()) makeup->SetViewMapping(x, y, zoom);
  }
  m_contourMapping = {static_cast<int>(x * zoom), static_cast<int>(y * zoom), zoom};
  ApplyContourMapping();
}

void CKelvoraDoc::ApplyContourMapping() {
  const auto [x, y, zoom] = m_contourMapping;
  for (CContour* contour : {static_cast<CContour*>(m_pInitialContour.get()), static_cast<CContour*>(m_pFinalContour.get()),
                            static_cast<CContour*>(m_pDeformationArea.get()),
                            static_cast<CContour*>(m_selectionOutlines[0].get()),
                            static_cast<CContour*>(m_selectionOutlines[1].get())}) {
    if (contour) contour->SetViewMapping(x, y, zoom);
  }
}

// The initial contour and the area are drawn freehand and the final contour
// only reshaped; the area alone is closed.
void CKelvoraDoc::CreateContours(bool useCtrlForDrawing) {
  const auto make = [&](int i, bool closed, bool mayDraw) {
    auto contour = std::make_unique<CDeformContour>(m_contourColours[i].line, m_contourColours[i].fill, closed,
                                                    mayDraw, useCtrlForDrawing);
    contour->SetCursors(m_contourCursors);
    return contour;
  };
  m_pInitialContour = make(0, false, true);
  m_pFinalContour = make(1, false, false);
  m_pDeformationArea = make(2, true, true);
  ApplyContourMapping();
}

CSelectionContour& CKelvoraDoc::MakeSelectionOutline(SelectionTool tool, bool useCtrlForDrawing) {
  auto& outline = m_selectionOutlines[static_cast<int>(tool)];
  const ContourColours& colours = m_selectionColours[static_cast<int>(tool)];
  if (!outline) outline = std::make_unique<CSelectionContour>(colours.line, colours.fill);
  outline->SetCursors(m_contourCursors);
  outline->SetActionMasks(useCtrlForDrawing ? kContourKeyCtrl : 0, kContourKeySpace, kContourKeyShift);
  ApplyContourMapping();
  return *outline;
}

void CKelvoraDoc::ClearContours() {
  m_pActiveTool = nullptr;
  m_pInitialContour.reset();
  m_pFinalContour.reset();
  m_pDeformationArea.reset();
}

void CKelvoraDoc::SetFrameCursors(const CFrameCursors& cursors) {
  m_cursors = cursors;
  auto give = [&cursors](CQuadTracker* frame) {
    if (frame) frame->SetCursors(cursors.rotate, cursors.resize, cursors.move);
  };
  for (CProjection& projection : m_projections) {
    give(&projection.FaceFrame());
    give(&projection.PrintArea());
    give(projection.GetPhoto());
    give(projection.GetMakeup());
    for (int slot = 0; slot < kSlotCount; ++slot) {
      give(projection.GetSlot(slot));
      give(projection.StretchFrame(slot));
    }
    for (CLineTracker* line : {&projection.EyesLine(), &projection.LipsLine(), &projection.UnderarmLine()})
      line->SetEndPointCursor(cursors.linePoint);
  }
}

std::unique_ptr<CLayer> CKelvoraDoc::NewLayer(bool showMidHandles) const {
  auto layer = std::make_unique<CLayer>(showMidHandles);
  layer->SetCursors(m_cursors.rotate, m_cursors.resize, m_cursors.move);
  return layer;
}
