#include "app/shell/settings/settings.h"

#include <algorithm>
#include <filesystem>
#include <unistd.h>

namespace {

// One flag key of the table; `saved` says whether SaveSettings writes it.
struct FlagKey {
  const char* key;
  bool CSettings::*member;
  bool saved;
};

// In table order: SaveSettings writes in this order.
constexpr FlagKey kOptionFlags[] = {
    {"AutoSave", &CSettings::autoSave, true},
    {"SelectByOrient", &CSettings::selectByOrient, true},
    {"GalleryDblClkRestore", &CSettings::galleryDblClkRestore, true},
    {"JumpToBase", &CSettings::jumpToBase, true},
    {"Morphing", &CSettings::morphing, true},
    {"PrintPreviewFullScreen", &CSettings::printPreviewFullScreen, true},
    {"LTrackersVisible", &CSettings::lTrackersVisible, true},
    {"ShowWarnings", &CSettings::showWarnings, true},
    {"ShowQuestions", &CSettings::showQuestions, true},
    {"StandardGallery", &CSettings::standardGallery, true},
    {"StrongNewClient", &CSettings::strongNewClient, true},
    {"AskProjection", &CSettings::askProjection, true},
    {"AutoFitFace", &CSettings::autoFitFace, true},
    {"UseCTRLForTracker", &CSettings::useCtrlForTracker, false},
};

std::string ReadFolder(const CIniProfile& profile, const char* key, const std::string& fallback) {
  std::string stored = profile.GetString("Path", key, "");
  // An empty value would put files in whatever the current folder is.
  return stored.empty() ? fallback : NormaliseFolder(stored);
}

// A writable folder: the profile's value when set, else the default when it
// can be written and is not part of an installation, else the same name below
// the user's data folder.
std::string ReadWritableFolder(const CIniProfile& profile, const char* key, const std::string& fallback,
                               const std::string& userFallback, bool installed) {
  if (!profile.GetString("Path", key, "").empty()) return ReadFolder(profile, key, fallback);
  if (userFallback.empty() || (!installed && IsWritableFolder(fallback))) return fallback;
  return userFallback;
}

std::string CategorySection(int slot) { return "Categories_" + std::to_string(slot); }
std::string CategoryKey(int level) { return "CurSel" + std::to_string(level + 1); }

}  // namespace

std::string NormaliseFolder(std::string folder) {
  std::replace(folder.begin(), folder.end(), '\\', '/');
  if (!folder.empty() && folder.back() != '/') folder.push_back('/');
  return folder;
}

std::string JoinStoredPath(const std::string& folder, const std::string& relative) {
  std::string path = folder + relative;
  std::replace(path.begin() + static_cast<std::ptrdiff_t>(folder.size()), path.end(), '\\', '/');
  return path;
}

bool IsWritableFolder(const std::string& folder) {
  std::error_code error;
  std::filesystem::path probe = folder.empty() ? std::filesystem::path(".") : std::filesystem::path(folder);
  probe = std::filesystem::absolute(probe, error).lexically_normal();
  if (error) return false;
  while (!std::filesystem::exists(probe, error)) {
    if (error || !probe.has_parent_path() || probe.parent_path() == probe) return false;
    probe = probe.parent_path();
  }
  return std::filesystem::is_directory(probe, error) && ::access(probe.c_str(), W_OK | X_OK) == 0;
}

void CSettings::LoadSettings(const CIniProfile& profile, const SettingsLocations& where) {
  for (const FlagKey& flag : kOptionFlags)
    this->*flag.member = profile.GetInt("Options", flag.key, this->*flag.member ? 1 : 0) != 0;
  searchString = profile.GetString("Options", "SearchString", searchString);
  // The slideshow timer cannot run at zero or negative intervals; the
  // options dialog's range is what the program supports.
  slideshowInterval = std::clamp(profile.GetInt("Options", "SlideshowInterval", slideshowInterval),
                                 kSlideshowIntervalMin, kSlideshowIntervalMax);
  styleProfile = profile.GetString("Options", "StyleProfile", styleProfile);
  filterProfile = profile.GetString("ColorProfiles", "FilterProfile", filterProfile);
  makeupProfile = profile.GetString("ColorProfiles", "MakeupProfile", makeupProfile);

  application = ReadFolder(profile, "Application", NormaliseFolder(where.applicationFolder));
  std::string user = NormaliseFolder(where.userDataFolder);
  // An installed data folder stays as the package left it, even when the
  // prefix happens to be writable (a user's own prefix, a root session).
  std::error_code error;
  const bool installed = std::filesystem::is_regular_file(application + kInstallationMarker, error);
  bases = ReadFolder(profile, "Bases", application + "Bases/");
  basesVar = ReadWritableFolder(profile, "BasesVar", bases, user.empty() ? "" : user + "Bases/", installed);
  help = ReadFolder(profile, "Help", application + "Help/");
  data = ReadWritableFolder(profile, "Data", application + "Data/", user.empty() ? "" : user + "Data/", installed);
  samples = ReadFolder(profile, "Samples", application + "Samples/");
  styles = ReadFolder(profile, "Styles", application + "Styles/");
  temp = ReadWritableFolder(profile, "Temp", application + "Temp/", user.empty() ? "" : user + "Temp/", installed);
  colors = ReadFolder(profile, "Colors", application + "Colors/");
  ftp = profile.GetString("Path", "FTP", ftp);
  for (int slot = 0; slot < kBaseFileCount; ++slot)
    baseFiles[slot] = profile.GetString("Bases", "Base_" + std::to_string(slot), baseFiles[slot]);
  for (int slot = 0; slot < kBaseFileCount; ++slot)
    for (int level = 0; level < kCategoryChoiceLevels; ++level)
      categorySelections[slot][level] = profile.GetInt(CategorySection(slot), CategoryKey(level), 0);
}

void CSettings::SaveSettings(CIniProfile& profile) const {
  for (const FlagKey& flag : kOptionFlags)
    if (flag.saved) profile.WriteInt("Options", flag.key, this->*flag.member ? 1 : 0);
  profile.WriteString("Options", "SearchString", searchString);
  profile.WriteInt("Options", "SlideshowInterval", slideshowInterval);
  profile.WriteString("Options", "StyleProfile", styleProfile);
  profile.WriteString("ColorProfiles", "FilterProfile", filterProfile);
  profile.WriteString("ColorProfiles", "MakeupProfile", makeupProfile);
  for (int slot = 0; slot < kBaseFileCount; ++slot) {
    if (!categorySelectionsChanged[slot]) continue;
    for (int level = 0; level < kCategoryChoiceLevels; ++level)
      profile.WriteInt(CategorySection(slot), CategoryKey(level), categorySelections[slot][level]);
  }
}

bool CSettings::CreateWritableFolders() const {
  bool created = true;
  for (const std::string* folder : {&data, &temp, &basesVar}) {
    std::error_code error;
    std::filesystem::create_directories(*folder, error);
    created = created && !error && std::filesystem::is_directory(*folder, error);
  }
  return created;
}

std::string CSettings::GetBasePath(int slot) const {
  if (slot < 0 || slot >= kBaseFileCount || baseFiles[slot].empty()) return {};
  return JoinStoredPath(slot == 3 ? basesVar : bases, baseFiles[slot]);
}

std::string CSettings::GetStylePath() const { return JoinStoredPath(styles, styleProfile); }
// Palettes and filter profiles each have their own folder below "Colors".
std::string CSettings::GetFilterProfilePath() const { return JoinStoredPath(colors + "Filters/", filterProfile); }
std::string CSettings::GetMakeupProfilePath() const { return JoinStoredPath(colors + "Make up/", makeupProfile); }
