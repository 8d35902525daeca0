// kvtool base: the commands that read a database (list, extract, check).
#include <cstdio>
#include <memory>
#include <set>

#include "app/bases/item_record.h"
#include "imagelib/dib_alpha.h"
#include "tools/kvtool/base_commands.h"
#include "tools/kvtool/image_io.h"

namespace {

constexpr std::uint32_t kThumbnailBytes = kThumbnailSide * kThumbnailSide * 3;

bool OpenForReading(const std::string& path, CBaseDatabase& base) {
  return base.Open(path, true) && base.Load();
}

std::uint32_t RawColourBytes(std::int64_t width, std::int64_t height) {
  return static_cast<std::uint32_t>(((width * 3 + 3) & ~std::int64_t{3}) * height);
}

}  // namespace

std::string DescribeItem(int index, const BaseItemRecord& record) {
  std::string categories;
  for (int level = 0; level < kCategoryLevels; ++level)
    categories += (level ? "/" : "") + GetItemCategory(record, level);
  CRect placement = GetItemPlacement(record);
  char line[512];
  std::snprintf(line, sizeof line,
                "%d\t%s\tprojection=%u\tshape=%u\tcategories=%s\tplacement=%d,%d,%d,%d\timage=%u\tthumbnail=%u", index,
                GetItemName(record).c_str(), record.projection, record.faceShape, categories.c_str(), placement.left,
                placement.top, placement.right, placement.bottom, record.imageBlockSize, record.thumbSize);
  return line;
}

int RunBaseList(const CommandArgs& args) {
  if (args.size() != 1) return UsageError(FindCommand("base"));
  CBaseDatabase base;
  if (!OpenForReading(args[0], base)) return Fail(args[0], "not a readable item database");
  for (std::size_t i = 0; i < base.Records().size(); ++i)
    std::printf("%s\n", DescribeItem(static_cast<int>(i), base.Records()[i]).c_str());
  return 0;
}

int RunBaseExtract(const CommandArgs& args) {
  std::vector<std::string> words;
  std::string alphaOut;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--alpha" && i + 1 < args.size()) alphaOut = args[++i];
    else if (args[i].starts_with("--")) return UsageError(FindCommand("base"));
    else words.push_back(args[i]);
  }
  int index = 0;
  if (words.size() != 3 || !ParseInt(words[1], &index)) return UsageError(FindCommand("base"));
  CBaseDatabase base;
  if (!OpenForReading(words[0], base)) return Fail(words[0], "not a readable item database");
  if (index < 0 || index >= static_cast<int>(base.Records().size())) return Fail(words[0], "has no item " + words[1]);
  std::unique_ptr<CDibAlpha> image(base.LoadItemImage(base.Records()[index].imageOffset));
  if (!image) return Fail(words[0], "item " + words[1] + " has a broken image block");
  if (!SaveImageOrReport(*image, words[2])) return kExitFailure;
  if (!alphaOut.empty() && !image->SaveAlphaToFile(alphaOut)) return Fail(alphaOut, "cannot be written");
  return 0;
}

std::vector<std::string> CheckBase(CBaseDatabase& base) {
  std::vector<std::string> problems;
  const std::uint64_t images = base.GetImageStore().GetLength();
  const std::uint64_t thumbnails = base.GetThumbnailStore().GetLength();
  std::set<std::uint32_t> offsets;
  for (std::size_t i = 0; i < base.Records().size(); ++i) {
    const BaseItemRecord& record = base.Records()[i];
    std::string item = "item " + std::to_string(i) + " (" + GetItemName(record) + "): ";
    if (!offsets.insert(record.imageOffset).second) problems.push_back(item + "shares its image block with another item");
    if (std::uint64_t{record.imageOffset} + record.imageBlockSize > images) {
      problems.push_back(item + "image block runs past the image store");
    } else {
      ItemImageHeader header{};
      base.GetImageStore().Seek(record.imageOffset, CFile::begin);
      if (base.GetImageStore().Read(&header, sizeof header) != sizeof header) {
        problems.push_back(item + "image header cannot be read");
      } else if (kItemImageHeaderBytes + std::uint64_t{header.imageBytes} + header.alphaBytes != record.imageBlockSize) {
        problems.push_back(item + "image block size disagrees with its header");
      } else if (header.compressed == 0 && (header.width <= 0 || header.height <= 0 ||
                                            header.imageBytes != RawColourBytes(header.width, header.height) ||
                                            header.alphaBytes != std::uint64_t(header.width) * header.height)) {
        problems.push_back(item + "raw image sizes disagree with its width and height");
      } else if (std::unique_ptr<CDibAlpha> image(base.LoadItemImage(record.imageOffset)); !image) {
        problems.push_back(item + "image cannot be decoded");
      }
    }
    if (std::uint64_t{record.thumbOffset} + record.thumbSize > thumbnails)
      problems.push_back(item + "thumbnail runs past the thumbnail store");
    else if (record.thumbSize != kThumbnailBytes)
      problems.push_back(item + "thumbnail is not a 48 x 48 picture");
  }
  return problems;
}

int RunBaseCheck(const CommandArgs& args) {
  if (args.size() != 1) return UsageError(FindCommand("base"));
  CBaseDatabase base;
  if (!base.Open(args[0], true)) return Fail(args[0], "cannot be opened (its .hbi and .hbp files must be beside it)");
  if (!base.Load()) return Fail(args[0], "is shorter than its header, records or extension");
  std::vector<std::string> problems = CheckBase(base);
  for (const std::string& problem : problems) std::printf("%s\n", problem.c_str());
  std::printf("%zu items, %zu problems\n", base.Records().size(), problems.size());
  return problems.empty() ? 0 : kExitFailure;
}
