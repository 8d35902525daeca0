// Item databases from anywhere: the fuzzer's bytes become the main file, with
// small valid stores beside it, and every item's picture and thumbnail is read.
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>

#include "app/bases/base_database.h"
#include "imagelib/dib_alpha.h"

namespace {

const std::string& Folder() {
  static const std::string folder = [] {
    std::string path = (std::filesystem::temp_directory_path() / ("kelvora-fuzz-base-" + std::to_string(::getpid()))).string();
    std::filesystem::create_directories(path);
    std::ofstream(path + "/f.hbi", std::ios::binary) << std::string(4096, '\x07');
    std::ofstream(path + "/f.hbp", std::ios::binary) << std::string(48 * 48 * 3 * 2, '\x09');
    return path;
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  std::string path = Folder() + "/f.hbd";
  {
    std::ofstream main(path, std::ios::binary | std::ios::trunc);
    main.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  }
  CBaseDatabase base;
  if (!base.Open(path, true)) return 0;
  base.Load();
  for (const BaseItemRecord& record : base.Records()) {
    std::unique_ptr<CDibAlpha> image(base.LoadItemImage(record.imageOffset));
    std::unique_ptr<CDib> thumbnail(base.LoadThumbnail(record.thumbOffset));
  }
  std::vector<std::string> all(5, "all");
  base.FilterItems(all, -1, -1);
  base.LoadThumbnails();
  return 0;
}
