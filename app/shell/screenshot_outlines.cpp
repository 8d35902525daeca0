#include "app/shell/screenshot_outlines.h"

#include <QTimer>
#include <QWidget>

#include "app/document/kelvora_doc.h"
#include "app/document/layer.h"
#include "app/shell/editing_commands.h"
#include "app/editing/hair_stroke.h"
#include "app/shell/main_frame.h"
#include "controls/zor_dib_list_ctrl.h"
#include "app/view/kelvora_view.h"
#include "platform/qt/window_message.h"

namespace {

// A point at fractions of the photo's rectangle, in document coordinates,
// so the outlines sit on the picture whatever the window's size.
CPoint OnPhoto(const CLayer& photo, double fx, double fy) {
  const CDoubleRect r = photo.GetBaseRect();
  return CPoint(static_cast<int>(r.left + fx * (r.right - r.left)), static_cast<int>(r.top + fy * (r.bottom - r.top)));
}

std::vector<CPoint> Path(const CLayer& photo, std::initializer_list<std::pair<double, double>> fractions) {
  std::vector<CPoint> points;
  for (auto [fx, fy] : fractions) points.push_back(OnPhoto(photo, fx, fy));
  return points;
}

// Make-up mode, a lipstick swatch picked from the first palette item, and
// the brush run twice along the lips, as a stylist would paint them.
void StageMakeup(CMainFrame& frame, CKelvoraDoc& document, const CLayer& photo) {
  SendMessage(&frame, WM_COMMAND, MAKEWPARAM(ID_MAKEUP, 0));
  CZORDibListCtrl* swatches = frame.SwatchList();
  CLayer* makeup = document.GetMakeupLayer();
  if (!swatches || swatches->GetCount() == 0 || !makeup) return;
  swatches->SetCurSel(std::min(2, swatches->GetCount() - 1));
  SendMessage(&frame, WM_COMMAND, MAKEWPARAM(ID_SWATCH_LIST, kDibListNotifyClick));
  CHairToolControls controls = frame.HairToolControls();
  controls.pressure = 0;
  controls.thickness = 4;
  const CHairToolParams params = MakeHairToolParams(HairStrokeTool::brush, controls, LayerScale(*makeup));
  // The sample portrait's mouth, as fractions of the photo.
  const std::vector<CPoint> upper = Path(photo, {{0.392, 0.277}, {0.415, 0.271}, {0.44, 0.274}, {0.465, 0.271}, {0.488, 0.277}});
  const std::vector<CPoint> lower = Path(photo, {{0.395, 0.281}, {0.415, 0.289}, {0.44, 0.292}, {0.465, 0.289}, {0.485, 0.281}});
  for (const std::vector<CPoint>* line : {&upper, &lower, &upper, &lower}) {
    CHairStroke stroke(*makeup, params);
    stroke.Begin(line->front());
    for (std::size_t i = 1; i < line->size(); ++i) stroke.Move((*line)[i]);
    stroke.End();
  }
  makeup->RecalcMiddleValues();
  document.UpdateWholeView();
}

void Stage(const QString& what) {
  auto* frame = dynamic_cast<CMainFrame*>(GetMainWindow());
  if (!frame || !frame->Document()) return;
  CKelvoraDoc& document = *frame->Document();
  const auto command = [frame](UINT id) { SendMessage(frame, WM_COMMAND, MAKEWPARAM(id, 0)); };
  CLayer* photo = document.GetPhotoLayer();
  if (!photo) return;
  if (what == "makeup") {
    StageMakeup(*frame, document, *photo);
  } else if (what == "lasso") {
    command(ID_TOOL_LASSO);
    CSelectionContour* lasso = document.GetSelectionOutline(SelectionTool::lasso);
    lasso->SetVertices(Path(*photo, {{0.36, 0.10}, {0.50, 0.05}, {0.64, 0.10}, {0.66, 0.30}, {0.58, 0.42},
                                     {0.42, 0.42}, {0.34, 0.30}}));
    lasso->MarkSelected();
  } else {
    // The waist's right side drawn, bent inward by a few pixels in its middle.
    const std::vector<CPoint> initial =
        Path(*photo, {{0.62, 0.38}, {0.63, 0.44}, {0.635, 0.50}, {0.63, 0.56}, {0.62, 0.62}});
    std::vector<CPoint> final = initial;
    const int inward = static_cast<int>((photo->GetBaseRect().right - photo->GetBaseRect().left) * 0.03);
    final[1].x -= inward * 2 / 3, final[2].x -= inward, final[3].x -= inward * 2 / 3;
    command(ID_INITIAL_CONTOUR);
    document.GetInitialContour()->SetVertices(initial);
    command(ID_FINAL_CONTOUR);
    document.GetFinalContour()->SetVertices(final);
    command(ID_DEFORMATION_AREA);
    document.GetDeformationArea()->SetVertices(
        Path(*photo, {{0.54, 0.32}, {0.72, 0.32}, {0.72, 0.68}, {0.54, 0.68}}));
    if (what == "simulated") command(ID_START_SIMULATION);
  }
  if (frame->View()) frame->View()->update();
}

}  // namespace

bool StageOutlines(const QString& what) {
  if (what != "lasso" && what != "contours" && what != "simulated" && what != "makeup") return false;
  // After the posted start-up commands (the sample photos) have run.
  // The make-up stage waits for the face fit too, which places the mouth.
  QTimer::singleShot(what == "makeup" ? 1500 : 600, [what] { Stage(what); });
  return true;
}
