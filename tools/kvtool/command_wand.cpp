// `kvtool wand`: the magic wand's mask at an image pixel of a layer.
#include <cstdio>

#include "app/tools/magic_wand.h"
#include "app/tools/selection_contour.h"
#include "tools/kvtool/area_args.h"
#include "tools/kvtool/image_io.h"

int RunWand(const CommandArgs& args) {
  const KvCommand& command = FindCommand("wand");
  AreaArgs parsed;
  CPoint seed;
  int pressure = 0, thickness = 0;
  if (!SplitAreaArgs(args, {"--pressure", "--thickness"}, &parsed) || parsed.words.size() != 5 ||
      !ParseInt(parsed.words[2], &seed.x) || !ParseInt(parsed.words[3], &seed.y) ||
      !ParseBoundedInt(parsed.options["--pressure"], 0, 100, &pressure) ||
      (parsed.options.count("--thickness") && !ParseBoundedInt(parsed.options["--thickness"], 1, 6, &thickness)))
    return UsageError(command);
  CDibAlpha layer;
  if (!LoadLayerWithAlpha(parsed.words[0], parsed.words[1], layer)) return kExitFailure;
  std::optional<CWandSelection> selection = WandSelect(layer, seed, WandTolerance(pressure));
  if (!selection) {
    std::puts("nothing");
    return 0;
  }
  CSelectionContour wand(255, 0);
  wand.SetMask(std::move(selection->mask));
  if (thickness && WandFeatherRadius(thickness) > 0) wand.Feather(WandFeatherRadius(thickness), true);
  return SaveMaskPicture(wand.Mask(), parsed.words[4]) ? 0 : kExitFailure;
}
