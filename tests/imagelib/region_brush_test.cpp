// The paint, clear and blur brushes and the Gaussian grid.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "imagelib/dib_alpha.h"
#include "tests/imagelib/image_builders.h"
#include "tests/imagelib/reference_alpha.h"

using reference::AlphaAt;
using reference::SetAlphaAt;

namespace {

std::unique_ptr<CDibAlpha> RandomLayer(int width, int height, unsigned seed) {
  auto colour = testimg::RandomImage(width, height, seed);
  auto layer = std::make_unique<CDibAlpha>();
  layer->Create(colour.get(), 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) SetAlphaAt(*layer, x, y, static_cast<unsigned char>(x * 41 + y * 13));
  return layer;
}

bool SameLayer(CDibAlpha& a, CDibAlpha& b) {
  if (!testimg::SamePixels(a, b)) return false;
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (AlphaAt(a, x, y) != AlphaAt(b, x, y)) return false;
  return true;
}

class NormalMaskAccess : public CDibAlpha {
 public:
  using CDibAlpha::CreateNormalMask;
};

}  // namespace

TEST(RegionBrushes, AFullyMaskedBrushChangesNothing) {
  auto layer = RandomLayer(8, 6, 1);
  CDibAlpha before(*layer);
  std::vector<unsigned char> mask(10 * 10, 255);
  ASSERT_TRUE(layer->Region_Fill(0x00FF00ul, nullptr, 1.0, mask.data(), 10, 10, CPoint(-2, -2)));
  ASSERT_TRUE(layer->Region_Clear(mask.data(), 10, 10, CPoint(-2, -2), 1.0));
  ASSERT_TRUE(layer->Region_Blur(mask.data(), 10, 10, CPoint(-2, -2), 2));
  EXPECT_TRUE(SameLayer(*layer, before));
}

// The paint weight e x 255 x c comes to exactly 1.0 in doubles (the double
// nearest 1/255 times 255 rounds to 1), so full-strength paint reaches the
// paint colour exactly, on opaque and transparent pixels alike.
TEST(RegionBrushes, FillPaintsByMaskStrengthAndTransparency) {
  CDibAlpha layer;
  layer.Create(CSize(3, 1), 0ul);
  testimg::SetPixel(layer, 0, 0, {10, 200, 100});
  testimg::SetPixel(layer, 1, 0, {10, 200, 100});
  testimg::SetPixel(layer, 2, 0, {10, 200, 100});
  SetAlphaAt(layer, 0, 0, 0);
  SetAlphaAt(layer, 1, 0, 255);
  SetAlphaAt(layer, 2, 0, 0);
  const unsigned char mask[] = {0, 0, 250};
  ASSERT_TRUE(layer.Region_Fill(0x3C5064ul, nullptr, 1.0, const_cast<unsigned char*>(mask), 3, 1, CPoint(0, 0)));
  const testimg::Pixel paint{0x3C, 0x50, 0x64};
  EXPECT_EQ(testimg::GetPixel(layer, 0, 0), paint);
  EXPECT_EQ(AlphaAt(layer, 0, 0), 0);
  EXPECT_EQ(testimg::GetPixel(layer, 1, 0), paint);
  EXPECT_EQ(AlphaAt(layer, 1, 0), 0);  // 0.5 truncated
  // Mask 250 changes only the transparency: (1 - (1 - 250c)) x 0 + 0.5.
  EXPECT_EQ(testimg::GetPixel(layer, 2, 0), (testimg::Pixel{10, 200, 100}));

  // Half strength on an opaque pixel moves half way (truncated).
  testimg::SetPixel(layer, 0, 0, testimg::Grey(0));
  const unsigned char one[] = {0};
  layer.Region_Fill(0xC8C8C8ul, nullptr, 0.5, const_cast<unsigned char*>(one), 1, 1, CPoint(0, 0));
  EXPECT_EQ(testimg::GetPixel(layer, 0, 0), testimg::Grey(100));
}

TEST(RegionBrushes, StrengthsOutsideZeroToOneAreLimited) {
  auto layer = RandomLayer(4, 4, 5);
  auto limited = std::make_unique<CDibAlpha>(*layer);
  std::vector<unsigned char> mask(16, 64);
  layer->Region_Fill(0x123456ul, nullptr, 7.5, mask.data(), 4, 4, CPoint(0, 0));
  limited->Region_Fill(0x123456ul, nullptr, 1.0, mask.data(), 4, 4, CPoint(0, 0));
  EXPECT_TRUE(SameLayer(*layer, *limited));
  layer->Region_Clear(mask.data(), 4, 4, CPoint(0, 0), -3.0);
  EXPECT_TRUE(SameLayer(*layer, *limited));
  layer->Region_Clear(mask.data(), 4, 4, CPoint(0, 0), 40.0);
  limited->Region_Clear(mask.data(), 4, 4, CPoint(0, 0), 1.0);
  EXPECT_TRUE(SameLayer(*layer, *limited));
}

TEST(RegionBrushes, ClearRaisesTransparencyAndResetsFullyClearedPixels) {
  CDibAlpha layer;
  layer.Create(CSize(3, 1), 0ul);
  layer.Fill_Color(0x0A141Eul, 200);
  const unsigned char mask[] = {0, 128, 0};
  SetAlphaAt(layer, 1, 0, 100);
  ASSERT_TRUE(layer.Region_Clear(const_cast<unsigned char*>(mask), 3, 1, CPoint(0, 0), 1.0));
  EXPECT_EQ(AlphaAt(layer, 0, 0), 255);
  EXPECT_EQ(testimg::GetPixel(layer, 0, 0), testimg::Grey(128));
  EXPECT_EQ(AlphaAt(layer, 1, 0), 227);  // 100 + 127
  EXPECT_EQ(testimg::GetPixel(layer, 1, 0), (testimg::Pixel{0x0A, 0x14, 0x1E}));
}

// The blur runs as a row pass and a column pass. Its sums equal the direct
// 2-D sums up to floating-point rounding (exp(a) x exp(b) against
// exp(a + b)), so a channel may come out one lower or higher where the exact
// value sits on an integer; anywhere else, and by more than one, is a fault.
TEST(RegionBrushes, BlurMatchesTheDirectTwoDimensionalFormula) {
  struct Case {
    CPoint at;
    CSize region;
    int sigma;
  };
  const Case cases[] = {{{3, 2}, {14, 11}, 1}, {{-4, -3}, {20, 17}, 2}, {{10, 9}, {9, 30}, 3}};
  for (const Case& c : cases) {
    auto layer = RandomLayer(24, 20, 7);
    CDibAlpha direct(*layer);
    std::vector<unsigned char> mask(static_cast<std::size_t>(c.region.cx) * c.region.cy);
    for (std::size_t i = 0; i < mask.size(); ++i) mask[i] = static_cast<unsigned char>(i * 37 % 256);
    ASSERT_TRUE(layer->Region_Blur(mask.data(), c.region.cx, c.region.cy, c.at, c.sigma));
    reference::RegionBlur(direct, mask.data(), c.region.cx, c.region.cy, c.at, c.sigma);
    int differing = 0;
    for (int y = 0; y < 20; ++y)
      for (int x = 0; x < 24; ++x) {
        EXPECT_EQ(AlphaAt(*layer, x, y), AlphaAt(direct, x, y));
        for (int k = 0; k < 3; ++k) {
          const int difference = std::abs(testimg::GetPixel(*layer, x, y)[k] - testimg::GetPixel(direct, x, y)[k]);
          ASSERT_LE(difference, 1) << x << "," << y;
          differing += difference;
        }
      }
    EXPECT_LE(differing, 3) << "sigma " << c.sigma;
  }
}

TEST(RegionBrushes, BlurKeepsUniformRegionsAndRefusesDegenerateWidths) {
  CDibAlpha layer;
  layer.Create(CSize(12, 12), 0ul);
  layer.Fill_Color(0x646464ul, 0);
  std::vector<unsigned char> mask(8 * 8, 0);
  ASSERT_TRUE(layer.Region_Blur(mask.data(), 8, 8, CPoint(2, 2), 1));
  EXPECT_EQ(testimg::GetPixel(layer, 5, 5), testimg::Grey(100));
  EXPECT_EQ(testimg::GetPixel(layer, 2, 2), testimg::Grey(100));  // renormalised at the region's edge
  // Sticking out of the layer, the outside counts as black.
  ASSERT_TRUE(layer.Region_Blur(mask.data(), 8, 8, CPoint(-4, 6), 1));
  EXPECT_LT(testimg::GetPixel(layer, 0, 6)[0], 100);

  CDibAlpha before(layer);
  EXPECT_FALSE(layer.Region_Blur(mask.data(), 8, 8, CPoint(0, 0), 0));
  EXPECT_FALSE(layer.Region_Blur(mask.data(), 8, 8, CPoint(0, 0), -2));
  EXPECT_TRUE(SameLayer(layer, before));
}

TEST(RegionBrushes, NormalMaskIsAGaussianAboutTheCentre) {
  NormalMaskAccess access;
  std::unique_ptr<double[]> grid(access.CreateNormalMask(5, 1.0, 1.0));
  ASSERT_NE(grid, nullptr);
  EXPECT_DOUBLE_EQ(grid[2 * 5 + 2], 1.0);
  EXPECT_DOUBLE_EQ(grid[0], std::exp(-2.0));
  EXPECT_DOUBLE_EQ(grid[1 * 5 + 4], std::exp(-(0.25 + 1.0)));
  std::unique_ptr<double[]> single(access.CreateNormalMask(1, 1.0, 3.0));
  EXPECT_DOUBLE_EQ(single[0], 3.0);
  EXPECT_EQ(access.CreateNormalMask(0, 1.0, 1.0), nullptr);
}
