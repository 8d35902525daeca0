#include "tools/kvtool/area_args.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sstream>

#include "imagelib/alpha_pcx.h"
#include "platform/core/atomic_file.h"
#include "tools/kvtool/image_io.h"

namespace {

constexpr int kFarthestPoint = 1000000;

}  // namespace

bool SplitAreaArgs(const CommandArgs& args, const std::vector<std::string>& known, AreaArgs* out) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (!args[i].starts_with("--")) {
      out->words.push_back(args[i]);
      continue;
    }
    if (i + 1 == args.size() || std::find(known.begin(), known.end(), args[i]) == known.end()) return false;
    out->options[args[i]] = args[i + 1];
    ++i;
  }
  return true;
}

bool ParsePointList(const std::string& text, std::vector<CPoint>* points) {
  std::istringstream in(text);
  for (std::string word; in >> word;) {
    CPoint p;
    if (!ParseIntPair(word, ',', &p.x, &p.y) || std::abs(p.x) > kFarthestPoint || std::abs(p.y) > kFarthestPoint)
      return false;
    points->push_back(p);
  }
  return true;
}

bool ParseBoundedInt(const std::string& text, int low, int high, int* value) {
  return ParseInt(text, value) && *value >= low && *value <= high;
}

bool LoadLayerWithAlpha(const std::string& layerPath, const std::string& alphaPath, CDibAlpha& layer) {
  if (!LoadImageOrReport(layerPath, layer)) return false;
  std::ifstream in(alphaPath, std::ios::binary);
  if (!in) return Fail(alphaPath, "cannot be opened"), false;
  const std::vector<unsigned char> plane{std::istreambuf_iterator<char>(in), {}};
  const std::optional<CSize> size = pixkit::ReadAlphaPcxSize(plane);
  if (!size) return Fail(alphaPath, "not an alpha PCX file or corrupt"), false;
  if (*size != layer.GetSize())
    return Fail(alphaPath, "the plane is " + std::to_string(size->cx) + "x" + std::to_string(size->cy) +
                               ", the layer " + std::to_string(layer.Width()) + "x" + std::to_string(layer.Height())),
           false;
  if (!layer.LoadAlphaFromMemory(plane.data(), static_cast<unsigned>(plane.size())))
    return Fail(alphaPath, "not an alpha PCX file or corrupt"), false;
  return true;
}

bool SaveLayerWithAlpha(CDibAlpha& layer, const std::string& imagePath, const std::string& alphaPath) {
  if (!SaveImageOrReport(layer, imagePath)) return false;
  if (!WriteFileAtomically(alphaPath, [&](const std::string& temporary) { return layer.SaveAlphaToFile(temporary); }))
    return Fail(alphaPath, "cannot be written"), false;
  return true;
}

bool SaveMaskPicture(const CSelectionMask& mask, const std::string& path) {
  CDib picture;
  if (!picture.Create(CSize(mask.width, mask.height))) return Fail(path, "the mask is too large to write"), false;
  unsigned char* bits = picture.LockBits();
  for (int y = 0; y < mask.height; ++y) {
    unsigned char* row = bits + static_cast<std::size_t>(mask.height - 1 - y) * picture.RowLength();
    for (int x = 0; x < mask.width; ++x) row[3 * x] = row[3 * x + 1] = row[3 * x + 2] = mask.cells[y * mask.width + x];
  }
  picture.UnlockBits();
  if (!SaveImageOrReport(picture, path)) return false;
  std::printf("origin %d %d\nsize %d %d\n", mask.origin.x, mask.origin.y, mask.width, mask.height);
  return true;
}
