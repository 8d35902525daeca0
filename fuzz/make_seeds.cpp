// Writes small valid BMP, PCX, JPEG, alpha PCX, item database, style and
// project files into the given folder: the fuzzers' starting corpus.
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "app/bases/base_database.h"
#include "app/document/project_file.h"
#include "imagelib/dib.h"
#include "imagelib/dib_alpha.h"
#include "platform/core/zip_resource_writer.h"

namespace {

void WritePcx(const std::string& path, int width, int height) {
  std::vector<unsigned char> file(128, 0);
  file[0] = 10;
  file[1] = 5;
  file[2] = 1;
  file[3] = 8;
  file[8] = static_cast<unsigned char>(width - 1);
  file[10] = static_cast<unsigned char>(height - 1);
  file[65] = 3;
  file[66] = static_cast<unsigned char>(width + width % 2);
  file[68] = 1;
  for (int line = 0; line < height * 3; ++line) {
    file.push_back(0xC0 + static_cast<unsigned char>(width + width % 2));
    file.push_back(static_cast<unsigned char>(line * 40));
  }
  std::FILE* out = std::fopen(path.c_str(), "wb");
  if (!out) return;
  std::fwrite(file.data(), 1, file.size(), out);
  std::fclose(out);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_seeds FOLDER\n");
    return 2;
  }
  std::string folder = argv[1];
  CDib image;
  image.Create(CSize(7, 5), 0x336699ul);
  image.Fill_Color(0x336699ul);
  image.SaveToBMPFile(folder + "/bmp/seed.bmp");
  image.SaveToJPGFile(folder + "/jpeg/colour.jpg", false, true, 80, true);
  image.SaveToJPGFile(folder + "/jpeg/grey.jpg", false, false, 50, false);
  WritePcx(folder + "/pcx/seed.pcx", 3, 2);
  CDibAlpha layer;
  layer.Create(CSize(70, 4));
  unsigned char* plane = layer.LockAlpha();
  for (int i = 0; i < 70 * 4; ++i) plane[i] = static_cast<unsigned char>(i < 140 ? 255 : i * 7);
  layer.UnlockAlpha();
  layer.SaveAlphaToFile(folder + "/alpha_pcx/seed.pcx");

  // An item database with one raw and one compressed item; only its main
  // file is a seed (the fuzzer keeps stores of its own beside it).
  CBaseDatabase base;
  CDib thumbnail;
  thumbnail.Create(CSize(48, 48), 0xFFFFFFul);
  BaseItemRecord record{};
  if (base.Create(folder + "/base/seed.hbd", "Seed", "3.0", 1)) {
    base.AddItem(&layer, &thumbnail, record, true, false, 85, true);
    base.AddItem(&layer, &thumbnail, record, true, true, 85, true);
    base.Save();
  }

  CZipResourceWriter style;
  style.AddResource("IDB_SPLASH", "jpgimage", {0xFF, 0xD8, 0xFF, 0xD9}, ".jpg");
  style.AddResource("IDR_APPWINDOW_SIZE_MIN", "wndpos", {'8', '0', '0', ',', '6', '0', '0'});
  style.AddString(1, "Seed");
  style.Save(folder + "/style/seed.kvstyle");

  // A small look: photo, make-up and a hairstyle and a head-dress, so the
  // seed has slots from both halves of the mask.
  CKelvoraDoc document;
  auto photo = std::make_unique<CDib>();
  photo->Create(CSize(6, 4), 0x8090A0ul);
  document.SetPhoto(std::move(photo), 0, false);
  document.GetProjection(0)->FaceFrame().SetRect(1, 1, 5, 3);
  auto item = std::make_unique<CDibAlpha>();
  item->Create(CSize(3, 2), 0x102030ul);
  document.PutItem(std::move(item), 0, 0, 2, 0, 0);
  item = std::make_unique<CDibAlpha>();
  item->Create(CSize(2, 2), 0x405060ul);
  document.PutItem(std::move(item), 0, 0, 1, 0, 8);
  WriteProjectFile(document, 0, folder + "/project/seed.kvp");
  return 0;
}
