#include "app/document/photo_loading.h"

#include <memory>

#include "platform/core/resource_module.h"

namespace {

constexpr unsigned kCantLoadImageId = 61781;  // "Can't load image: %s."

std::string WithPath(std::string format, const std::string& path) {
  const std::size_t at = format.find("%s");
  if (at != std::string::npos) format.replace(at, 2, path);
  return format;
}

}  // namespace

bool LoadPhotoFromPath(CKelvoraDoc& document, const std::string& path) {
  auto raster = std::make_unique<CDib>();
  if (path.empty() || !raster->LoadFromFile(path)) {
    document.Host().ShowMessage(WithPath(LoadResourceString(kCantLoadImageId), path), MessageIcon::Stop,
                                MessageButtons::Ok);
    return false;
  }
  return document.SetPhoto(std::move(raster), -1, true);
}

int LoadSamplePhotos(CKelvoraDoc& document, HINSTANCE style) {
  if (document.GetMode() != kFaceSet) document.SwitchProjectionSet(kFaceSet);
  int loaded = 0;
  for (int i = 0; i < 4; ++i) {
    auto raster = std::make_unique<CDib>();
    const std::string name = "IDB_PHOTO_W" + std::to_string(i + 1);
    if (style && raster->LoadFromResource(name.c_str(), "", style) && document.SetPhoto(std::move(raster), i, false))
      ++loaded;
  }
  document.SelectProjection(0, true, true);
  return loaded;
}
