#include "tools/kvtool/image_commands.h"

bool ParseCrop(const CommandArgs& args, CropRequest* request) {
  int edges[4];
  if (args.size() != 3 || !ParseIntList4(args[2], edges)) return false;
  request->files = {args[0], args[1]};
  request->rect = CRect(edges[0], edges[1], edges[2], edges[3]);
  // A crop of no area would give an image without pixels.
  CRect normal = request->rect;
  normal.NormalizeRect();
  return !normal.IsRectEmpty();
}

std::unique_ptr<CDib> ApplyCrop(CDib& image, const CropRequest& request) {
  return std::unique_ptr<CDib>(image.Edit_Copy(request.rect));
}

int RunCrop(const CommandArgs& args) {
  CropRequest request;
  if (!ParseCrop(args, &request)) return UsageError(FindCommand("crop"));
  return RunOnImage(request.files, [&](CDib& image) { return ApplyCrop(image, request); }, "cannot be cropped");
}
