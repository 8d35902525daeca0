#include "tools/kvtool/image_commands.h"

bool ParseFlip(const CommandArgs& args, FlipRequest* request) {
  if (args.size() != 3 || (args[2] != "h" && args[2] != "v")) return false;
  request->files = {args[0], args[1]};
  request->horizontal = args[2] == "h";
  return true;
}

std::unique_ptr<CDib> ApplyFlip(CDib& image, const FlipRequest& request) {
  auto flipped = std::make_unique<CDib>(image);
  bool done = request.horizontal ? flipped->Rotate_FlipHorizontal() : flipped->Rotate_FlipVertical();
  return done ? std::move(flipped) : nullptr;
}

int RunFlip(const CommandArgs& args) {
  FlipRequest request;
  if (!ParseFlip(args, &request)) return UsageError(FindCommand("flip"));
  return RunOnImage(request.files, [&](CDib& image) { return ApplyFlip(image, request); }, "cannot be flipped");
}
