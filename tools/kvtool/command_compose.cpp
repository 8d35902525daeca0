#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <vector>

#include "tools/kvtool/image_io.h"
#include "tools/kvtool/layer_commands.h"

namespace {

bool ParseDouble(const std::string& text, double* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty() && std::isfinite(*value);
}

// One side of the bounding box of a turned rectangle. A hair below a whole
// number is rounding, not a pixel.
int BoxSide(double extent) { return static_cast<int>(std::ceil(extent - 1e-9)); }

}  // namespace

bool ParseCompose(const CommandArgs& args, ComposeRequest* request) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (!word.starts_with("--")) {
      files.push_back(word);
      continue;
    }
    if (i + 1 == args.size()) return false;
    const std::string& value = args[++i];
    if (word == "--alpha") {
      request->alpha = value;
    } else if (word == "--at") {
      if (!ParseIntPair(value, ',', &request->at.x, &request->at.y)) return false;
    } else if (word == "--size") {
      CSize size;
      if (!ParseIntPair(value, ',', &size.cx, &size.cy) || size.cx <= 0 || size.cy <= 0) return false;
      request->size = size;
    } else if (word == "--angle") {
      if (!ParseDouble(value, &request->degrees)) return false;
    } else if (word == "--opacity") {
      if (!ParseInt(value, &request->opacity) || request->opacity < 0 || request->opacity > 100) return false;
    } else {
      return false;
    }
  }
  if (files.size() != 3) return false;
  request->background = files[0];
  request->layer = files[1];
  request->output = files[2];
  return true;
}

void PlaneFromBlackKey(CDibAlpha& layer) {
  unsigned char* bits = layer.LockBits();
  unsigned char* plane = layer.LockAlpha();
  if (bits && plane)
    for (int y = 0; y < layer.Height(); ++y) {
      const unsigned char* pixel = bits + static_cast<std::size_t>(layer.Height() - 1 - y) * layer.RowLength();
      for (int x = 0; x < layer.Width(); ++x, pixel += 3)
        plane[static_cast<std::size_t>(y) * layer.Width() + x] = (pixel[0] | pixel[1] | pixel[2]) ? 0 : 255;
    }
  if (plane) layer.UnlockAlpha();
  if (bits) layer.UnlockBits();
}

std::unique_ptr<CDib> ApplyCompose(CDibAlpha& layer, CDib& background, const ComposeRequest& request) {
  const CSize scaled = request.size.value_or(layer.GetSize());
  const double radians = request.degrees * 0.017453292519943295;
  const double sine = std::sin(radians);
  const double cosine = std::cos(radians);
  const CSize box(BoxSide(std::abs(scaled.cx * cosine) + std::abs(scaled.cy * sine)),
                  BoxSide(std::abs(scaled.cx * sine) + std::abs(scaled.cy * cosine)));
  layer.SetOpacity(request.opacity);
  return std::unique_ptr<CDib>(layer.PutUnderRectTransform(
      &background, request.at, CRect(0, 0, background.Width(), background.Height()), sine, cosine, scaled, box));
}

int RunCompose(const CommandArgs& args) {
  ComposeRequest request;
  if (!ParseCompose(args, &request)) return UsageError(FindCommand("compose"));
  CDib background;
  CDibAlpha layer;
  if (!LoadImageOrReport(request.background, background) || !LoadImageOrReport(request.layer, layer))
    return kExitFailure;
  if (request.alpha) {
    std::ifstream in(*request.alpha, std::ios::binary);
    if (!in) return Fail(*request.alpha, "cannot be opened");
    std::vector<unsigned char> bytes{std::istreambuf_iterator<char>(in), {}};
    if (!layer.LoadAlphaFromMemory(bytes.data(), static_cast<unsigned>(bytes.size())))
      return Fail(*request.alpha, "not an alpha PCX file or corrupt");
  } else {
    PlaneFromBlackKey(layer);
  }
  std::unique_ptr<CDib> result = ApplyCompose(layer, background, request);
  if (!result) return Fail(request.layer, "cannot be composed onto " + request.background);
  return SaveImageOrReport(*result, request.output) ? 0 : kExitFailure;
}
