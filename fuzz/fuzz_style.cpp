// Style archives through the loader, then a few lookups of what was found.
#include <cstdint>
#include <span>

#include "platform/core/zip_resource_module.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // Small limits keep each run quick; the checks are the same at any size.
  ZipStyleLimits limits;
  limits.maxEntryBytes = 1 << 20;
  limits.maxTotalBytes = 4 << 20;
  auto module = CZipResourceModule::OpenMemory(std::span<const unsigned char>(data, size), nullptr, limits);
  if (!module) return 0;
  module->FindResource("IDB_SPLASH", "jpgimage");
  module->FindResource(MakeIntResource(1), MakeIntResource(kResourceTypeBitmap));
  module->LoadString(1);
  return 0;
}
