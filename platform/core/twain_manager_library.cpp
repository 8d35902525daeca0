#include "platform/core/twain_manager_library.h"

#include <dlfcn.h>

#include <filesystem>

namespace {

// Process-wide, as the manager itself is.
void* g_library = nullptr;
DSMENTRYPROC g_entry = nullptr;

}  // namespace

bool LoadTwainManager(const std::string& path) {
  if (g_library) return true;
  std::error_code error;
  if (path.empty() || !std::filesystem::is_regular_file(path, error)) return false;
  // Kept in memory after the last close, as the platform's manager stays
  // resident: the source the user chose lasts for the session.
  void* library = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
  if (!library) return false;
  auto entry = reinterpret_cast<DSMENTRYPROC>(::dlsym(library, "DSM_Entry"));
  if (!entry) {
    ::dlclose(library);
    return false;
  }
  g_library = library;
  g_entry = entry;
  return true;
}

void UnloadTwainManager() {
  if (g_library) ::dlclose(g_library);
  g_library = nullptr;
  g_entry = nullptr;
}

DSMENTRYPROC TwainManagerEntry() { return g_entry; }

std::string TwainManagerPath(const std::string& programFolder) {
  const std::filesystem::path folder(programFolder.empty() ? "." : programFolder);
  const std::filesystem::path installed = (folder / ".." / "lib" / "kelvora" / kTwainManagerFileName).lexically_normal();
  std::error_code error;
  if (std::filesystem::is_regular_file(installed, error)) return installed.string();
  return (folder / kTwainManagerFileName).lexically_normal().string();
}
