#include "app/shell/style_loading.h"

#include "platform/core/zip_resource_module.h"

std::unique_ptr<CResourceModule> LoadStyleModule(const std::string& path) {
  return CZipResourceModule::Open(path);
}
