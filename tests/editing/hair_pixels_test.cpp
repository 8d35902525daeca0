// The hair tools' pixel operations against their formulas written out
// pixel by pixel, and the behaviour the user sees at the image border, at
// slow drags and in a spray burst.
#include <gtest/gtest.h>

#include <cmath>

#include "app/editing/hair_pixels.h"
#include "tests/editing/hair_test_layers.h"
#include "tests/editing/reference_hair.h"

using hairtest::AlphaAt;
using hairtest::ChangedPixels;
using hairtest::RandomLayer;
using hairtest::SameLayer;

TEST(StrokeLine, MatchesTheBresenhamRuleInEveryOctantWithBothEnds) {
  std::mt19937 random(5);
  for (int n = 0; n < 400; ++n) {
    const CPoint a(static_cast<int>(random() % 41) - 20, static_cast<int>(random() % 41) - 20);
    const CPoint b(static_cast<int>(random() % 41) - 20, static_cast<int>(random() % 41) - 20);
    const std::vector<CPoint> points = StrokeLine(a, b);
    ASSERT_EQ(points, reference::StrokeLine(a, b)) << a.x << "," << a.y << " -> " << b.x << "," << b.y;
    EXPECT_EQ(points.front(), a);
    EXPECT_EQ(points.back(), b);
    EXPECT_EQ(points.size(), static_cast<std::size_t>(std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)) + 1));
  }
  EXPECT_EQ(StrokeLine({0, 0}, {4, 2}), (std::vector<CPoint>{{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}));
}

TEST(BrushMask, IsTheGaussianOfTheFormula) {
  for (int size : {2, 3, 10, 35}) {
    std::unique_ptr<double[]> mask = CreateBrushMask(size, 0.3, 0.45);
    const std::vector<double> expected = reference::Mask(size, 0.3, 0.45);
    for (int i = 0; i < size * size; ++i) ASSERT_EQ(mask[i], expected[i]) << size << " at " << i;
  }
}

// Random layers, sizes, strengths and segments, many reaching past the
// border: every byte as the formulas give it.
enum class Operation { dab, smudge, erase, line, spray };

class PixelOperationAgainstFormula : public ::testing::TestWithParam<Operation> {};

TEST_P(PixelOperationAgainstFormula, GivesTheSameBytes) {
  std::mt19937 random(11);
  for (int round = 0; round < 60; ++round) {
    const int width = 20 + static_cast<int>(random() % 50), height = 20 + static_cast<int>(random() % 50);
    std::unique_ptr<CDibAlpha> fast = RandomLayer(width, height, round);
    CDibAlpha direct(*fast);
    const int size = 2 + static_cast<int>(random() % 24);
    const double spread = 0.07 + (random() % 80) / 100.0;
    const double peak = (random() % 100) / 100.0;
    const COLORREF colour = random() & 0xFFFFFF;
    const CPoint a(static_cast<int>(random() % (width + 20)) - 10, static_cast<int>(random() % (height + 20)) - 10);
    const CPoint b(a.x + static_cast<int>(random() % 15) - 7, a.y + static_cast<int>(random() % 15) - 7);
    switch (GetParam()) {
      case Operation::dab:
        PaintDab(*fast, a.x, a.y, size, spread, peak, colour);
        reference::PaintDab(direct, a.x, a.y, size, reference::Mask(size, spread, peak), colour);
        break;
      case Operation::smudge:
        Smudge(*fast, a, b, size, spread, peak);
        reference::Smudge(direct, a, b, size, spread, peak);
        break;
      case Operation::erase:
        Erase(*fast, a, b, size);
        reference::Erase(direct, a, b, size);
        break;
      case Operation::line:
        PaintLine(*fast, a, b, size, spread, peak, colour);
        reference::PaintLine(direct, a, b, size, spread, peak, colour);
        break;
      case Operation::spray: {
        std::vector<unsigned> dice(2000);
        for (unsigned& n : dice) n = random();
        CReplayRandom fastDice(dice), directDice(dice);
        SprayBurst(*fast, a.x, a.y, size, spread, peak, colour, 0.2, fastDice);
        reference::SprayBurst(direct, a.x, a.y, size, spread, peak, colour, 0.2, directDice);
        break;
      }
    }
    ASSERT_TRUE(SameLayer(*fast, direct)) << "round " << round << " size " << size;
  }
}

INSTANTIATE_TEST_SUITE_P(HairTools, PixelOperationAgainstFormula,
                         ::testing::Values(Operation::dab, Operation::smudge, Operation::erase, Operation::line,
                                           Operation::spray));

TEST(PaintDab, TransparentPixelsTakeTheColourAndOpaqueOnesMixByTheWeight) {
  CDibAlpha image;
  image.Create(CSize(5, 1), 0x000000ul);
  image.Fill_Color(0x000000ul, 255);
  unsigned char* plane = image.LockAlpha();
  plane[2] = 0;
  image.UnlockAlpha();
  // S = 2, h = 1: the square around x = 2 covers columns 1 and 2 of row 0
  // with the weights e^-1 and 1.
  PaintDab(image, 2, 0, 2, 1.0, 1.0, 0x0000C8);  // red 200
  EXPECT_EQ(testimg::GetPixel(image, 1, 0), (testimg::Pixel{0, 0, 200}));  // transparent: all the way
  EXPECT_EQ(AlphaAt(image, 1, 0), 161);                                    // trunc((1 - e^-1) * 255)
  EXPECT_EQ(testimg::GetPixel(image, 2, 0), (testimg::Pixel{0, 0, 200}));  // opaque, weight 1
  EXPECT_EQ(AlphaAt(image, 2, 0), 0);
  EXPECT_EQ(AlphaAt(image, 3, 0), 255);  // outside the square
  EXPECT_EQ(testimg::GetPixel(image, 3, 0), testimg::Grey(0));

  // An opaque pixel under half the weight moves half way.
  CDibAlpha opaque;
  opaque.Create(CSize(2, 2), 0x000000ul);
  opaque.Fill_Color(0x000000ul, 0);
  PaintDab(opaque, 1, 1, 2, 1.0, 0.5, 0x0000C8);
  EXPECT_EQ(testimg::GetPixel(opaque, 1, 1)[2], 100);
  EXPECT_EQ(AlphaAt(opaque, 1, 1), 0);
}

TEST(Smudge, ACombStartingWithinItsSizeOfTheBorderDoesNothingUntilItMovesInward) {
  std::unique_ptr<CDibAlpha> image = RandomLayer(100, 100, 3);
  CDibAlpha before(*image);
  const int size = 35;
  // The square's corner is at x - 17: from x = 16 to x = 17 the start square
  // pokes out on the left.
  Smudge(*image, {16, 50}, {17, 50}, size, 0.5, 0.8);
  EXPECT_TRUE(SameLayer(*image, before));
  // Near the right border the square must stay one short of the edge.
  Smudge(*image, {81, 50}, {82, 50}, size, 0.5, 0.8);
  EXPECT_TRUE(SameLayer(*image, before));
  // Moving inward: the first step whose squares both fit changes pixels.
  Smudge(*image, {16, 50}, {19, 50}, size, 0.5, 0.8);
  const std::vector<CPoint> changed = ChangedPixels(*image, before);
  ASSERT_FALSE(changed.empty());
  for (const CPoint& p : changed) EXPECT_TRUE(p.x >= 1 && p.x < 1 + size + 1) << p.x;
}

TEST(Erase, OnePixelPerMoveCutsNothingAndFasterMovesCutTheInnerPoints) {
  std::unique_ptr<CDibAlpha> image = RandomLayer(80, 80, 4);
  image->Fill_Color(0x336699ul, 0);
  CDibAlpha before(*image);
  for (int x = 20; x < 40; ++x) Erase(*image, {x, 40}, {x + 1, 40}, 21);
  EXPECT_TRUE(SameLayer(*image, before));

  // Two steps: only the point between them is cut, by 16 at the centre of
  // its square; the colours stay.
  Erase(*image, {20, 40}, {22, 40}, 21);
  std::vector<CPoint> changed = ChangedPixels(*image, before);
  ASSERT_FALSE(changed.empty());
  for (const CPoint& p : changed) {
    EXPECT_EQ(testimg::GetPixel(*image, p.x, p.y), testimg::GetPixel(before, p.x, p.y));
    EXPECT_TRUE(p.x >= 11 && p.x < 32 && p.y >= 30 && p.y < 51) << p.x << "," << p.y;
    EXPECT_LE(AlphaAt(*image, p.x, p.y), 16);
  }
  EXPECT_EQ(AlphaAt(*image, 21, 40), 16);
}

TEST(SprayBurst, PaintsAtMostOneFifthOfTheSquareAndOnlyInsideTheCircle) {
  CDibAlpha image;
  image.Create(CSize(60, 60), 0x000000ul);
  image.Fill_Color(0x000000ul, 255);
  CDibAlpha before(image);
  CReplayRandom dice([] {
    std::vector<unsigned> numbers(360);
    std::mt19937 engine(2);
    for (unsigned& n : numbers) n = engine();
    return numbers;
  }());
  SprayBurst(image, 30, 30, 30, 0.5, 0.105, 0xFFFFFF, 0.2, dice);
  EXPECT_EQ(dice.Drawn(), 360u);  // 180 samples, row then column each
  const std::vector<CPoint> changed = ChangedPixels(image, before);
  EXPECT_GT(changed.size(), 100u);
  EXPECT_LE(changed.size(), 180u);
  for (const CPoint& p : changed) {
    const double r = p.y - 15, j = p.x - 15;  // mask indices: the square starts at 30 - 15
    EXPECT_LE(std::hypot(r - 15.0, j - 15.0), 15.0) << p.x << "," << p.y;
  }
}
