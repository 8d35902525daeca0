#include "app/bases/custom_base.h"

#include "app/bases/base_database.h"
#include "platform/core/file_system.h"

namespace {

constexpr const char* kCustomBaseTitle = "Custom";
constexpr const char* kCustomBaseVersion = "3.0";

}  // namespace

bool EnsureCustomBase(const std::string& path) {
  if (path.empty()) return false;
  if (FileExists(path)) return true;
  CBaseDatabase base;
  return base.Create(path, kCustomBaseTitle, kCustomBaseVersion, 0) && base.Save();
}
