#include <cstdio>

#include "tools/kvtool/command.h"
#include "tools/kvtool/image_io.h"

namespace {

const char* TypeName(CDib::TypeFile type) {
  switch (type) {
    case CDib::typeBMP: return "BMP";
    case CDib::typeJPG: return "JPEG";
    case CDib::typePCX: return "PCX";
    case CDib::typeZOR: return "ZOR";
    default: return "unknown";
  }
}

}  // namespace

int RunInfo(const CommandArgs& args) {
  if (args.size() != 1) return UsageError(FindCommand("info"));
  CDib image;
  if (!LoadImageOrReport(args[0], image)) return kExitFailure;
  std::printf("type: %s\nwidth: %d\nheight: %d\n", TypeName(CDib::FileTypeFromFileName(args[0].c_str())),
              image.Width(), image.Height());
  return 0;
}
