// What the options dialog edits, without the dialog: a copy of the settings
// that the check boxes, the lists and the interval change, applied to the
// application's record only on "OK" or "Save now". The styles list holds
// every style file below the styles folder that names itself; the make-up
// author, make-up profile and filter profile lists what the colours folder
// holds.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/shell/profiles/profile_folders.h"
#include "app/shell/settings/settings.h"
#include "platform/core/resource_module.h"

// The string of a style that names it in the list.
inline constexpr unsigned kStyleNameString = 1;
inline constexpr char kStyleFileExtension[] = ".kvstyle";

struct StyleEntry {
  std::string displayName;
  std::string relativePath;  // below the styles folder, "\" separators as the profile keeps it
};

using StyleLoader = std::function<std::unique_ptr<CResourceModule>(const std::string& path)>;

// Every style file in `stylesFolder` and its sub-folders, in name order,
// each loaded in turn for its name; files that cannot be loaded or have no
// name are left out.
std::vector<StyleEntry> FindStyles(const std::string& stylesFolder, const StyleLoader& load);

class COptionsModel {
 public:
  COptionsModel(const CSettings& settings, std::vector<StyleEntry> styles);

  CSettings& Values() { return m_values; }
  const std::vector<StyleEntry>& Styles() const { return m_styles; }
  // The entry of the current "StyleProfile" (compared without case), -1 for none.
  int SelectedStyle() const { return m_selectedStyle; }
  void SelectStyle(int index);
  void SetInterval(int milliseconds);

  // The make-up authors; the one of "MakeupProfile" (without case) is
  // selected, else the first. Choosing another author refills its palettes.
  const std::vector<std::string>& MakeupAuthors() const { return m_authors; }
  int SelectedAuthor() const { return m_selectedAuthor; }
  void SelectAuthor(int index);
  // The selected author's palettes; the one equal to "MakeupProfile" is
  // selected, else the first.
  const std::vector<ProfileEntry>& MakeupProfiles() const { return m_makeupProfiles; }
  int SelectedMakeupProfile() const { return m_selectedMakeupProfile; }
  void SelectMakeupProfile(int index);
  // The filter profiles; the one equal to "FilterProfile" is selected, else the first.
  const std::vector<ProfileEntry>& FilterProfiles() const { return m_filterProfiles; }
  int SelectedFilterProfile() const { return m_selectedFilterProfile; }
  void SelectFilterProfile(int index);

  // "OK": the dialog's values into the record, nothing written.
  void ApplyTo(CSettings& settings) const;

 private:
  CSettings m_values;
  std::vector<StyleEntry> m_styles;
  int m_selectedStyle = -1;
  // Going back to the stored author selects the stored palette again.
  std::string m_storedMakeupProfile;
  std::vector<std::string> m_authors;
  int m_selectedAuthor = -1;
  std::vector<ProfileEntry> m_makeupProfiles;
  int m_selectedMakeupProfile = -1;
  std::vector<ProfileEntry> m_filterProfiles;
  int m_selectedFilterProfile = -1;
};

// The spin control's step while held: 100, and 500 after three seconds.
int IntervalSpinStep(long long heldMilliseconds);
