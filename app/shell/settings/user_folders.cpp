#include "app/shell/settings/user_folders.h"

#include <cstdlib>
#include <filesystem>

#include "app/shell/settings/settings.h"

namespace {

// The XDG rule: a variable that is unset, empty or not absolute is ignored.
std::string XdgFolder(const char* variable, const char* belowHome) {
  const char* value = std::getenv(variable);
  if (value && value[0] == '/') return NormaliseFolder(value);
  const char* home = std::getenv("HOME");
  return NormaliseFolder(std::string(home && home[0] ? home : "/tmp") + belowHome);
}

}  // namespace

std::string UserConfigFolder() { return XdgFolder("XDG_CONFIG_HOME", "/.config") + "Kelvora/"; }
std::string UserDataFolder() { return XdgFolder("XDG_DATA_HOME", "/.local/share") + "Kelvora/"; }
std::string UserProfilePath() { return UserConfigFolder() + "Kelvora.ini"; }

std::string DefaultApplicationFolder(const std::string& programFolder) {
  std::filesystem::path folder = std::filesystem::path(programFolder) / ".." / "share" / "kelvora";
  return NormaliseFolder(folder.lexically_normal().string());
}

std::string ProgramFolderFromCommandLine(const std::string& commandLine) {
  std::string path;
  if (!commandLine.empty() && commandLine.front() == '"') {
    std::string::size_type close = commandLine.find('"', 1);
    path = commandLine.substr(1, close == std::string::npos ? std::string::npos : close - 1);
  } else {
    path = commandLine.substr(0, commandLine.find_first_of(" \t"));
  }
  std::string::size_type separator = path.find_last_of("/\\");
  if (separator == std::string::npos) return "./";
  return NormaliseFolder(path.substr(0, separator + 1));
}
