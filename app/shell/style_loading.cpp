#include "app/shell/style_loading.h"

std::unique_ptr<CResourceModule> LoadStyleModule(const std::string& path) {
  // Will open the style archive with the style library's loader once that
  // reader joins the platform core; until then no style can be loaded.
  return nullptr;
}
