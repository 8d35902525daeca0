#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "imagelib/dib.h"
#include "tests/imagelib/image_builders.h"
#include "tests/imagelib/reference_ops.h"

using testimg::GetPixel;
using testimg::Grey;
using testimg::Pixel;
using testimg::RandomImage;
using testimg::SamePixels;
using testimg::SetPixel;

namespace {

std::unique_ptr<CDib> OnePixel(Pixel value) {
  auto image = std::make_unique<CDib>();
  image->Create(CSize(1, 1));
  SetPixel(*image, 0, 0, value);
  return image;
}

// Runs an effect in both modes on copies of `image`: the in-place result
// must be the image itself, the new one a separate image, the source of the
// new one unchanged, and both equal.
template <typename Effect>
std::unique_ptr<CDib> RunBothModes(CDib& image, Effect effect, bool modesAgree = true) {
  auto inPlace = std::make_unique<CDib>(image);
  CDib* same = effect(*inPlace, true);
  EXPECT_EQ(same, inPlace.get());
  CDib source(image);
  std::unique_ptr<CDib> created(effect(source, false));
  EXPECT_TRUE(created && created.get() != &source);
  EXPECT_TRUE(SamePixels(source, image));
  if (created && modesAgree) {
    EXPECT_TRUE(SamePixels(*created, *inPlace));
  }
  return inPlace;
}

}  // namespace

TEST(Effects, FailWithoutPixels) {
  CDib empty;
  EXPECT_EQ(empty.Effect_ColorInvert(true), nullptr);
  EXPECT_EQ(empty.Effect_ColorContrast(10, false), nullptr);
  EXPECT_EQ(empty.Effect_Emboss(false), nullptr);
  EXPECT_EQ(empty.Effect_Rotate(10, 0, false), nullptr);
}

TEST(Effects, PerChannelRules) {
  auto image = RandomImage(9, 7, 1);
  struct Case {
    const char* name;
    std::function<CDib*(CDib&, bool)> effect;
    std::function<int(int)> rule;
  };
  const Case cases[] = {
      {"brightness +40", [](CDib& d, bool p) { return d.Effect_ColorBrightness(40, p); },
       [](int v) { return std::min(v + 40, 255); }},
      {"brightness -1e9", [](CDib& d, bool p) { return d.Effect_ColorBrightness(-1000000000, p); },
       [](int) { return 0; }},
      {"invert", [](CDib& d, bool p) { return d.Effect_ColorInvert(p); }, [](int v) { return 255 - v; }},
      {"posterize 64", [](CDib& d, bool p) { return d.Effect_Posterize(64, p); }, [](int v) { return v / 64 * 64; }},
      {"posterize 1", [](CDib& d, bool p) { return d.Effect_Posterize(1, p); }, [](int v) { return v; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    auto result = RunBothModes(*image, c.effect);
    for (int y = 0; y < 7; ++y)
      for (int x = 0; x < 9; ++x)
        for (int k = 0; k < 3; ++k) EXPECT_EQ(GetPixel(*result, x, y)[k], c.rule(GetPixel(*image, x, y)[k]));
  }
}

TEST(Effects, PosterizeBelowOneIsRefusedAndLeavesTheImage) {
  auto image = RandomImage(3, 3, 2);
  CDib before(*image);
  EXPECT_EQ(image->Effect_Posterize(0, true), nullptr);
  EXPECT_EQ(image->Effect_Posterize(-5, false), nullptr);
  EXPECT_TRUE(SamePixels(*image, before));
}

TEST(Effects, GrayscaleWeights) {
  auto red = OnePixel({0, 0, 255});
  red->Effect_ColorGrayscale(CDib::grayRec601, true);
  EXPECT_EQ(GetPixel(*red, 0, 0), Grey(76));
  auto white = OnePixel({255, 255, 255});
  white->Effect_ColorGrayscale(static_cast<CDib::TypeStGray>(9), true);  // any other: the warm weights
  EXPECT_EQ(GetPixel(*white, 0, 0), Grey(255));
  auto blue = OnePixel({200, 0, 0});
  blue->Effect_ColorGrayscale(static_cast<CDib::TypeStGray>(9), true);
  EXPECT_EQ(GetPixel(*blue, 0, 0), Grey(22));  // 110 * 200 / 1000
}

TEST(Effects, KeyedFilterSkipsPixelsSharingAChannelWithTheKey) {
  auto image = std::make_unique<CDib>();
  image->Create(CSize(3, 1));
  SetPixel(*image, 0, 0, {0, 100, 100});
  SetPixel(*image, 1, 0, {100, 100, 100});
  SetPixel(*image, 2, 0, {50, 0, 200});
  CDib original(*image);
  std::unique_ptr<CDib> created(image->Effect_ColorFilter(0xFFFFFFul, 50, 0ul, false));
  EXPECT_EQ(GetPixel(*created, 0, 0), Grey(0));  // skipped: black in a new image
  EXPECT_EQ(GetPixel(*created, 1, 0), Grey(177));
  image->Effect_ColorFilter(0xFFFFFFul, 50, 0ul, true);
  EXPECT_EQ(GetPixel(*image, 0, 0), GetPixel(original, 0, 0));  // skipped: as it was
  EXPECT_EQ(GetPixel(*image, 2, 0), GetPixel(original, 2, 0));
  EXPECT_EQ(GetPixel(*image, 1, 0), Grey(177));
}

TEST(Effects, CrossDissolveRefusesMismatchedSizes) {
  auto a = RandomImage(4, 3, 3);
  auto b = RandomImage(3, 4, 4);
  EXPECT_EQ(a->Effect_CrossDissolve(b.get(), 0.5, true), nullptr);
  EXPECT_EQ(a->Effect_CrossDissolve(nullptr, 0.5, true), nullptr);
  // Amounts beyond 0..1 clamp instead of wrapping round the byte.
  auto black = OnePixel({0, 0, 0}), white = OnePixel({255, 255, 255});
  std::unique_ptr<CDib> over(black->Effect_CrossDissolve(white.get(), 2.0, true));
  EXPECT_EQ(GetPixel(*over, 0, 0), Grey(255));
}

TEST(Effects, EmbossLeavesTheLastRowAndColumns) {
  auto image = RandomImage(6, 4, 5);
  // In place the unprocessed pixels keep their value; a new image has them black.
  auto emboss = [](CDib& d, bool p) { return d.Effect_Emboss(p); };
  auto result = RunBothModes(*image, emboss, false);
  EXPECT_EQ(GetPixel(*result, 3, 3), GetPixel(*image, 3, 3));
  EXPECT_EQ(GetPixel(*result, 5, 0), GetPixel(*image, 5, 0));
  std::unique_ptr<CDib> created(image->Effect_Emboss(false));
  EXPECT_EQ(GetPixel(*created, 5, 0), Grey(0));
  EXPECT_TRUE(SamePixels(*created, *reference::Emboss(*image)));
  auto narrow = RandomImage(3, 4, 6);
  auto unchanged = RunBothModes(*narrow, emboss, false);
  EXPECT_TRUE(SamePixels(*unchanged, *narrow));
}

TEST(Effects, HeightMapDropsBrightPixelsAndNeverLeavesTheImage) {
  auto column = testimg::GreyImage({{0}, {255}, {0}, {0}, {0}, {0}});
  // a = 3: a white pixel drops 3 rows down the screen.
  auto result = RunBothModes(*column, [](CDib& d, bool p) { return d.Effect_HeightMap(3, p); });
  EXPECT_EQ(GetPixel(*result, 0, 1), Grey(255));
  EXPECT_EQ(GetPixel(*result, 0, 4), Grey(255));
  EXPECT_EQ(GetPixel(*result, 0, 3), Grey(0));
  // a = 2 drops only 1 row: 2 x 765 x (the double nearest 1/765) is just
  // below 2 in double arithmetic, and the drop is truncated.
  auto two = RunBothModes(*column, [](CDib& d, bool p) { return d.Effect_HeightMap(2, p); });
  EXPECT_EQ(GetPixel(*two, 0, 2), Grey(255));
  EXPECT_EQ(GetPixel(*two, 0, 3), Grey(0));
  // Drops past the bottom and negative amounts (which would copy upwards,
  // outside the image) change nothing.
  for (int amount : {100, -3, -2147483647 - 1, 2147483647}) {
    auto same = RunBothModes(*column, [amount](CDib& d, bool p) { return d.Effect_HeightMap(amount, p); });
    if (amount < 0) {
      EXPECT_TRUE(SamePixels(*same, *column));
    }
  }
}

TEST(Averages, MiddleValuesAndColours) {
  auto image = testimg::GreyImage({{0, 10}, {20, 31}});
  SetPixel(*image, 0, 0, {3, 6, 9});
  double red = -1, green = -1, blue = -1;
  ASSERT_TRUE(image->CalcMiddleValues(&red, &green, &blue));
  EXPECT_DOUBLE_EQ(red, (9 + 10 + 20 + 31) / 4.0);
  EXPECT_DOUBLE_EQ(blue, (3 + 10 + 20 + 31) / 4.0);
  unsigned long color = 0;
  ASSERT_TRUE(image->CalcMiddleColor(nullptr, &color));
  EXPECT_EQ(color, (70ul / 4) | (67ul / 4) << 8 | (64ul / 4) << 16);
  CRect corner(1, 1, 9, 9);
  ASSERT_TRUE(image->CalcMiddleColor(&corner, &color));
  EXPECT_EQ(color, 0x1F1F1Ful);
  CRect outside(5, 5, 9, 9);
  EXPECT_FALSE(image->CalcMiddleColor(&outside, &color));
  CDib empty;
  EXPECT_FALSE(empty.CalcMiddleValues(&red, &green, &blue));
  EXPECT_FALSE(empty.CalcMiddleColor(nullptr, &color));

  unsigned char* bits = image->LockBits();
  EXPECT_EQ(image->CalcMiddle(bits, 0, 0), 6);
  EXPECT_EQ(image->CalcMiddle(bits, 1, 1), 31);
  EXPECT_EQ(image->CalcMiddle(bits, 2, 0), 0);  // outside: nothing read
  EXPECT_EQ(image->CalcMiddle(bits, 0, -1), 0);
  image->UnlockBits();
}

// Fast and direct versions on random images of odd sizes, byte for byte.
TEST(FastMatchesDirect, Effects) {
  unsigned seed = 100;
  for (CSize size : {CSize(1, 1), CSize(3, 5), CSize(17, 13), CSize(64, 9)}) {
    auto image = RandomImage(size.cx, size.cy, ++seed);
    auto other = RandomImage(size.cx, size.cy, ++seed);
    for (int amount : {-100, -25, -1, 0, 1, 25, 77}) {
      std::unique_ptr<CDib> fast(image->Effect_ColorContrast(amount, false));
      EXPECT_TRUE(SamePixels(*fast, *reference::Contrast(*image, amount))) << "contrast " << amount;
    }
    for (int level : {0, 33, 50, 100}) {
      std::unique_ptr<CDib> fast(image->Effect_ColorFilter(0x3399CCul, level, false));
      EXPECT_TRUE(SamePixels(*fast, *reference::Filter(*image, 0x3399CCul, level))) << "filter " << level;
    }
    for (int type = 0; type < 5; ++type) {
      auto grey = static_cast<CDib::TypeStGray>(type);
      std::unique_ptr<CDib> fast(image->Effect_ColorGrayscale(grey, false));
      EXPECT_TRUE(SamePixels(*fast, *reference::Grayscale(*image, grey))) << "grayscale " << type;
    }
    for (double x : {0.0, 0.1, 0.5, 0.77, 1.0}) {
      std::unique_ptr<CDib> fast(image->Effect_CrossDissolve(other.get(), x, false));
      EXPECT_TRUE(SamePixels(*fast, *reference::CrossDissolve(*image, *other, x))) << "dissolve " << x;
    }
    std::unique_ptr<CDib> emboss(image->Effect_Emboss(false));
    EXPECT_TRUE(SamePixels(*emboss, *reference::Emboss(*image)));
    for (int a : {0, 1, 3, 10}) {
      std::unique_ptr<CDib> fast(image->Effect_HeightMap(a, false));
      EXPECT_TRUE(SamePixels(*fast, *reference::HeightMap(*image, a))) << "height map " << a;
      auto inPlace = std::make_unique<CDib>(*image);
      inPlace->Effect_HeightMap(a, true);
      EXPECT_TRUE(SamePixels(*inPlace, *fast));
    }
  }
}
