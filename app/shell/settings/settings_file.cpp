#include "app/shell/settings/settings_file.h"

#include <filesystem>

bool LoadSettingsFile(CSettings& settings, const std::string& profilePath, const SettingsLocations& where) {
  CIniProfile profile;
  bool read = profile.Load(profilePath);
  settings.LoadSettings(profile, where);
  return read;
}

bool SaveSettingsFile(const CSettings& settings, const std::string& profilePath) {
  CIniProfile profile;
  if (!profile.Load(profilePath)) return false;
  settings.SaveSettings(profile);
  std::error_code error;
  std::filesystem::path folder = std::filesystem::path(profilePath).parent_path();
  if (!folder.empty()) std::filesystem::create_directories(folder, error);
  return profile.Save(profilePath);
}
