// `kvtool warp`: the liposuction simulation on a photo, in photo pixels.
#include <cstdio>

#include "app/editing/deform.h"
#include "tools/kvtool/area_args.h"
#include "tools/kvtool/image_io.h"

int RunWarp(const CommandArgs& args) {
  const KvCommand& command = FindCommand("warp");
  AreaArgs parsed;
  std::vector<CPoint> area, initial, final;
  if (!SplitAreaArgs(args, {"--area", "--initial", "--final"}, &parsed) || parsed.words.size() != 2 ||
      !ParsePointList(parsed.options["--area"], &area) || !ParsePointList(parsed.options["--initial"], &initial) ||
      !ParsePointList(parsed.options["--final"], &final))
    return UsageError(command);
  CDib photo;
  if (!LoadImageOrReport(parsed.words[0], photo)) return kExitFailure;
  std::unique_ptr<CDib> warped = WarpPhoto(photo, area, initial, final);
  if (!warped) {
    std::fprintf(stderr, "kvtool: %s: too few vertices (contours need 2, the area 3); the photo is copied unchanged\n",
                 parsed.words[0].c_str());
    return SaveImageOrReport(photo, parsed.words[1]) ? 0 : kExitFailure;
  }
  return SaveImageOrReport(*warped, parsed.words[1]) ? 0 : kExitFailure;
}
