// `kvtool area` and `kvtool copypaste`: the area commands on a layer whose
// frame is its own image, so document points are image pixels and the
// layer's backup and undo rules are the program's own.
#include "app/document/layer.h"
#include "app/editing/area_operation.h"
#include "app/tools/selection_contour.h"
#include "platform/core/virtual_keys.h"
#include "tools/kvtool/area_args.h"
#include "tools/kvtool/image_io.h"

namespace {

std::unique_ptr<CLayer> LayerOnItsImage(CDibAlpha& image) {
  auto layer = std::make_unique<CLayer>(false);
  layer->AttachImage(std::make_unique<CDibAlpha>(image),
                     CDoubleRect{0, 0, static_cast<double>(image.Width()), static_cast<double>(image.Height())});
  return layer;
}

// The outline dragged with Shift held, as the view would move it.
class CShiftRunner : public CContourDragRunner {
 public:
  explicit CShiftRunner(CSize shift) : m_shift(shift) {}
  bool Run(CContourDrag& drag, CPoint press) override {
    drag.Begin(press);
    drag.Move({press.x + m_shift.cx, press.y + m_shift.cy});
    return true;
  }

 private:
  CSize m_shift;
};

}  // namespace

int RunArea(const CommandArgs& args) {
  const KvCommand& command = FindCommand("area");
  AreaArgs parsed;
  std::vector<CPoint> polygon;
  CAreaControls controls;
  if (!SplitAreaArgs(args, {"--polygon", "--pressure", "--thickness", "--colour"}, &parsed) ||
      parsed.words.size() != 5 || !ParsePointList(parsed.options["--polygon"], &polygon) || polygon.empty() ||
      !ParseBoundedInt(parsed.options["--pressure"], 0, 100, &controls.pressure) ||
      !ParseBoundedInt(parsed.options["--thickness"], 1, 6, &controls.thickness))
    return UsageError(command);
  if (parsed.options.count("--colour")) {
    unsigned long colour = 0;
    if (!ParseHexColor(parsed.options["--colour"], &colour)) return UsageError(command);
    controls.colour = static_cast<COLORREF>(colour);
  }
  const std::string& name = parsed.words[0];
  AreaOp op;
  if (name == "blur") op = AreaOp::blur;
  else if (name == "clear") op = AreaOp::clear;
  else if (name == "fill") op = AreaOp::fill;
  else return UsageError(command);

  CDibAlpha image;
  if (!LoadLayerWithAlpha(parsed.words[1], parsed.words[2], image)) return kExitFailure;
  std::unique_ptr<CLayer> layer = LayerOnItsImage(image);
  CSelectionContour selection(255, 0);
  selection.SetVertices(polygon);
  selection.MarkSelected();
  if (!ApplyAreaOperation(*layer, selection, op, controls)) return Fail(parsed.words[1], "the polygon is too large");
  return SaveLayerWithAlpha(*layer->GetImage(), parsed.words[3], parsed.words[4]) ? 0 : kExitFailure;
}

int RunCopyPaste(const CommandArgs& args) {
  const KvCommand& command = FindCommand("copypaste");
  AreaArgs parsed;
  std::vector<CPoint> polygon;
  CAreaControls controls;
  CSize shift;
  int opacity = -1;
  if (!SplitAreaArgs(args, {"--polygon", "--thickness", "--shift", "--opacity"}, &parsed) ||
      parsed.words.size() != 4 || !ParsePointList(parsed.options["--polygon"], &polygon) || polygon.empty() ||
      !ParseBoundedInt(parsed.options["--thickness"], 1, 6, &controls.thickness) ||
      !ParseIntPair(parsed.options["--shift"], ',', &shift.cx, &shift.cy) ||
      (parsed.options.count("--opacity") && !ParseBoundedInt(parsed.options["--opacity"], 0, 100, &opacity)))
    return UsageError(command);
  CDibAlpha image;
  if (!LoadLayerWithAlpha(parsed.words[0], parsed.words[1], image)) return kExitFailure;
  if (opacity >= 0) image.SetOpacity(opacity);
  std::unique_ptr<CLayer> layer = LayerOnItsImage(image);
  CSelectionContour selection(255, 0);
  selection.SetVertices(polygon);
  selection.MarkSelected();
  if (!ApplyAreaOperation(*layer, selection, AreaOp::copy, controls))
    return Fail(parsed.words[0], "the polygon is too large");
  selection.OnKeyDown(VK_SHIFT);
  CShiftRunner runner(shift);
  selection.OnButtonDown(runner, polygon.front());
  if (!ApplyAreaOperation(*layer, selection, AreaOp::paste, controls)) return Fail(parsed.words[0], "nothing pasted");
  return SaveLayerWithAlpha(*layer->GetImage(), parsed.words[2], parsed.words[3]) ? 0 : kExitFailure;
}
