#include "tools/kvtool/command.h"
#include "tools/kvtool/image_io.h"

int RunConvert(const CommandArgs& args) {
  const KvCommand& self = FindCommand("convert");
  std::vector<std::string> files;
  JpegOutputOptions jpeg;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--quality") {
      if (++i == args.size() || !ParseInt(args[i], &jpeg.quality) || jpeg.quality < 0 || jpeg.quality > 100)
        return Fail("--quality", "needs a number from 0 to 100");
    } else if (args[i] == "--grayscale") {
      jpeg.grayscale = true;
    } else if (args[i] == "--no-baseline") {
      jpeg.forceBaseline = false;
    } else if (args[i].starts_with("--")) {
      return UsageError(self);
    } else {
      files.push_back(args[i]);
    }
  }
  if (files.size() != 2) return UsageError(self);
  CDib image;
  if (!LoadImageOrReport(files[0], image)) return kExitFailure;
  return SaveImageOrReport(image, files[1], jpeg) ? 0 : kExitFailure;
}
