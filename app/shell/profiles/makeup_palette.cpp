#include "app/shell/profiles/makeup_palette.h"

#include <algorithm>
#include <filesystem>

std::string ProfileDisplayName(const std::string& description, const std::string& path) {
  if (!description.empty()) return description;
  std::string file = std::filesystem::path(path).filename().string();
  return file.substr(0, file.size() > 4 ? file.size() - 4 : 0);
}

MakeupPalette ReadMakeupPalette(const CIniProfile& profile, const std::string& fileName) {
  MakeupPalette palette;
  palette.description = ProfileDisplayName(profile.GetString("Makeup", "Description", ""), fileName);
  const int itemCount = std::min(profile.GetInt("Makeup", "Count", 0), kMaxPaletteItems);
  for (int i = 1; i <= itemCount; ++i) {
    std::string section = profile.GetString("Makeup", "Item" + std::to_string(i), "");
    if (section.empty()) continue;
    MakeupPaletteItem item;
    item.name = section;
    item.type = profile.GetString(section, "Type", "");
    const int colourCount = std::min(profile.GetInt(section, "Count", 0), kMaxPaletteItemColours);
    for (int j = 1; j <= colourCount; ++j)
      if (auto colour = ParseColourValue(profile.GetString(section, "Color" + std::to_string(j), "")))
        item.colours.push_back(std::move(*colour));
    palette.items.push_back(std::move(item));
  }
  return palette;
}

std::optional<MakeupPalette> LoadMakeupPalette(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
  CIniProfile profile;
  if (!profile.Load(path)) return std::nullopt;
  return ReadMakeupPalette(profile, path);
}
