// Photos into projections: the check, the fitted frame, the make-up layer
// that comes with every photo, and flattening a look into a new photo.
//
// The photo itself is never resampled: its frame is the fitted size and
// composing scales it into that frame.
#include <cmath>

#include "app/document/kelvora_doc.h"
#include "platform/core/resource_module.h"

namespace {

constexpr unsigned kIncompatibleFormatId = 61745;

}  // namespace

CSize CKelvoraDoc::FitPhotoSize(CSize photo, CSize client) {
  double width = photo.cx;
  double height = photo.cy;
  if (width > client.cx && client.cx > 1) {
    const double k = width / (client.cx - 1);
    width = std::trunc(width / k);
    height = std::trunc(height / k);
  }
  if (height > client.cy && client.cy > 1) {
    const double k = height / (client.cy - 1);
    width = std::trunc(width / k);
    height = std::trunc(height / k);
  }
  return {static_cast<int>(width), static_cast<int>(height)};
}

bool CKelvoraDoc::SetPhoto(std::unique_ptr<CDib> raster, int projectionIndex, bool notify) {
  const int withinSet = projectionIndex == -1 ? GetRememberedProjection(m_nMode) : projectionIndex;
  const int setSize = m_nMode == kBodySet ? 1 : kBodyProjection;
  CProjection* projection =
      withinSet >= 0 && withinSet < setSize ? GetProjection(GetProjectionIndex(withinSet)) : nullptr;
  BITMAPINFOHEADER header{};
  if (!raster || !projection || !raster->GetBitmapInfoHeader(&header) || header.biPlanes != 1 ||
      header.biBitCount != 24) {
    m_host->ShowMessage(LoadResourceString(kIncompatibleFormatId), MessageIcon::Stop, MessageButtons::Ok);
    return false;
  }
  const CSize fitted = FitPhotoSize(raster->GetSize(), m_host->GetClientSize());
  const CDoubleRect frame{0, 0, static_cast<double>(fitted.cx), static_cast<double>(fitted.cy)};

  auto photoImage = std::make_unique<CDibAlpha>();
  if (!photoImage->Create(raster.get(), 0)) return false;
  raster.reset();
  CDib black;
  auto makeupImage = std::make_unique<CDibAlpha>();
  if (!black.Create(fitted, 0UL) || !makeupImage->Create(&black, 255)) return false;

  std::unique_ptr<CLayer> photo = NewLayer(false);
  photo->AttachImage(std::move(photoImage), frame);
  std::unique_ptr<CLayer> makeup = NewLayer(false);
  makeup->AttachImage(std::move(makeupImage), frame);
  const CViewMapping& mapping = projection->FaceFrame().GetViewMapping();
  photo->SetViewMapping(mapping.originX, mapping.originY, mapping.zoom);
  makeup->SetViewMapping(mapping.originX, mapping.originY, mapping.zoom);

  CLayer* oldPhoto = projection->GetPhoto();
  CLayer* oldMakeup = projection->GetMakeup();
  if (m_pCurrentLayer == oldPhoto || m_pCurrentLayer == oldMakeup) m_pCurrentLayer = nullptr;
  projection->SetPhoto(std::move(photo));
  projection->SetMakeup(std::move(makeup));
  projection->PrintArea().SetRect(0, 0, fitted.cx, fitted.cy);
  projection->PrintArea().SetRotation(0.0, 1.0);

  if (projection == GetProjection(-1)) {
    RefreshLayerPointers();
    UpdateWholeView();
    if (m_host->GetEditMode().photoMode) m_host->SetSlidersFrom(*m_pPhotoLayer);
    SetViewMapping(mapping.originX, mapping.originY, mapping.zoom);
    m_host->RefreshViews();
  } else if (notify) {
    SelectProjection(withinSet, true, true);
  } else {
    RefreshLayerPointers();
  }
  if (!m_flattening) m_host->PhotoEntered(GetProjectionIndex(withinSet));
  return true;
}

bool CKelvoraDoc::FlattenImage() {
  CProjection* projection = GetProjection(-1);
  if (!projection || !projection->HasPhoto()) return false;
  const CDoubleRect& area = projection->PrintArea().GetBaseRect();
  const CRect rect(RoundHalfAwayFromZero(area.left), RoundHalfAwayFromZero(area.top),
                   RoundHalfAwayFromZero(area.right), RoundHalfAwayFromZero(area.bottom));
  std::unique_ptr<CDib> flattened = RenderCurrent(rect);
  if (!flattened) return false;

  m_pCurrentLayer = m_pPhotoLayer = m_pMakeupLayer = nullptr;
  projection->DeleteLayers();
  projection->ClearFrameHistories();
  m_flattening = true;
  const bool set = SetPhoto(std::move(flattened), -1, true);
  m_flattening = false;
  if (!set) return false;
  m_host->ResetSliders();
  m_host->DisarmTools();
  m_host->RefreshPanel();
  return true;
}
