#include "app/shell/profiles/profile_folders.h"

#include <algorithm>
#include <filesystem>

#include "app/shell/profiles/filter_profile.h"
#include "app/shell/profiles/makeup_palette.h"
#include "platform/core/ini_profile.h"

namespace {

namespace fs = std::filesystem;

char Fold(char c) {
  if (c == '/') return '\\';
  return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool LessNoCase(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                      [](char x, char y) { return Fold(x) < Fold(y); });
}

std::vector<fs::path> FolderEntries(const fs::path& folder, bool folders, const char* extension) {
  std::vector<fs::path> found;
  std::error_code error;
  fs::directory_iterator walk(folder, fs::directory_options::skip_permission_denied, error);
  for (; !error && walk != fs::directory_iterator(); walk.increment(error)) {
    std::error_code typeError;
    if (folders ? walk->is_directory(typeError)
                : walk->is_regular_file(typeError) && SameProfileName(walk->path().extension().string(), extension))
      found.push_back(walk->path());
  }
  std::sort(found.begin(), found.end(),
            [](const fs::path& a, const fs::path& b) { return LessNoCase(a.filename().string(), b.filename().string()); });
  return found;
}

// A file that cannot be read still gets its entry, by its file name.
std::string DescriptionOf(const fs::path& file, const char* section) {
  CIniProfile profile;
  std::string description = profile.Load(file.string()) ? profile.GetString(section, "Description", "") : "";
  return ProfileDisplayName(description, file.string());
}

}  // namespace

bool SameProfileName(const std::string& a, const std::string& b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return Fold(x) == Fold(y); });
}

std::string MakeupProfileAuthor(const std::string& makeupProfile) {
  std::size_t separator = makeupProfile.find_first_of("\\/");
  return separator == std::string::npos ? std::string() : makeupProfile.substr(0, separator);
}

std::vector<std::string> FindMakeupAuthors(const std::string& colorsFolder) {
  std::vector<std::string> authors;
  for (const fs::path& folder : FolderEntries(fs::path(colorsFolder) / kMakeupSubfolder, true, nullptr))
    authors.push_back(folder.filename().string());
  return authors;
}

std::vector<ProfileEntry> FindMakeupProfiles(const std::string& colorsFolder, const std::string& author) {
  std::vector<ProfileEntry> profiles;
  // An author is one folder below "Make up", never a path out of it.
  if (author.empty() || author == "." || author == ".." || author.find_first_of("\\/") != std::string::npos)
    return profiles;
  for (const fs::path& file : FolderEntries(fs::path(colorsFolder) / kMakeupSubfolder / author, false,
                                            kMakeupPaletteExtension))
    profiles.push_back({DescriptionOf(file, "Makeup"), author + "\\" + file.filename().string()});
  return profiles;
}

std::vector<ProfileEntry> FindFilterProfiles(const std::string& colorsFolder) {
  std::vector<ProfileEntry> profiles;
  for (const fs::path& file : FolderEntries(fs::path(colorsFolder) / kFiltersSubfolder, false, kFilterProfileExtension))
    profiles.push_back({DescriptionOf(file, "Filters"), file.filename().string()});
  return profiles;
}
