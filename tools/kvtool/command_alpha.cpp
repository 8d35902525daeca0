#include <fstream>
#include <iterator>
#include <vector>

#include "imagelib/alpha_pcx.h"
#include "tools/kvtool/image_io.h"
#include "tools/kvtool/layer_commands.h"

bool ParseAlpha(const CommandArgs& args, AlphaRequest* request) {
  std::vector<std::string> files;
  for (const std::string& word : args) {
    if (word == "--from-bmp") request->fromBmp = true;
    else if (word.starts_with("--")) return false;
    else files.push_back(word);
  }
  if (files.size() != 2) return false;
  request->input = files[0];
  request->output = files[1];
  return true;
}

std::unique_ptr<CDib> PlaneAsGrey(CDibAlpha& layer) {
  auto grey = std::make_unique<CDib>();
  if (!layer.HasAlpha() || !grey->Create(layer.GetSize())) return nullptr;
  unsigned char* bits = grey->LockBits();
  const unsigned char* plane = layer.LockAlpha();
  for (int y = 0; y < layer.Height(); ++y) {
    unsigned char* pixel = bits + static_cast<std::size_t>(layer.Height() - 1 - y) * grey->RowLength();
    for (int x = 0; x < layer.Width(); ++x, pixel += 3)
      pixel[0] = pixel[1] = pixel[2] = plane[static_cast<std::size_t>(y) * layer.Width() + x];
  }
  layer.UnlockAlpha();
  grey->UnlockBits();
  return grey;
}

void PlaneFromBlue(CDibAlpha& layer) {
  unsigned char* bits = layer.LockBits();
  unsigned char* plane = layer.LockAlpha();
  if (bits && plane)
    for (int y = 0; y < layer.Height(); ++y) {
      const unsigned char* pixel = bits + static_cast<std::size_t>(layer.Height() - 1 - y) * layer.RowLength();
      for (int x = 0; x < layer.Width(); ++x, pixel += 3) plane[static_cast<std::size_t>(y) * layer.Width() + x] = pixel[0];
    }
  if (plane) layer.UnlockAlpha();
  if (bits) layer.UnlockBits();
}

int RunAlpha(const CommandArgs& args) {
  AlphaRequest request;
  if (!ParseAlpha(args, &request)) return UsageError(FindCommand("alpha"));
  CDibAlpha layer;
  if (request.fromBmp) {
    CDib grey;
    if (!LoadImageOrReport(request.input, grey)) return kExitFailure;
    if (!layer.Create(&grey, 0)) return Fail(request.input, "out of memory");
    PlaneFromBlue(layer);
    if (!layer.SaveAlphaToFile(request.output)) return Fail(request.output, "cannot be written");
    return 0;
  }
  std::ifstream in(request.input, std::ios::binary);
  if (!in) return Fail(request.input, "cannot be opened");
  std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
  const std::optional<CSize> size = pixkit::ReadAlphaPcxSize(bytes);
  if (!size || !layer.Create(*size) ||
      !layer.LoadAlphaFromMemory(bytes.data(), static_cast<unsigned>(bytes.size())))
    return Fail(request.input, "not an alpha PCX file or corrupt");
  std::unique_ptr<CDib> grey = PlaneAsGrey(layer);
  if (!grey) return Fail(request.input, "out of memory");
  return SaveImageOrReport(*grey, request.output) ? 0 : kExitFailure;
}
