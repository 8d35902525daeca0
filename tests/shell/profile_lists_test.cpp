// What the options dialog lists from the colours folder, the choice saved
// and read back as the program would load it, and the profiles we ship.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>

#include "app/shell/options/options_model.h"
#include "app/shell/profiles/filter_profile.h"
#include "app/shell/profiles/makeup_palette.h"
#include "tests/test_files.h"

namespace {

void WriteFile(const TemporaryFolder& folder, const std::string& name, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(folder.File(name)).parent_path());
  folder.Write(name, std::vector<unsigned char>(text.begin(), text.end()));
}

// Colors/Make up/{Kelvora Inc, atelier}/..., Colors/Filters/...
class ProfileListsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    WriteFile(m_colors, "Make up/Kelvora Inc/Winter.kvm", "[Makeup]\nDescription=Cold season\nCount=1\nItem1=L\n[L]\nType=MAKEUP_LIPSTICK\nCount=1\nColor1=Berry: 142, 33, 72\n");
    WriteFile(m_colors, "Make up/Kelvora Inc/Autumn.KVM", "[Makeup]\nCount=0\n");
    WriteFile(m_colors, "Make up/Kelvora Inc/notes.txt", "not a palette");
    WriteFile(m_colors, "Make up/atelier/Evening.kvm", "[Makeup]\nDescription=Evening\nCount=2\nItem1=A\nItem2=B\n");
    std::filesystem::create_directories(m_colors.File("Make up/Zeta"));
    WriteFile(m_colors, "Filters/Kelvora.kvf", "[Filters]\nDescription=Hair\nCount=1\n[Filter1]\nCount=1\nColor1=Copper: 180, 90, 45\n");
    WriteFile(m_colors, "Filters/Vivid.kvf", "[Filters]\nCount=2\n[Filter1]\nCount=1\nColor1=Fire: 220, 30, 30\n");
    m_settings.colors = NormaliseFolder(m_colors.File(""));
  }
  TemporaryFolder m_colors;
  CSettings m_settings;
};

TEST_F(ProfileListsTest, ListsAuthorsPalettesAndFilterProfilesByName) {
  EXPECT_EQ(FindMakeupAuthors(m_settings.colors), (std::vector<std::string>{"atelier", "Kelvora Inc", "Zeta"}));
  std::vector<ProfileEntry> palettes = FindMakeupProfiles(m_settings.colors, "Kelvora Inc");
  ASSERT_EQ(palettes.size(), 2u);
  EXPECT_EQ(palettes[0].displayName, "Autumn") << "no description: the file name without its extension";
  EXPECT_EQ(palettes[0].itemData, "Kelvora Inc\\Autumn.KVM");
  EXPECT_EQ(palettes[1].displayName, "Cold season");
  EXPECT_EQ(palettes[1].itemData, "Kelvora Inc\\Winter.kvm");
  EXPECT_TRUE(FindMakeupProfiles(m_settings.colors, "..").empty());
  EXPECT_TRUE(FindMakeupProfiles(m_settings.colors, "../Make up/atelier").empty());

  std::vector<ProfileEntry> filters = FindFilterProfiles(m_settings.colors);
  ASSERT_EQ(filters.size(), 2u);
  EXPECT_EQ(filters[0].displayName, "Hair");
  EXPECT_EQ(filters[1].displayName, "Vivid");
  EXPECT_EQ(filters[1].itemData, "Vivid.kvf");
  EXPECT_TRUE(FindMakeupAuthors(m_colors.File("nowhere/")).empty());
  EXPECT_TRUE(FindFilterProfiles(m_colors.File("nowhere/")).empty());
}

TEST_F(ProfileListsTest, SelectsTheStoredProfilesWithoutCaseElseTheFirst) {
  m_settings.makeupProfile = "KELVORA INC\\winter.KVM";
  m_settings.filterProfile = "vivid.KVF";
  COptionsModel model(m_settings, {});
  EXPECT_EQ(model.SelectedAuthor(), 1);
  EXPECT_EQ(model.SelectedMakeupProfile(), 1);
  EXPECT_EQ(model.SelectedFilterProfile(), 1);

  m_settings.makeupProfile = "Gone\\Old.kvm";
  m_settings.filterProfile = "Gone.kvf";
  COptionsModel fallback(m_settings, {});
  EXPECT_EQ(fallback.SelectedAuthor(), 0);
  EXPECT_EQ(fallback.SelectedMakeupProfile(), 0);
  EXPECT_EQ(fallback.SelectedFilterProfile(), 0);
}

TEST_F(ProfileListsTest, ChosenProfilesAreSavedAndLoadAsThePaletteAndFilters) {
  COptionsModel model(m_settings, {});
  model.SelectAuthor(0);  // "atelier": its only palette is chosen
  ASSERT_EQ(model.MakeupProfiles().size(), 1u);
  model.SelectFilterProfile(1);
  model.ApplyTo(m_settings);
  EXPECT_EQ(m_settings.makeupProfile, "atelier\\Evening.kvm");

  CIniProfile saved;
  m_settings.SaveSettings(saved);
  CSettings reread;
  reread.LoadSettings(saved, {m_colors.File(""), ""});
  reread.colors = m_settings.colors;
  std::optional<MakeupPalette> palette = LoadMakeupPalette(reread.GetMakeupProfilePath());
  ASSERT_TRUE(palette) << reread.GetMakeupProfilePath();
  EXPECT_EQ(palette->description, "Evening");
  EXPECT_EQ(palette->items.size(), 2u);
  CFilterProfile filters;
  ASSERT_TRUE(filters.Load(reread.GetFilterProfilePath())) << reread.GetFilterProfilePath();
  EXPECT_EQ(filters.FilterColour(0), RGB(220, 30, 30));

  // Back to the stored author: its stored palette, not its first.
  COptionsModel again(reread, {});
  again.SelectAuthor(1);
  again.SelectAuthor(0);
  EXPECT_EQ(again.Values().makeupProfile, "atelier\\Evening.kvm");
}

TEST_F(ProfileListsTest, AnAuthorWithoutPalettesKeepsTheStoredProfile) {
  m_settings.makeupProfile = "Kelvora Inc\\Winter.kvm";
  COptionsModel model(m_settings, {});
  model.SelectAuthor(2);  // "Zeta" is empty
  EXPECT_TRUE(model.MakeupProfiles().empty());
  EXPECT_EQ(model.SelectedMakeupProfile(), -1);
  CSettings applied = m_settings;
  model.ApplyTo(applied);
  EXPECT_EQ(applied.makeupProfile, "Kelvora Inc\\Winter.kvm");
}

// Counts "ColorN" keys 1..Count of a section that hold a valid, named colour.
int NamedColours(const CIniProfile& file, const std::string& section) {
  int named = 0;
  for (int j = 1; j <= file.GetInt(section, "Count", 0); ++j) {
    auto colour = ParseColourValue(file.GetString(section, "Color" + std::to_string(j), ""));
    named += colour && !colour->name.empty();
  }
  return named;
}

TEST(ShippedProfiles, EveryPaletteHasAllSixTypesAndEveryColourIsNamedAndValid) {
  const std::string colors = KELVORA_SHIPPED_COLORS;
  std::vector<std::string> authors = FindMakeupAuthors(colors);
  EXPECT_GE(authors.size(), 3u);
  CSettings defaults;
  defaults.colors = colors;
  ASSERT_TRUE(LoadMakeupPalette(defaults.GetMakeupProfilePath())) << "the default palette ships";
  for (const std::string& author : authors) {
    std::vector<ProfileEntry> palettes = FindMakeupProfiles(colors, author);
    EXPECT_FALSE(palettes.empty()) << author;
    for (const ProfileEntry& entry : palettes) {
      CSettings settings;
      settings.colors = colors;
      settings.makeupProfile = entry.itemData;
      std::optional<MakeupPalette> palette = LoadMakeupPalette(settings.GetMakeupProfilePath());
      ASSERT_TRUE(palette) << entry.itemData;
      CIniProfile file;
      ASSERT_TRUE(file.Load(settings.GetMakeupProfilePath()));
      std::set<std::string> types;
      for (const MakeupPaletteItem& item : palette->items) {
        types.insert(item.type);
        EXPECT_GE(item.colours.size(), 2u) << entry.itemData << " " << item.name;
        EXPECT_EQ(NamedColours(file, item.name), static_cast<int>(item.colours.size())) << entry.itemData << " " << item.name;
      }
      EXPECT_EQ(types, std::set<std::string>(std::begin(kMakeupTypes), std::end(kMakeupTypes))) << entry.itemData;
    }
  }
}

TEST(ShippedProfiles, EveryFilterProfileFillsElevenGroupsWithNamedColours) {
  const std::string colors = KELVORA_SHIPPED_COLORS;
  std::vector<ProfileEntry> profiles = FindFilterProfiles(colors);
  EXPECT_GE(profiles.size(), 3u);
  CSettings defaults;
  defaults.colors = colors;
  CFilterProfile standard;
  EXPECT_TRUE(standard.Load(defaults.GetFilterProfilePath())) << "the default filter profile ships";
  for (const ProfileEntry& entry : profiles) {
    const std::string path = colors + "Filters/" + entry.itemData;
    CFilterProfile profile;
    ASSERT_TRUE(profile.Load(path)) << path;
    CIniProfile file;
    ASSERT_TRUE(file.Load(path));
    EXPECT_EQ(profile.GroupCount(), kFilterGroupCount) << entry.itemData;
    for (int i = 0; i < profile.GroupCount(); ++i) {
      const std::string section = "Filter" + std::to_string(i + 1);
      EXPECT_FALSE(profile.Group(i).hint.empty()) << entry.itemData << " " << section;
      EXPECT_GE(profile.Group(i).count, 3) << entry.itemData << " " << section;
      EXPECT_EQ(NamedColours(file, section), profile.Group(i).count) << entry.itemData << " " << section;
      EXPECT_TRUE(profile.FilterColour(i)) << entry.itemData << " " << section;
    }
  }
}

}  // namespace
