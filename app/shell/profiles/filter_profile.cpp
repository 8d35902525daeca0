#include "app/shell/profiles/filter_profile.h"

#include <algorithm>
#include <filesystem>

#include "app/shell/profiles/makeup_palette.h"

bool CFilterProfile::Load(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(path, error)) return false;
  CIniProfile profile;
  if (!profile.Load(path)) return false;
  Read(profile, path);
  return true;
}

void CFilterProfile::Clear() {
  m_description.clear();
  m_groupCount = 0;
  m_groups.fill(FilterGroup{});
}

void CFilterProfile::Read(const CIniProfile& profile, const std::string& fileName) {
  Clear();
  m_description = ProfileDisplayName(profile.GetString("Filters", "Description", ""), fileName);
  m_groupCount = std::clamp(profile.GetInt("Filters", "Count", 0), 0, kFilterGroupCount);
  for (int i = 0; i < m_groupCount; ++i) {
    const std::string section = "Filter" + std::to_string(i + 1);
    FilterGroup& group = m_groups[static_cast<std::size_t>(i)];
    group.hint = CutToLength(profile.GetString(section, "Hint", ""), kMaxFilterHintLength);
    group.count = static_cast<std::uint16_t>(std::clamp(profile.GetInt(section, "Count", 0), 0, kFilterGroupColours));
    for (int j = 0; j < group.count; ++j)
      if (auto colour = ParseColourValue(profile.GetString(section, "Color" + std::to_string(j + 1), "")))
        group.colours[static_cast<std::size_t>(j)] = std::move(*colour);
    // A "Color" outside the group's colours would select nothing (or
    // something beyond the table); it reads as its default, the first.
    const int selected = profile.GetInt(section, "Color", 1);
    group.selected = selected >= 1 && selected <= group.count ? selected - 1 : 0;
  }
}

std::string CFilterProfile::Tooltip(int group) const {
  if (!IsShown(group)) return {};
  const FilterGroup& shown = Group(group);
  return shown.hint + "\r\n" + shown.colours[static_cast<std::size_t>(shown.selected)].name;
}

void CFilterProfile::SelectColour(int group, int entry) {
  if (!IsShown(group)) return;
  FilterGroup& shown = m_groups[static_cast<std::size_t>(group)];
  if (entry >= 0 && entry < shown.count) shown.selected = entry;
}

std::optional<COLORREF> CFilterProfile::FilterColour(int group) const {
  if (!IsShown(group) || Group(group).count == 0) return std::nullopt;
  const FilterGroup& shown = Group(group);
  return shown.colours[static_cast<std::size_t>(shown.selected)].colour;
}
