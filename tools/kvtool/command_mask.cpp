// `kvtool mask`: a lasso's mask as the area commands build it, feathered.
#include "app/tools/selection_contour.h"
#include "tools/kvtool/area_args.h"

int RunMask(const CommandArgs& args) {
  const KvCommand& command = FindCommand("mask");
  AreaArgs parsed;
  std::vector<CPoint> polygon;
  int width = 0, height = 0, radius = 0;
  if (!SplitAreaArgs(args, {"--polygon", "--width", "--height", "--radius"}, &parsed) || parsed.words.size() != 1 ||
      !ParsePointList(parsed.options["--polygon"], &polygon) ||
      !ParseBoundedInt(parsed.options["--width"], 1, 1000000, &width) ||
      !ParseBoundedInt(parsed.options["--height"], 1, 1000000, &height) ||
      !ParseBoundedInt(parsed.options["--radius"], 0, 1000, &radius))
    return UsageError(command);
  CSelectionContour selection(255, 0);
  const CPolygonRegion region(polygon);
  if (!selection.BuildMask(radius, width, height, &region)) return Fail(parsed.words[0], "the polygon is too large");
  selection.Feather(radius, true);
  return SaveMaskPicture(selection.Mask(), parsed.words[0]) ? 0 : kExitFailure;
}
