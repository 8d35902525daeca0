#include "tools/kvtool/image_commands.h"
#include "tools/kvtool/image_io.h"

bool ParseThumbnail(const CommandArgs& args, ThumbnailRequest* request) {
  std::vector<std::string> words;
  if (!SplitBackgroundOption(args, &words, &request->background) || words.size() != 3) return false;
  request->files = {words[0], words[1]};
  return ParseInt(words[2], &request->side) && request->side > 0;
}

std::unique_ptr<CDib> ApplyThumbnail(CDib& image, const ThumbnailRequest& request) {
  return std::unique_ptr<CDib>(image.CreateThumbNail(request.side, request.background));
}

int RunThumbnail(const CommandArgs& args) {
  ThumbnailRequest request;
  if (!ParseThumbnail(args, &request)) return UsageError(FindCommand("thumbnail"));
  return RunOnImage(request.files, [&](CDib& image) { return ApplyThumbnail(image, request); },
                    "cannot make a thumbnail of that size");
}
