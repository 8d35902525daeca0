#include "app/shell/gallery/gallery_naming.h"

#include <cstdio>
#include <limits>

#include "platform/core/file_system.h"

std::string GalleryFileName(const std::string& folder, unsigned number, GalleryNaming naming) {
  char name[32];
  std::snprintf(name, sizeof name, naming == GalleryNaming::padded ? "%03u.kvp" : "%u.kvp", number);
  return folder + name;
}

std::string NextGalleryFileName(const std::string& folder, unsigned& counter, GalleryNaming naming) {
  while (counter < std::numeric_limits<unsigned>::max()) {
    std::string name = GalleryFileName(folder, ++counter, naming);
    if (!FileExists(name)) return name;
  }
  return {};
}
