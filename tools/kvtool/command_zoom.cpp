#include "tools/kvtool/image_commands.h"
#include "tools/kvtool/image_io.h"

bool ParseZoom(const CommandArgs& args, ZoomRequest* request) {
  if (args.size() != 3) return false;
  request->files = {args[0], args[1]};
  return ParseIntPair(args[2], 'x', &request->size.cx, &request->size.cy) && request->size.cx > 0 &&
         request->size.cy > 0;
}

std::unique_ptr<CDib> ApplyZoom(CDib& image, const ZoomRequest& request) {
  return std::unique_ptr<CDib>(image.Zoom(request.size));
}

int RunZoom(const CommandArgs& args) {
  ZoomRequest request;
  if (!ParseZoom(args, &request)) return UsageError(FindCommand("zoom"));
  return RunOnImage(request.files, [&](CDib& image) { return ApplyZoom(image, request); },
                    "cannot be resized to that size");
}
