#include <gtest/gtest.h>

#include <memory>

#include "imagelib/dib.h"
#include "tests/imagelib/image_builders.h"
#include "tests/imagelib/reference_ops.h"

using testimg::GetPixel;
using testimg::Grey;
using testimg::GreyImage;
using testimg::RandomImage;
using testimg::SamePixels;

namespace {

std::vector<int> GreyRow(CDib& image, int y) {
  std::vector<int> row;
  for (int x = 0; x < image.Width(); ++x) row.push_back(GetPixel(image, x, y)[0]);
  return row;
}

}  // namespace

TEST(Zoom, ToItsOwnSizeGivesANewEqualImage) {
  auto image = RandomImage(7, 5, 1);
  std::unique_ptr<CDib> same(image->Zoom(CSize(7, 5)));
  ASSERT_TRUE(same);
  EXPECT_NE(same.get(), image.get());
  EXPECT_TRUE(SamePixels(*same, *image));
}

TEST(Zoom, WidensOneAxisAndReducesTheOther) {
  auto image = RandomImage(6, 9, 2);
  std::unique_ptr<CDib> zoomed(image->Zoom(CSize(11, 4)));
  ASSERT_TRUE(zoomed);
  auto wide = reference::ZoomX_Out(*image, 11);
  auto expected = reference::ZoomIn(*wide, CSize(11, 4));
  EXPECT_TRUE(SamePixels(*zoomed, *expected));
}

// A derived image whose widening fails: Zoom must give null without leaking
// the step it already made (the sanitizer build checks the leak).
class FailingWideningDib : public CDib {
 public:
  CDib* ZoomIn(CSize size) override {
    std::unique_ptr<CDib> plain(CDib::ZoomIn(size));
    if (!plain) return nullptr;
    auto reduced = std::make_unique<FailingWideningDib>();
    reduced->CDib::operator=(*plain);
    return reduced.release();
  }
  CDib* ZoomY_Out(unsigned long) override { return nullptr; }
};

TEST(Zoom, AFailedStepGivesNullAndFreesTheIntermediate) {
  FailingWideningDib image;
  ASSERT_TRUE(image.Create(CSize(8, 4), 0x123456ul));
  EXPECT_EQ(image.Zoom(CSize(4, 8)), nullptr);   // reduce across, then widen down fails
  std::unique_ptr<CDib> reducedOnly(image.Zoom(CSize(4, 4)));
  EXPECT_TRUE(reducedOnly);
}

TEST(ZoomIn, AveragesBoxesWithIntegerDivision) {
  auto image = GreyImage({{10, 10, 0, 40}, {11, 13, 80, 40}, {1, 2, 3, 4}, {5, 6, 7, 8}});
  std::unique_ptr<CDib> half(image->ZoomIn(CSize(2, 2)));
  ASSERT_TRUE(half);
  EXPECT_EQ(GreyRow(*half, 0), (std::vector<int>{11, 40}));  // 44/4, 160/4
  EXPECT_EQ(GreyRow(*half, 1), (std::vector<int>{3, 5}));    // 14/4, 22/4

  auto three = GreyImage({{10, 10, 11}});
  std::unique_ptr<CDib> one(three->ZoomIn(CSize(1, 1)));
  EXPECT_EQ(GetPixel(*one, 0, 0), Grey(10));
}

TEST(ZoomIn, RefusesToEnlargeOrToReachZero) {
  auto image = RandomImage(4, 4, 3);
  EXPECT_EQ(image->ZoomIn(CSize(5, 2)), nullptr);
  EXPECT_EQ(image->ZoomIn(CSize(2, 5)), nullptr);
  EXPECT_EQ(image->ZoomIn(CSize(0, 2)), nullptr);
  EXPECT_EQ(CDib().ZoomIn(CSize(1, 1)), nullptr);
}

TEST(ZoomOut, InterpolatesLinearlyAndEndsOnTheLastPixel) {
  auto ramp = GreyImage({{0, 100}});
  std::unique_ptr<CDib> five(ramp->ZoomX_Out(5));
  EXPECT_EQ(GreyRow(*five, 0), (std::vector<int>{0, 25, 50, 75, 100}));

  auto down = GreyImage({{100, 0}});
  std::unique_ptr<CDib> three(down->ZoomX_Out(3));
  EXPECT_EQ(GreyRow(*three, 0), (std::vector<int>{100, 50, 0}));

  auto column = GreyImage({{0}, {100}});
  std::unique_ptr<CDib> tall(column->ZoomY_Out(5));
  ASSERT_TRUE(tall);
  EXPECT_EQ(GetPixel(*tall, 0, 0), Grey(0));  // top-down row 0 stays the top pixel
  EXPECT_EQ(GetPixel(*tall, 0, 2), Grey(50));
  EXPECT_EQ(GetPixel(*tall, 0, 4), Grey(100));
}

TEST(ZoomOut, RefusesToShrinkAndWidensASinglePixelToOne) {
  auto image = RandomImage(3, 3, 4);
  EXPECT_EQ(image->ZoomX_Out(2), nullptr);
  EXPECT_EQ(image->ZoomY_Out(2), nullptr);
  // A size of 1 has no step (0/0): the single pixel is kept.
  auto dot = GreyImage({{77}});
  std::unique_ptr<CDib> wide(dot->ZoomX_Out(1)), tall(dot->ZoomY_Out(1));
  ASSERT_TRUE(wide && tall);
  EXPECT_EQ(GetPixel(*wide, 0, 0), Grey(77));
  EXPECT_EQ(GetPixel(*tall, 0, 0), Grey(77));
  // A single pixel widened repeats it.
  std::unique_ptr<CDib> row(dot->ZoomX_Out(4));
  EXPECT_EQ(GreyRow(*row, 0), (std::vector<int>{77, 77, 77, 77}));
}

TEST(CreateThumbNail, CentresTheReducedImageOnTheBackground) {
  auto image = RandomImage(40, 20, 5);
  std::unique_ptr<CDib> thumb(image->CreateThumbNail(10, 0x0000FFul));
  ASSERT_TRUE(thumb);
  EXPECT_EQ(thumb->GetSize(), CSize(10, 10));
  auto reduced = reference::ZoomIn(*image, CSize(10, 5));
  EXPECT_EQ(GetPixel(*thumb, 0, 1), (testimg::Pixel{0, 0, 255}));  // above the picture: background
  EXPECT_EQ(GetPixel(*thumb, 3, 2), GetPixel(*reduced, 3, 0));    // picture starts at row (10-5)/2
  EXPECT_EQ(GetPixel(*thumb, 9, 6), GetPixel(*reduced, 9, 4));
  EXPECT_EQ(GetPixel(*thumb, 9, 7), (testimg::Pixel{0, 0, 255}));
}

TEST(CreateThumbNail, EnlargesAnImageSmallerThanTheThumbnail) {
  auto image = GreyImage({{0, 90}});
  std::unique_ptr<CDib> thumb(image->CreateThumbNail(4, 0xFFFFFFul));
  ASSERT_TRUE(thumb);
  // 2x1 to a 4-wide, 2-high picture, centred at row 1.
  EXPECT_EQ(GreyRow(*thumb, 0), (std::vector<int>{255, 255, 255, 255}));
  EXPECT_EQ(GreyRow(*thumb, 1), (std::vector<int>{0, 30, 60, 90}));
  EXPECT_EQ(GreyRow(*thumb, 2), (std::vector<int>{0, 30, 60, 90}));
}

TEST(EffectRotate, ZeroDegreesLeavesTheUnsampledEdgeInTheColour) {
  auto image = RandomImage(4, 4, 6);
  std::unique_ptr<CDib> turned(image->Effect_Rotate(0, 0x00FF00ul, true));
  ASSERT_TRUE(turned);
  EXPECT_NE(turned.get(), image.get());
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(GetPixel(*turned, 0, i), (testimg::Pixel{0, 255, 0}));  // memory column 0
    EXPECT_EQ(GetPixel(*turned, i, 3), (testimg::Pixel{0, 255, 0}));  // memory row 0
  }
  for (int y = 0; y < 3; ++y)
    for (int x = 1; x < 4; ++x) EXPECT_EQ(GetPixel(*turned, x, y), GetPixel(*image, x, y));
}

TEST(EffectRotate, NinetyDegreesTurnsClockwiseOnScreen) {
  auto image = std::make_unique<CDib>();
  image->Create(CSize(5, 5), 0ul);
  testimg::SetPixel(*image, 3, 2, Grey(200));  // right of the centre
  std::unique_ptr<CDib> turned(image->Effect_Rotate(90, 0ul, false));
  EXPECT_EQ(GetPixel(*turned, 2, 3), Grey(200));  // now below the centre
}

// Fast and direct versions on odd sizes and awkward ratios, byte for byte.
TEST(FastMatchesDirect, Resampling) {
  const CSize sources[] = {{1, 1}, {7, 3}, {13, 17}, {31, 29}, {100, 3}};
  unsigned seed = 10;
  for (CSize from : sources) {
    auto image = RandomImage(from.cx, from.cy, ++seed);
    const CSize targets[] = {{1, 1}, {from.cx, from.cy}, {(from.cx + 1) / 2, (from.cy + 2) / 3}, {from.cx / 3 + 1, 1}};
    for (CSize to : targets) {
      std::unique_ptr<CDib> fast(image->ZoomIn(to));
      ASSERT_TRUE(fast) << from.cx << "x" << from.cy << " to " << to.cx << "x" << to.cy;
      EXPECT_TRUE(SamePixels(*fast, *reference::ZoomIn(*image, to)));
    }
    for (int grow : {1, 2, 5, 37}) {
      int width = from.cx * grow + (grow > 1);
      int height = from.cy * grow + (grow > 1);
      if (width > 1) {
        std::unique_ptr<CDib> wide(image->ZoomX_Out(width));
        EXPECT_TRUE(SamePixels(*wide, *reference::ZoomX_Out(*image, width)));
      }
      if (height > 1) {
        std::unique_ptr<CDib> tall(image->ZoomY_Out(height));
        EXPECT_TRUE(SamePixels(*tall, *reference::ZoomY_Out(*image, height)));
      }
    }
  }
}

TEST(FastMatchesDirect, Rotation) {
  unsigned seed = 40;
  for (CSize size : {CSize(1, 1), CSize(2, 3), CSize(17, 9), CSize(33, 34), CSize(64, 5)}) {
    auto image = RandomImage(size.cx, size.cy, ++seed);
    for (int degrees : {0, 1, 30, 45, 90, -73, 180, 271, 3600}) {
      std::unique_ptr<CDib> fast(image->Effect_Rotate(degrees, 0x102030ul, false));
      EXPECT_TRUE(SamePixels(*fast, *reference::Rotate(*image, degrees, 0x102030ul))) << degrees;
    }
  }
}
