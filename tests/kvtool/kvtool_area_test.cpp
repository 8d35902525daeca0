// kvtool mask, wand, area, copypaste and warp run as a user runs them: what
// they write and print must be what the same steps give in-process, and
// the pixels must land where the commands say.
#include <gtest/gtest.h>

#include "app/editing/deform.h"
#include "app/tools/magic_wand.h"
#include "app/tools/selection_contour.h"
#include "tests/editing/hair_test_layers.h"
#include "tests/kvtool/kvtool_runner.h"
#include "tests/test_files.h"

namespace {

using testimg::GetPixel;
using testimg::Pixel;

std::string MaskReport(const CSelectionMask& mask) {
  return "origin " + std::to_string(mask.origin.x) + " " + std::to_string(mask.origin.y) + "\nsize " +
         std::to_string(mask.width) + " " + std::to_string(mask.height) + "\n";
}

// The grey picture kvtool wrote holds the mask's cells.
void ExpectPictureOfMask(const std::string& path, const CSelectionMask& mask) {
  CDib picture;
  ASSERT_TRUE(picture.LoadFromFile(path.c_str()));
  ASSERT_EQ(picture.GetSize(), CSize(mask.width, mask.height));
  for (int y = 0; y < mask.height; ++y)
    for (int x = 0; x < mask.width; ++x)
      ASSERT_EQ(GetPixel(picture, x, y), testimg::Grey(mask.cells[y * mask.width + x])) << x << "," << y;
}

class KvtoolArea : public ::testing::Test {
 protected:
  // An opaque layer of random colours.
  void SaveLayer(CDibAlpha& layer) {
    ASSERT_TRUE(layer.SaveToBMPFile(File("layer.bmp").c_str()));
    ASSERT_TRUE(layer.SaveAlphaToFile(File("alpha.pcx").c_str()));
  }
  std::unique_ptr<CDibAlpha> OpaqueLayer(int w, int h, unsigned seed) {
    std::unique_ptr<CDib> colour = testimg::RandomImage(w, h, seed);
    auto layer = std::make_unique<CDibAlpha>();
    layer->Create(colour.get(), 0);
    return layer;
  }
  std::string File(const std::string& name) { return folder.File(name); }
  std::string Files(const std::string& out) {
    return Quoted(File("layer.bmp")) + " " + Quoted(File("alpha.pcx")) + " " + Quoted(File(out + ".bmp")) + " " +
           Quoted(File(out + ".pcx"));
  }
  CDibAlpha Read(const std::string& out) {
    CDibAlpha result;
    EXPECT_TRUE(result.LoadFromFile(File(out + ".bmp").c_str()));
    EXPECT_TRUE(result.LoadAlphaFromFile(File(out + ".pcx").c_str()));
    return result;
  }

  TemporaryFolder folder;
};

TEST_F(KvtoolArea, MaskIsTheFeatheredLassoMaskWithItsPlace) {
  const std::vector<CPoint> polygon{{10, 10}, {40, 12}, {30, 35}, {5, 30}};
  for (int radius : {5, 17, 25}) {
    ToolResult result = RunKvtool("mask --polygon \"10,10 40,12 30,35 5,30\" --width 90 --height 70 --radius " +
                                  std::to_string(radius) + " " + Quoted(File("mask.bmp")));
    ASSERT_EQ(result.exitCode, 0) << result.output;
    CSelectionContour expected(255, 0);
    const CPolygonRegion region(polygon);
    ASSERT_TRUE(expected.BuildMask(radius, 90, 70, &region));
    expected.Feather(radius, true);
    EXPECT_EQ(result.output, MaskReport(expected.Mask()));
    EXPECT_EQ(expected.Mask().origin, CPoint(-15, -10)) << "20 cells of margin round the box";
    ExpectPictureOfMask(File("mask.bmp"), expected.Mask());
    const auto& cells = expected.Mask().cells;
    const bool soft = std::any_of(cells.begin(), cells.end(), [](unsigned char c) { return c != 0 && c != 255; });
    EXPECT_EQ(soft, radius >= 17) << "radius " << radius;
  }
  EXPECT_NE(RunKvtool("mask --polygon \"1,1 5\" --width 9 --height 9 --radius 5 x.bmp").exitCode, 0);
}

// A red ring with a white hole and a separate red square touching it only
// at a corner, on white.
std::unique_ptr<CDibAlpha> RingLayer() {
  auto colour = std::make_unique<CDib>();
  colour->Create(CSize(60, 40), 0xFFFFFFul);
  for (int y = 8; y < 30; ++y)
    for (int x = 10; x < 40; ++x)
      if (!(x >= 18 && x < 30 && y >= 14 && y < 24)) testimg::SetPixel(*colour, x, y, {0, 0, 255});
  for (int y = 30; y < 36; ++y)
    for (int x = 40; x < 46; ++x) testimg::SetPixel(*colour, x, y, {0, 0, 255});
  auto layer = std::make_unique<CDibAlpha>();
  layer->Create(colour.get(), 0);
  return layer;
}

TEST_F(KvtoolArea, WandSelectsTheRingWithoutItsHoleOrTheSquareAtItsCorner) {
  std::unique_ptr<CDibAlpha> layer = RingLayer();
  SaveLayer(*layer);
  for (int thickness : {0, 6}) {
    std::string command = "wand " + Quoted(File("layer.bmp")) + " " + Quoted(File("alpha.pcx")) +
                          " 12 10 --pressure 100 " + Quoted(File("wand.bmp"));
    if (thickness) command += " --thickness " + std::to_string(thickness);
    ToolResult result = RunKvtool(command);
    ASSERT_EQ(result.exitCode, 0) << result.output;
    std::optional<CWandSelection> expected = WandSelect(*layer, {12, 10}, WandTolerance(100));
    ASSERT_TRUE(expected);
    CSelectionContour wand(255, 0);
    wand.SetMask(std::move(expected->mask));
    if (thickness) wand.Feather(WandFeatherRadius(thickness), true);
    const CSelectionMask& mask = wand.Mask();
    EXPECT_EQ(result.output, MaskReport(mask));
    EXPECT_EQ(mask.origin, CPoint(-10, -12));
    EXPECT_EQ(CSize(mask.width, mask.height), CSize(30 + 40, 22 + 40)) << "the square is not joined";
    ExpectPictureOfMask(File("wand.bmp"), mask);
    if (!thickness) {
      const auto cell = [&](int x, int y) { return mask.cells[(y - mask.origin.y) * mask.width + x - mask.origin.x]; };
      EXPECT_EQ(cell(12, 10), 0);
      EXPECT_EQ(cell(24, 18), 255) << "the hole stays out of the mask";
    }
  }
  ToolResult outside = RunKvtool("wand " + Quoted(File("layer.bmp")) + " " + Quoted(File("alpha.pcx")) +
                                 " 60 10 --pressure 50 " + Quoted(File("none.bmp")));
  EXPECT_EQ(outside.exitCode, 0);
  EXPECT_EQ(outside.output, "nothing\n");
}

TEST_F(KvtoolArea, FillAndClearAtFullStrengthChangeTheInsideAndNothingElse) {
  std::unique_ptr<CDibAlpha> layer = OpaqueLayer(80, 60, 3);
  SaveLayer(*layer);
  const std::string polygon = " --polygon \"20,15 50,15 50,40 20,40\" --thickness 1 --pressure 0";
  ToolResult fill = RunKvtool("area fill " + Files("fill") + polygon + " --colour FF8000");
  ASSERT_EQ(fill.exitCode, 0) << fill.output;
  ToolResult clear = RunKvtool("area clear " + Files("clear") + polygon);
  ASSERT_EQ(clear.exitCode, 0) << clear.output;
  CDibAlpha filled = Read("fill"), cleared = Read("clear");
  EXPECT_EQ(GetPixel(filled, 30, 25), (Pixel{0x00, 0x80, 0xFF}));
  EXPECT_EQ(hairtest::AlphaAt(cleared, 30, 25), 255) << "Clear at full strength makes the pixel transparent";
  // Thickness 1 feathers by a radius of 5: no pass, so the edge is hard.
  for (CPoint outside : {CPoint(5, 5), CPoint(19, 25), CPoint(51, 25), CPoint(30, 41), CPoint(79, 59)}) {
    EXPECT_EQ(GetPixel(filled, outside.x, outside.y), GetPixel(*layer, outside.x, outside.y));
    EXPECT_EQ(hairtest::AlphaAt(cleared, outside.x, outside.y), 0);
  }
  ToolResult weak = RunKvtool("area fill " + Files("weak") +
                              " --polygon \"20,15 50,15 50,40 20,40\" --thickness 1 --pressure 100 --colour FF8000");
  ASSERT_EQ(weak.exitCode, 0) << weak.output;
  CDibAlpha unchanged = Read("weak");
  EXPECT_TRUE(hairtest::SameLayer(unchanged, *layer)) << "pressure 100 fills with strength 0";
  EXPECT_NE(RunKvtool("area smudge " + Files("x") + polygon).exitCode, 0);
}

TEST_F(KvtoolArea, CopyPasteLandsShiftedByTheOutlinesMove) {
  std::unique_ptr<CDibAlpha> layer = OpaqueLayer(80, 60, 9);
  SaveLayer(*layer);
  ToolResult result = RunKvtool("copypaste " + Quoted(File("layer.bmp")) + " " + Quoted(File("alpha.pcx")) + " " +
                                Quoted(File("out.bmp")) + " " + Quoted(File("out.pcx")) +
                                " --polygon \"10,10 30,10 30,25 10,25\" --thickness 1 --shift 25,-4");
  ASSERT_EQ(result.exitCode, 0) << result.output;
  CDibAlpha pasted = Read("out");
  for (int y = 10; y < 25; ++y)
    for (int x = 10; x < 30; ++x) {
      ASSERT_EQ(GetPixel(pasted, x + 25, y - 4), GetPixel(*layer, x, y)) << x << "," << y;
      if (x + 25 >= 30 || y - 4 < 10) ASSERT_EQ(GetPixel(pasted, x, y), GetPixel(*layer, x, y)) << "the copy stays";
    }
  EXPECT_EQ(GetPixel(pasted, 70, 50), GetPixel(*layer, 70, 50));
}

TEST_F(KvtoolArea, WarpWritesTheSimulationOrACopyWhenTheContoursAreTooShort) {
  std::unique_ptr<CDib> photo = testimg::RandomImage(90, 70, 17);
  ASSERT_TRUE(photo->SaveToBMPFile(File("photo.bmp").c_str()));
  const std::string area = " --area \"20,10 70,10 70,60 20,60\"";
  ToolResult result = RunKvtool("warp " + Quoted(File("photo.bmp")) + " " + Quoted(File("warped.bmp")) + area +
                                " --initial \"40,15 40,55\" --final \"50,15 50,55\"");
  ASSERT_EQ(result.exitCode, 0) << result.output;
  CDib warped;
  ASSERT_TRUE(warped.LoadFromFile(File("warped.bmp").c_str()));
  std::unique_ptr<CDib> expected =
      WarpPhoto(*photo, {{20, 10}, {70, 10}, {70, 60}, {20, 60}}, {{40, 15}, {40, 55}}, {{50, 15}, {50, 55}});
  ASSERT_TRUE(expected);
  EXPECT_TRUE(testimg::SamePixels(warped, *expected));
  EXPECT_EQ(GetPixel(warped, 10, 30), GetPixel(*photo, 10, 30)) << "outside the area nothing moves";
  EXPECT_FALSE(testimg::SamePixels(warped, *photo));

  ToolResult tooShort = RunKvtool("warp " + Quoted(File("photo.bmp")) + " " + Quoted(File("copy.bmp")) + area +
                                  " --initial \"40,15\" --final \"50,15\"");
  EXPECT_EQ(tooShort.exitCode, 0);
  EXPECT_NE(tooShort.output.find("too few vertices"), std::string::npos) << tooShort.output;
  CDib copy;
  ASSERT_TRUE(copy.LoadFromFile(File("copy.bmp").c_str()));
  EXPECT_TRUE(testimg::SamePixels(copy, *photo));
}

}  // namespace
