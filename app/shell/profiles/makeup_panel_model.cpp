#include "app/shell/profiles/makeup_panel_model.h"

#include <algorithm>

namespace {

// The stored value's folder and file under "Make up", whatever separator
// the user typed, for reading the file.
std::string PalettePath(const std::string& colorsFolder, const std::string& makeupProfile) {
  std::string relative = makeupProfile;
  std::replace(relative.begin(), relative.end(), '\\', '/');
  return colorsFolder + kMakeupSubfolder + relative;
}

bool LeadsOutOfItsFolder(const std::string& makeupProfile) {
  std::size_t start = 0;
  while (start <= makeupProfile.size()) {
    std::size_t end = makeupProfile.find_first_of("\\/", start);
    if (end == std::string::npos) end = makeupProfile.size();
    if (makeupProfile.compare(start, end - start, "..") == 0) return true;
    start = end + 1;
  }
  return !makeupProfile.empty() && (makeupProfile[0] == '/' || makeupProfile[0] == '\\');
}

}  // namespace

void CMakeupPanelModel::Load(const std::string& colorsFolder, const std::string& makeupProfile) {
  m_colorsFolder = colorsFolder;
  m_palettes.clear();
  for (const std::string& author : FindMakeupAuthors(colorsFolder))
    for (ProfileEntry entry : FindMakeupProfiles(colorsFolder, author)) {
      entry.displayName = author + ": " + entry.displayName;
      m_palettes.push_back(std::move(entry));
    }
  LoadPalette(makeupProfile);
}

bool CMakeupPanelModel::SelectPalette(int index) {
  if (index < 0 || index >= static_cast<int>(m_palettes.size())) return false;
  LoadPalette(m_palettes[static_cast<std::size_t>(index)].itemData);
  return true;
}

void CMakeupPanelModel::LoadPalette(const std::string& makeupProfile) {
  m_makeupProfile = makeupProfile;
  auto match = std::find_if(m_palettes.begin(), m_palettes.end(),
                            [&](const ProfileEntry& entry) { return SameProfileName(entry.itemData, makeupProfile); });
  m_selectedPalette = match == m_palettes.end() ? -1 : static_cast<int>(match - m_palettes.begin());
  m_items.clear();
  m_swatches.clear();
  m_selectedItem = -1;
  // A value leading out of the colours folder names no palette.
  if (LeadsOutOfItsFolder(makeupProfile)) return;
  // The stored name compares without case; the file is read by its own.
  const std::string& file = match == m_palettes.end() ? makeupProfile : match->itemData;
  std::optional<MakeupPalette> palette = LoadMakeupPalette(PalettePath(m_colorsFolder, file));
  if (!palette) return;
  m_items = std::move(palette->items);
  if (!m_items.empty()) SelectItem(0);
}

bool CMakeupPanelModel::SelectItem(int index) {
  if (index < 0 || index >= static_cast<int>(m_items.size())) return false;
  m_selectedItem = index;
  m_swatches = CreateMakeupSwatches(m_items[static_cast<std::size_t>(index)], m_style);
  return true;
}
