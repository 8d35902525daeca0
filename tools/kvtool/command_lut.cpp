// kvtool lut: tries a layer's colour table on a whole photo. The table is
// built as the program builds a layer's (brightness, contrast and hue about
// the image's mean colour, then the colour filter) and every pixel is drawn
// through it, grey-indexed when a filter is given as a filtered layer is.
#include "tools/kvtool/image_commands.h"
#include "tools/kvtool/image_io.h"

bool ParseLut(const CommandArgs& args, LutRequest* request) {
  std::vector<std::string> files;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    auto next = [&](int* value) { return ++i < args.size() && ParseInt(args[i], value); };
    int value = 0;
    if (word == "--brightness") {
      if (!next(&value)) return false;
      request->brightness = value;
    } else if (word == "--contrast") {
      if (!next(&value)) return false;
      request->contrast = value;
    } else if (word == "--hue") {
      if (!next(&value)) return false;
      request->hue = value;
    } else if (word == "--filter") {
      unsigned long color;
      if (++i == args.size() || !ParseHexColor(args[i], &color) || !next(&request->filterLevel)) return false;
      request->filterColor = color;
    } else if (word.starts_with("--")) {
      return false;
    } else {
      files.push_back(word);
    }
  }
  if (files.size() != 2) return false;
  request->files = {files[0], files[1]};
  return true;
}

CLut BuildLut(CDib& image, const LutRequest& request) {
  CLut lut;
  double red = 0, green = 0, blue = 0;
  image.CalcMiddleValues(&red, &green, &blue);
  if (request.brightness) lut.SetBrightness(*request.brightness);
  if (request.contrast) lut.SetContrast(*request.contrast, red, green, blue);
  if (request.hue) lut.SetHue(*request.hue, red, green, blue);
  if (request.filterColor) lut.ColorFilter(*request.filterColor, request.filterLevel);
  return lut;
}

std::unique_ptr<CDib> MapThroughLut(CDib& image, const CLut& lut, bool greyIndex) {
  auto result = std::make_unique<CDib>(image);
  unsigned char* bits = result->LockBits();
  if (!bits) return nullptr;
  const unsigned char* tables[3] = {lut.m_Blue, lut.m_Green, lut.m_Red};
  for (int row = 0; row < result->Height(); ++row) {
    unsigned char* pixel = bits + static_cast<std::ptrdiff_t>(row) * result->RowLength();
    for (int x = 0; x < result->Width(); ++x, pixel += 3) {
      const int grey = (pixel[0] + pixel[1] + pixel[2]) / 3;
      for (int channel = 0; channel < 3; ++channel)
        pixel[channel] = tables[channel][greyIndex ? grey : pixel[channel]];
    }
  }
  result->UnlockBits();
  return result;
}

std::unique_ptr<CDib> ApplyLut(CDib& image, const LutRequest& request) {
  return MapThroughLut(image, BuildLut(image, request), request.filterColor.has_value());
}

int RunLut(const CommandArgs& args) {
  LutRequest request;
  if (!ParseLut(args, &request)) return UsageError(FindCommand("lut"));
  return RunOnImage(request.files, [&](CDib& image) { return ApplyLut(image, request); },
                    "the colour table could not be applied");
}
