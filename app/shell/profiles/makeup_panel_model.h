// What the make-up panel shows, without the panel: the installed palettes
// (every author's, in the first combo box), the items of the chosen palette
// (the second) and the swatches of the chosen item (the list). Choosing a
// palette loads it and selects its first item; choosing an item makes its
// swatches from the style's pictures. A missing palette leaves the items
// and swatches empty.
#pragma once

#include <string>
#include <vector>

#include "app/shell/profiles/makeup_palette.h"
#include "app/shell/profiles/makeup_swatch.h"
#include "app/shell/profiles/profile_folders.h"

class CMakeupPanelModel {
 public:
  // `style` gives the swatch pictures; not owned.
  explicit CMakeupPanelModel(HINSTANCE style) : m_style(style) {}

  // Lists the palettes of `colorsFolder` and loads the one `makeupProfile`
  // names (compared without case); a profile that is not installed is
  // still loaded when its file exists.
  void Load(const std::string& colorsFolder, const std::string& makeupProfile);

  // Shown as "Author: Description"; the item data is the "MakeupProfile" value.
  const std::vector<ProfileEntry>& Palettes() const { return m_palettes; }
  // -1 when the loaded palette is not among them.
  int SelectedPalette() const { return m_selectedPalette; }
  // Loads palette `index`; false (nothing changed) outside the list.
  bool SelectPalette(int index);
  // The "MakeupProfile" value of what is loaded.
  const std::string& MakeupProfile() const { return m_makeupProfile; }

  const std::vector<MakeupPaletteItem>& Items() const { return m_items; }
  int SelectedItem() const { return m_selectedItem; }
  bool SelectItem(int index);

  const std::vector<MakeupSwatch>& Swatches() const { return m_swatches; }

 private:
  void LoadPalette(const std::string& makeupProfile);

  HINSTANCE m_style;
  std::string m_colorsFolder;
  std::vector<ProfileEntry> m_palettes;
  int m_selectedPalette = -1;
  std::string m_makeupProfile;
  std::vector<MakeupPaletteItem> m_items;
  int m_selectedItem = -1;
  std::vector<MakeupSwatch> m_swatches;
};
