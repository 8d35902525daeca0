// Colour-filter profiles (*.kvf): the colours behind the eleven filter
// buttons of the item panel, one group of up to nine colours a button.
//
//   [Filters]   Description, Count (groups, at most 11)
//   [FilterN]   Hint, Color (the one selected at start, from 1), Count (at
//               most 9), Color1..ColorCount ("Name: r, g, b")
//
// The table has a fixed size and is zeroed before a file is read, so a
// profile with fewer groups or colours never shows those of the last one.
// An invalid colour keeps its place as an empty entry (black, no name), so
// the button's colour numbers stay those of the file.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "app/shell/profiles/colour_value.h"
#include "platform/core/ini_profile.h"

inline constexpr int kFilterGroupCount = 11;
inline constexpr int kFilterGroupColours = 9;
inline constexpr char kFilterProfileExtension[] = ".kvf";
inline constexpr char kFiltersSubfolder[] = "Filters/";

struct FilterGroup {
  std::string hint;
  std::uint16_t count = 0;  // colours read, at most kFilterGroupColours
  int selected = 0;         // entry shown on the button, from 0
  std::array<ProfileColour, kFilterGroupColours> colours{};
};

class CFilterProfile {
 public:
  // Reads the profile. A missing or unreadable file leaves everything as it
  // was and answers false.
  bool Load(const std::string& path);
  void Read(const CIniProfile& profile, const std::string& fileName);

  const std::string& Description() const { return m_description; }
  // Groups in the file, at most kFilterGroupCount; buttons from here on are hidden.
  int GroupCount() const { return m_groupCount; }
  bool IsShown(int group) const { return group >= 0 && group < m_groupCount; }
  const FilterGroup& Group(int group) const { return m_groups[static_cast<std::size_t>(group)]; }
  // The button's tooltip: the hint, a line break and the selected colour's name.
  std::string Tooltip(int group) const;
  // Chooses another colour on a shown button; ignored outside its colours.
  void SelectColour(int group, int entry);
  // The selected colour of filter `group` (0..10); nothing for a hidden
  // button or one without colours.
  std::optional<COLORREF> FilterColour(int group) const;

 private:
  void Clear();

  std::string m_description;
  int m_groupCount = 0;
  std::array<FilterGroup, kFilterGroupCount> m_groups{};
};
