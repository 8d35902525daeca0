// Palettes and filter profiles are text a salon edits by hand: these tests
// feed the readers hand-written files, good and damaged.
#include <gtest/gtest.h>

#include <cstring>

#include "app/shell/profiles/colour_value.h"
#include "app/shell/profiles/filter_profile.h"
#include "app/shell/profiles/makeup_palette.h"
#include "app/shell/profiles/makeup_swatch.h"
#include "tests/imagelib/test_images.h"
#include "tests/test_files.h"

namespace {

std::string WriteText(const TemporaryFolder& folder, const std::string& name, const std::string& text) {
  return folder.Write(name, std::vector<unsigned char>(text.begin(), text.end()));
}

struct ColourCase {
  const char* text;
  bool valid;
  const char* name;
  COLORREF colour;
};

class ColourValueTest : public ::testing::TestWithParam<ColourCase> {};

TEST_P(ColourValueTest, ParsesNameAndThreeNumbersOrRefuses) {
  const ColourCase& c = GetParam();
  std::optional<ProfileColour> parsed = ParseColourValue(c.text);
  ASSERT_EQ(parsed.has_value(), c.valid) << c.text;
  if (!parsed) return;
  EXPECT_EQ(parsed->name, c.name) << c.text;
  EXPECT_EQ(parsed->colour, c.colour) << c.text;
}

INSTANTIATE_TEST_SUITE_P(
    Values, ColourValueTest,
    ::testing::Values(ColourCase{"Rose: 200, 30, 40", true, "Rose", 0x00281EC8},
                      ColourCase{"200,30,40", true, "", 0x00281EC8},
                      ColourCase{"   Deep Wine:200 ,30, 40   ", true, "Deep Wine", 0x00281EC8},
                      ColourCase{":1,2,3", true, "", 0x00030201},
                      // Each number keeps its low 8 bits, even past the range of int.
                      ColourCase{"256, -1, 4294967303", true, "", 0x0007FF00},
                      // atoi reading: it stops at the first other character.
                      ColourCase{"12.9, +7, 3#", true, "", 0x0003070C},
                      ColourCase{"200, 30", false, "", 0}, ColourCase{"200, 3a, 40", false, "", 0},
                      ColourCase{"200, 30, 40, 50", false, "", 0}, ColourCase{"Red: 200,,40", false, "", 0},
                      ColourCase{"Red:", false, "", 0}, ColourCase{"", false, "", 0},
                      ColourCase{"200, 30, 40,", false, "", 0},
                      // Only the first colon ends the name; the rest must be numbers.
                      ColourCase{"Dark: Red: 1, 2, 3", false, "", 0}));

TEST(ColourValue, LongNamesAreCutWithoutSplittingACharacter) {
  std::string name(198, 'a');
  name += "\xC3\xA9\xC3\xA9";  // "éé": the cut at 199 falls inside the first
  std::optional<ProfileColour> parsed = ParseColourValue(name + ": 1, 2, 3");
  ASSERT_TRUE(parsed);
  EXPECT_EQ(parsed->name, std::string(198, 'a'));
  EXPECT_EQ(ParseColourValue(std::string(500, 'b') + ":1,2,3")->name.size(), kMaxColourNameLength);
}

TEST(MakeupPalette, ReadsItemsInOrderSkippingEmptyNamesAndInvalidColours) {
  TemporaryFolder folder;
  std::string path = WriteText(folder, "Spring.kvm",
                               "[Makeup]\nCount=4\nItem1=Lips\nItem2=\nItem3=Cheeks\nItem4=Nothing here\n"
                               "[Lips]\nType=MAKEUP_LIPSTICK\nCount=4\nColor1=Coral: 240, 110, 90\n"
                               "Color2=broken\nColor3=10,20,30\n"
                               "[Cheeks]\nType=MAKEUP_ROUGE\nCount=0\nColor1=Peach: 1, 2, 3\n");
  std::optional<MakeupPalette> palette = LoadMakeupPalette(path);
  ASSERT_TRUE(palette);
  EXPECT_EQ(palette->description, "Spring") << "no description: the file name without its extension";
  ASSERT_EQ(palette->items.size(), 3u);
  EXPECT_EQ(palette->items[0].name, "Lips");
  EXPECT_EQ(palette->items[0].type, "MAKEUP_LIPSTICK");
  ASSERT_EQ(palette->items[0].colours.size(), 2u) << "the invalid and the missing fourth colour give nothing";
  EXPECT_EQ(palette->items[0].colours[0].name, "Coral");
  EXPECT_EQ(palette->items[0].colours[1].colour, RGB(10, 20, 30));
  EXPECT_TRUE(palette->items[1].colours.empty()) << "Count 0 reads no colours";
  EXPECT_EQ(palette->items[2].name, "Nothing here") << "an item without a section still shows";
}

TEST(MakeupPalette, CountZeroMissingFilesAndHugeCountsGiveNoItems) {
  TemporaryFolder folder;
  EXPECT_TRUE(LoadMakeupPalette(WriteText(folder, "a.kvm", "[Makeup]\nDescription=Empty\nCount=0\nItem1=Lips\n"))->items.empty());
  EXPECT_FALSE(LoadMakeupPalette(folder.File("missing.kvm")));
  EXPECT_FALSE(LoadMakeupPalette(folder.File(""))) << "a folder is not a palette";
  std::optional<MakeupPalette> huge =
      LoadMakeupPalette(WriteText(folder, "b.kvm", "[Makeup]\nCount=2147483647\nItem1=L\n[L]\nCount=2147483647\nColor1=1,2,3\n"));
  ASSERT_TRUE(huge);
  ASSERT_EQ(huge->items.size(), 1u);
  EXPECT_EQ(huge->items[0].colours.size(), 1u);
}

// A 4 x 2 swatch picture of one grey whose mask lets paint through the left
// half only.
class SwatchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    CDib picture;
    ASSERT_TRUE(picture.Create(CSize(4, 2), RGB(100, 100, 100)));
    std::vector<unsigned char> block = testimages::BlockBytes(picture);
    std::vector<unsigned char> bmp;
    BITMAPFILEHEADER header{0x4D42, static_cast<std::uint32_t>(14 + block.size()), 0, 0, 14 + 40};
    bmp.resize(14);
    std::memcpy(bmp.data(), &header, 14);
    bmp.insert(bmp.end(), block.begin(), block.end());
    m_pictureBmp = bmp;
    m_style.AddResource("MAKEUP_POWDER_IMAGE", "dibimage", bmp);

    CDibAlpha mask;
    ASSERT_TRUE(mask.Create(CSize(4, 2)));
    unsigned char* plane = mask.LockAlpha();
    const unsigned char values[8] = {0, 0, 255, 255, 0, 0, 255, 255};
    std::memcpy(plane, values, 8);
    mask.UnlockAlpha();
    std::vector<unsigned char> pcx;
    ASSERT_TRUE(mask.SaveAlphaToMemory(&pcx));
    m_style.AddResource("MAKEUP_POWDER_MASK", "pcximage", pcx);
  }
  CMemoryResourceModule m_style;
  std::vector<unsigned char> m_pictureBmp;
};

TEST_F(SwatchTest, EachColourTintsThePictureInsideTheMaskAtSevenTenths) {
  MakeupPaletteItem item{"Powders", "MAKEUP_POWDER", {{"Sand", RGB(200, 0, 250)}, {"", RGB(0, 0, 0)}}};
  std::vector<MakeupSwatch> swatches = CreateMakeupSwatches(item, &m_style);
  ASSERT_EQ(swatches.size(), 2u);
  EXPECT_EQ(swatches[0].caption, "Sand");
  EXPECT_EQ(swatches[0].colour, RGB(200, 0, 250));
  CDib& sand = *swatches[0].picture;
  ASSERT_EQ(sand.GetSize(), CSize(4, 2));
  // 100 + 0.7 * (colour - 100), truncated.
  EXPECT_EQ(testimages::PixelAt(sand, 1, 1), (testimages::Bgr{205, 30, 170}));
  EXPECT_EQ(testimages::PixelAt(sand, 3, 0), (testimages::Bgr{100, 100, 100})) << "outside the mask";
  EXPECT_EQ(testimages::PixelAt(*swatches[1].picture, 0, 0), (testimages::Bgr{30, 30, 30}));
}

TEST_F(SwatchTest, ATypeWithoutBothResourcesOrAnItemWithoutColoursGivesNoSwatches) {
  ProfileColour red{"Red", RGB(255, 0, 0)};
  EXPECT_TRUE(CreateMakeupSwatches({"Lips", "MAKEUP_LIPSTICK", {red}}, &m_style).empty());
  EXPECT_TRUE(CreateMakeupSwatches({"Powders", "MAKEUP_POWDER", {}}, &m_style).empty());
  EXPECT_TRUE(CreateMakeupSwatches({"Nothing", "", {red}}, &m_style).empty());
  CMemoryResourceModule pictureOnly;
  pictureOnly.AddResource("MAKEUP_POWDER_IMAGE", "dibimage", m_pictureBmp);
  EXPECT_TRUE(CreateMakeupSwatches({"Powders", "MAKEUP_POWDER", {red}}, &pictureOnly).empty()) << "no mask";
}

std::string FilterText(int groups) {
  std::string text = "[Filters]\nDescription=Salon\nCount=" + std::to_string(groups) + "\n";
  for (int i = 1; i <= 11; ++i)
    text += "[Filter" + std::to_string(i) + "]\nHint=Group " + std::to_string(i) + "\nColor=2\nCount=2\n"
            "Color1=First: 1, 1, " + std::to_string(i) + "\nColor2=Second: 2, 2, " + std::to_string(i) + "\n";
  return text;
}

TEST(FilterProfile, CountThreeShowsThreeButtonsAndAReloadNeverKeepsOldGroups) {
  TemporaryFolder folder;
  CFilterProfile profile;
  ASSERT_TRUE(profile.Load(WriteText(folder, "all.kvf", FilterText(11))));
  EXPECT_TRUE(profile.IsShown(10));
  EXPECT_EQ(profile.Tooltip(10), "Group 11\r\nSecond");
  EXPECT_EQ(profile.FilterColour(10), RGB(2, 2, 11));

  ASSERT_TRUE(profile.Load(WriteText(folder, "three.kvf", FilterText(3))));
  EXPECT_EQ(profile.GroupCount(), 3);
  for (int i = 0; i < kFilterGroupCount; ++i) EXPECT_EQ(profile.IsShown(i), i < 3) << i;
  EXPECT_EQ(profile.Group(5).count, 0) << "the table is zeroed before the load";
  EXPECT_EQ(profile.Group(5).hint, "");
  EXPECT_FALSE(profile.FilterColour(5));
  EXPECT_FALSE(profile.FilterColour(-1));
  EXPECT_FALSE(profile.FilterColour(11));
  EXPECT_EQ(profile.FilterColour(2), RGB(2, 2, 3));

  EXPECT_FALSE(profile.Load(folder.File("missing.kvf")));
  EXPECT_EQ(profile.GroupCount(), 3) << "a missing file leaves the buttons as they were";
  ASSERT_TRUE(profile.Load(WriteText(folder, "many.kvf", FilterText(40))));
  EXPECT_EQ(profile.GroupCount(), kFilterGroupCount);
  ASSERT_TRUE(profile.Load(WriteText(folder, "negative.kvf", FilterText(-5))));
  EXPECT_EQ(profile.GroupCount(), 0);
  EXPECT_EQ(profile.Description(), "Salon");
}

TEST(FilterProfile, DamagedGroupsKeepTheirPlacesAndLimits) {
  TemporaryFolder folder;
  std::string text = "[Filters]\nCount=3\n"
                     "[Filter1]\nHint=" + std::string(300, 'h') + "\nCount=12\nColor=40\n";
  for (int j = 1; j <= 12; ++j) text += "Color" + std::to_string(j) + "=C" + std::to_string(j) + ": " + std::to_string(j) + ",0,0\n";
  text += "[Filter2]\nHint=Reds\nCount=3\nColor=2\nColor1=Copper: 180, 90, 45\nColor2=oops\nColor3=Auburn: 145, 60, 40\n";
  text += "[Filter3]\nHint=Empty\n";
  CFilterProfile profile;
  ASSERT_TRUE(profile.Load(WriteText(folder, "Damaged.kvf", text)));
  EXPECT_EQ(profile.Description(), "Damaged");
  const FilterGroup& first = profile.Group(0);
  EXPECT_EQ(first.hint.size(), kMaxFilterHintLength);
  EXPECT_EQ(first.count, kFilterGroupColours) << "colours beyond nine are not read";
  EXPECT_EQ(first.colours[8].name, "C9");
  EXPECT_EQ(first.selected, 0) << "a \"Color\" past the group reads as the first";

  const FilterGroup& reds = profile.Group(1);
  EXPECT_EQ(reds.count, 3) << "an invalid colour keeps the count";
  EXPECT_EQ(reds.colours[1].name, "");
  EXPECT_EQ(reds.colours[1].colour, 0u);
  EXPECT_EQ(reds.colours[2].name, "Auburn");
  EXPECT_EQ(profile.Tooltip(1), "Reds\r\n") << "the selected colour is the empty entry";
  EXPECT_EQ(profile.FilterColour(1), RGB(0, 0, 0));
  profile.SelectColour(1, 2);
  EXPECT_EQ(profile.FilterColour(1), RGB(145, 60, 40));
  profile.SelectColour(1, 3);  // past the group: ignored
  EXPECT_EQ(profile.FilterColour(1), RGB(145, 60, 40));

  EXPECT_TRUE(profile.IsShown(2));
  EXPECT_EQ(profile.Tooltip(2), "Empty\r\n");
  EXPECT_FALSE(profile.FilterColour(2)) << "a group without colours has no filter colour";
}

}  // namespace
