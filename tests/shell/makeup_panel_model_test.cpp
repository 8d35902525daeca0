// The make-up panel's lists without the panel: every author's palettes, the
// stored one found without regard to case, its first item's swatches made
// at once, and stored values that name nothing or lead out of the folder.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "app/shell/profiles/makeup_panel_model.h"
#include "platform/core/dib_header.h"
#include "tests/imagelib/test_images.h"
#include "tests/test_files.h"

namespace {

using ::testing::ElementsAre;

void WriteFile(const TemporaryFolder& folder, const std::string& name, const std::string& text) {
  std::filesystem::create_directories(std::filesystem::path(folder.File(name)).parent_path());
  folder.Write(name, std::vector<unsigned char>(text.begin(), text.end()));
}

std::vector<unsigned char> BmpOf(const CDib& picture) {
  std::vector<unsigned char> block = testimages::BlockBytes(picture);
  std::vector<unsigned char> bmp(14);
  BITMAPFILEHEADER header{0x4D42, static_cast<std::uint32_t>(14 + block.size()), 0, 0, 14 + 40};
  std::memcpy(bmp.data(), &header, 14);
  bmp.insert(bmp.end(), block.begin(), block.end());
  return bmp;
}

class MakeupPanelModelTest : public ::testing::Test {
 protected:
  void SetUp() override {
    // Lipstick swatches only; the rouge has no pictures in this style.
    CDib picture;
    ASSERT_TRUE(picture.Create(CSize(2, 2), RGB(100, 100, 100)));
    m_style.AddResource("MAKEUP_LIPSTICK_IMAGE", "dibimage", BmpOf(picture));
    CDibAlpha mask;
    ASSERT_TRUE(mask.Create(CSize(2, 2)));
    std::vector<unsigned char> pcx;
    ASSERT_TRUE(mask.SaveAlphaToMemory(&pcx));
    m_style.AddResource("MAKEUP_LIPSTICK_MASK", "pcximage", pcx);

    WriteFile(m_colors, "Make up/Kelvora Inc/Winter.kvm",
              "[Makeup]\nDescription=Cold season\nCount=2\nItem1=Lips\nItem2=Cheeks\n"
              "[Lips]\nType=MAKEUP_LIPSTICK\nCount=3\nColor1=Berry: 142, 33, 72\nColor2=broken: 1, 2\nColor3=10, 20, 30\n"
              "[Cheeks]\nType=MAKEUP_ROUGE\nCount=1\nColor1=Peach: 240, 160, 130\n");
    WriteFile(m_colors, "Make up/Atelier/Evening.kvm", "[Makeup]\nCount=0\n");
    m_colorsFolder = m_colors.File("");
    if (m_colorsFolder.back() != '/') m_colorsFolder += '/';
  }
  TemporaryFolder m_colors;
  std::string m_colorsFolder;
  CMemoryResourceModule m_style;
};

TEST_F(MakeupPanelModelTest, ListsEveryAuthorsPalettesAndLoadsTheStoredOneWithItsFirstItemsSwatches) {
  CMakeupPanelModel model(&m_style);
  model.Load(m_colorsFolder, "kelvora inc\\WINTER.kvm");
  ASSERT_EQ(model.Palettes().size(), 2u);
  EXPECT_EQ(model.Palettes()[0].displayName, "Atelier: Evening");
  EXPECT_EQ(model.Palettes()[1].displayName, "Kelvora Inc: Cold season");
  EXPECT_EQ(model.Palettes()[1].itemData, "Kelvora Inc\\Winter.kvm");
  EXPECT_EQ(model.SelectedPalette(), 1);
  ASSERT_EQ(model.Items().size(), 2u);
  EXPECT_EQ(model.SelectedItem(), 0);
  // The invalid colour gives no swatch; the one without a name keeps an empty caption.
  ASSERT_EQ(model.Swatches().size(), 2u);
  EXPECT_EQ(model.Swatches()[0].caption, "Berry");
  EXPECT_EQ(model.Swatches()[0].colour, RGB(142, 33, 72));
  EXPECT_EQ(model.Swatches()[1].caption, "");
  EXPECT_EQ(model.Swatches()[1].colour, RGB(10, 20, 30));

  EXPECT_TRUE(model.SelectItem(1));
  EXPECT_TRUE(model.Swatches().empty()) << "the rouge has no swatch pictures in this style";
  EXPECT_FALSE(model.SelectItem(2));
  EXPECT_EQ(model.SelectedItem(), 1);

  // A palette with Count 0 shows no items and no swatches.
  EXPECT_TRUE(model.SelectPalette(0));
  EXPECT_EQ(model.MakeupProfile(), "Atelier\\Evening.kvm");
  EXPECT_TRUE(model.Items().empty());
  EXPECT_EQ(model.SelectedItem(), -1);
  EXPECT_TRUE(model.Swatches().empty());
  EXPECT_FALSE(model.SelectPalette(2));
}

TEST_F(MakeupPanelModelTest, AMissingPaletteOrOneOutsideTheFolderLeavesTheListsEmpty) {
  WriteFile(m_colors, "Outside.kvm", "[Makeup]\nCount=1\nItem1=Lips\n[Lips]\nType=MAKEUP_LIPSTICK\nCount=1\nColor1=1, 2, 3\n");
  CMakeupPanelModel model(&m_style);
  for (const char* stored : {"Kelvora Inc\\Summer.kvm", "..\\Outside.kvm", "Atelier/../../Outside.kvm", ""}) {
    model.Load(m_colorsFolder, stored);
    EXPECT_EQ(model.SelectedPalette(), -1) << stored;
    EXPECT_TRUE(model.Items().empty()) << stored;
    EXPECT_TRUE(model.Swatches().empty()) << stored;
    EXPECT_EQ(model.Palettes().size(), 2u) << "the installed palettes are still offered";
  }
  model.Load(m_colors.File("nothing here/"), "Kelvora Inc\\Winter.kvm");
  EXPECT_TRUE(model.Palettes().empty());
  EXPECT_TRUE(model.Items().empty());
}

}  // namespace
