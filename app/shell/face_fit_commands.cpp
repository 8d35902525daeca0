#include "app/shell/face_fit_commands.h"

#include "app/editing/auto_face_fit.h"
#include "app/shell/main_frame.h"
#include "app/shell/settings/settings.h"
#include "controls/zor_ctrl_wnd.h"
#include "platform/core/resource_module.h"
#include "platform/qt/dialog_template.h"

namespace {

constexpr unsigned kTopBarPanel = 102;

bool HasFacePhoto(const CKelvoraDoc& document) {
  const CProjection* projection = document.GetProjection(-1);
  return document.GetMode() == kFaceSet && projection && projection->HasPhoto();
}

}  // namespace

void RegisterFaceFitCommands(CMainFrame& frame) {
  CKelvoraDoc* document = frame.Document();
  if (!document) return;
  // The frame arms the two tools itself and the view hands their presses to
  // its tools object, so their handlers only make the buttons live.
  const auto hasPhoto = [document] { return document->HasPhoto(true); };
  frame.SetCommandHandler(ID_SET_FACE_RECTANGLE, [] {}, hasPhoto);
  frame.SetCommandHandler(ID_HAIR_STRETCH, [] {}, hasPhoto);
  frame.SetCommandHandler(
      ID_FIT_FACE_AUTOMATICALLY,
      [&frame, document] {
        FitFaceAutomatically(*document, -1, SharedFaceFinder());
        frame.SyncControls();  // the undo button now names the fit
      },
      [document] { return HasFacePhoto(*document); });
  if (CSkinPanel* panel = frame.Panel(kTopBarPanel))
    if (auto* button = dynamic_cast<CZORCtrlWnd*>(GetDlgItem(panel, ID_FIT_FACE_AUTOMATICALLY)))
      button->SetToolTipText(LoadResourceString(ID_FIT_FACE_AUTOMATICALLY).c_str());
}

void FitNewPhoto(CKelvoraDoc& document, int index, const CSettings& settings) {
  if (!settings.autoFitFace || index < 0 || index >= kBodyProjection) return;
  FitFaceAutomatically(document, index, SharedFaceFinder());
}

std::string SuggestedFaceShape(const CKelvoraDoc& document) {
  const int shape = document.GetFittedFaceShape(document.GetProjectionIndex(-1));
  return shape == kFaceShapeNone ? std::string() : FaceShapeName(static_cast<FaceShape>(shape));
}
