#include "app/shell/screenshot_outlines.h"

#include <QTimer>
#include <QWidget>

#include "app/document/kelvora_doc.h"
#include "app/document/layer.h"
#include "app/shell/editing_commands.h"
#include "app/shell/main_frame.h"
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

void Stage(const QString& what) {
  auto* frame = dynamic_cast<CMainFrame*>(GetMainWindow());
  if (!frame || !frame->Document()) return;
  CKelvoraDoc& document = *frame->Document();
  const auto command = [frame](UINT id) { SendMessage(frame, WM_COMMAND, MAKEWPARAM(id, 0)); };
  CLayer* photo = document.GetPhotoLayer();
  if (!photo) return;
  if (what == "lasso") {
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
  if (what != "lasso" && what != "contours" && what != "simulated") return false;
  // After the posted start-up commands (the sample photos) have run.
  QTimer::singleShot(600, [what] { Stage(what); });
  return true;
}
