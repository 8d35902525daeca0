#include "tools/kvtool/image_commands.h"
#include "tools/kvtool/image_io.h"

bool ParseRotate(const CommandArgs& args, RotateRequest* request) {
  std::vector<std::string> words;
  if (!SplitBackgroundOption(args, &words, &request->background) || words.size() != 3) return false;
  request->files = {words[0], words[1]};
  return ParseInt(words[2], &request->degrees);
}

std::unique_ptr<CDib> ApplyRotate(CDib& image, const RotateRequest& request) {
  return std::unique_ptr<CDib>(image.Effect_Rotate(request.degrees, request.background, false));
}

int RunRotate(const CommandArgs& args) {
  RotateRequest request;
  if (!ParseRotate(args, &request)) return UsageError(FindCommand("rotate"));
  return RunOnImage(request.files, [&](CDib& image) { return ApplyRotate(image, request); }, "cannot be rotated");
}
