// The warp against its formula written out, and what the simulation must
// do to a picture: hold everything outside the area, re-sample in place
// when nothing moves, follow a moved contour, darken where samples leave
// the image; plus the line pairs it is built from.
#include <gtest/gtest.h>

#include <random>

#include "app/editing/deform.h"
#include "tests/editing/reference_warp.h"
#include "tests/imagelib/image_builders.h"

namespace {

std::unique_ptr<CDib> White(CSize size) {
  auto image = std::make_unique<CDib>();
  image->Create(size, 0xFFFFFFul);
  return image;
}

std::vector<CDoublePoint> Exact(const std::vector<CPoint>& points) {
  std::vector<CDoublePoint> exact;
  for (CPoint p : points) exact.push_back({static_cast<double>(p.x), static_cast<double>(p.y)});
  return exact;
}

TEST(FieldWarp, FastWarpGivesTheFormulasBytesOnRandomContours) {
  std::mt19937 random(21);
  for (int trial = 0; trial < 12; ++trial) {
    const int w = 40 + trial * 3, h = 30 + trial * 2;
    std::unique_ptr<CDib> photo = testimg::RandomImage(w, h, trial);
    std::uniform_int_distribution<int> x(-5, w + 5), y(-5, h + 5), wobble(-6, 6);
    std::vector<CPoint> area, initial, final;
    for (int i = 0; i < 3 + trial % 5; ++i) area.push_back({x(random), y(random)});
    for (int i = 0; i < 2 + trial % 7; ++i) {
      initial.push_back({x(random), y(random)});
      final.push_back({initial.back().x + wobble(random), initial.back().y + wobble(random)});
    }
    const CPolygonRegion region(area);
    std::vector<CLinePair> pairs = AnchorLines(region, w, h);
    const auto contour = ContourLinePairs(Exact(initial), Exact(final));
    pairs.insert(pairs.end(), contour.begin(), contour.end());
    auto fast = White(photo->GetSize());
    auto direct = White(photo->GetSize());
    ASSERT_TRUE(FieldWarp(*photo, *fast, pairs, region));
    ReferenceFieldWarp(*photo, *direct, pairs, region);
    ASSERT_TRUE(testimg::SamePixels(*fast, *direct)) << "trial " << trial;
  }
}

// Upright and level segments that are their own source take shortcuts in
// the fast warp; these mix them with ones that look alike but may not take
// them (pointing up or left, off whole pixels, moved, far off the image),
// and with areas reaching past the image's border.
TEST(FieldWarp, AnchorShapedPairsGiveTheFormulasBytes) {
  std::mt19937 random(7);
  for (int trial = 0; trial < 8; ++trial) {
    const int w = 70 + 9 * trial, h = 50 + 7 * trial;
    std::unique_ptr<CDib> photo = testimg::RandomImage(w, h, 40 + trial);
    std::uniform_int_distribution<int> x(-8, w + 8), y(-8, h + 8), kind(0, 5);
    std::vector<CPoint> area;
    for (int i = 0; i < 3 + trial % 4; ++i) area.push_back({x(random), y(random)});
    const CPolygonRegion region(area);
    std::vector<CLinePair> pairs = AnchorLines(region, w, h);
    for (int i = 0; i < 30; ++i) {
      CDoublePoint p{double(x(random)), double(y(random))};
      CDoublePoint q = p;
      (i % 2 ? q.x : q.y) += x(random) - w / 2;
      CLinePair pair{p, q, p, q};
      switch (kind(random)) {
        case 0: pair.q.x += 0.5, pair.sourceQ = pair.q; break;       // off whole pixels
        case 1: pair.sourceP.x += 3; break;                           // moved
        case 2: pair.p.y += 1e7, pair.q.y += 1e7; break;             // far away
        default: break;                                               // anchor-shaped
      }
      pairs.insert(pairs.begin() + random() % (pairs.size() + 1), pair);
    }
    auto fast = White(photo->GetSize());
    auto direct = White(photo->GetSize());
    ASSERT_TRUE(FieldWarp(*photo, *fast, pairs, region));
    ReferenceFieldWarp(*photo, *direct, pairs, region);
    ASSERT_TRUE(testimg::SamePixels(*fast, *direct)) << "trial " << trial;
  }
}

// Rows longer than the warp's runs of pixels, and a U-shaped area whose
// rows fall into two spans, with the contour reaching past the image.
TEST(FieldWarp, LongRowsAndSplitRowsGiveTheFormulasBytes) {
  const int w = 330, h = 48;
  std::unique_ptr<CDib> photo = testimg::RandomImage(w, h, 5);
  const CPolygonRegion region(std::vector<CPoint>{{3, 2}, {325, 4}, {322, 45}, {200, 44}, {190, 12}, {120, 13},
                                                  {110, 46}, {6, 44}});
  std::vector<CLinePair> pairs = AnchorLines(region, w, h);
  const auto contour = ContourLinePairs(Exact({{20, 10}, {160, -6}, {300, 30}, {340, 40}}),
                                        Exact({{24, 12}, {150, -2}, {290, 33}, {335, 41}}));
  pairs.insert(pairs.end(), contour.begin(), contour.end());
  auto fast = White(photo->GetSize());
  auto direct = White(photo->GetSize());
  ASSERT_TRUE(FieldWarp(*photo, *fast, pairs, region));
  ReferenceFieldWarp(*photo, *direct, pairs, region);
  EXPECT_TRUE(testimg::SamePixels(*fast, *direct));
}

TEST(FieldWarp, ProgressRunsToAHundredAndFalseCancels) {
  std::unique_ptr<CDib> photo = testimg::RandomImage(30, 20, 1);
  const CPolygonRegion region(std::vector<CPoint>{{2, 2}, {25, 3}, {12, 18}});
  auto out = White(photo->GetSize());
  std::vector<int> seen;
  ASSERT_TRUE(FieldWarp(*photo, *out, AnchorLines(region, 30, 20), region, [&](int p) {
    seen.push_back(p);
    return true;
  }));
  ASSERT_FALSE(seen.empty());
  EXPECT_EQ(seen.back(), 100);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_FALSE(FieldWarp(*photo, *out, {}, region, [](int) { return false; }));
  EXPECT_FALSE(FieldWarp(*photo, *photo, {}, region));
}

// A smooth picture, so that a re-sampled pixel is close to its neighbours.
std::unique_ptr<CDib> Gradient(int w, int h) {
  auto image = std::make_unique<CDib>();
  image->Create(CSize(w, h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      testimg::SetPixel(*image, x, y,
                        {static_cast<unsigned char>(x * 2), static_cast<unsigned char>(y * 2), static_cast<unsigned char>(100)});
  return image;
}

TEST(Deform, IdenticalContoursResampleInPlaceAndTheOutsideKeepsItsBytes) {
  std::unique_ptr<CDib> photo = Gradient(100, 100);
  const std::vector<CPoint> area{{20, 20}, {80, 20}, {80, 80}, {20, 80}};
  const std::vector<CPoint> contour{{50, 30}, {50, 50}, {52, 70}};
  std::unique_ptr<CDib> warped = WarpPhoto(*photo, area, contour, contour);
  ASSERT_TRUE(warped);
  const CPolygonRegion region(area);
  int worst = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) {
      const auto before = testimg::GetPixel(*photo, x, y);
      const auto after = testimg::GetPixel(*warped, x, y);
      if (!region.PtInRegion(x, y)) {
        ASSERT_EQ(before, after) << x << "," << y;
        continue;
      }
      // Zero displacement: the nine samples round to the pixel itself.
      for (int k = 0; k < 3; ++k) worst = std::max(worst, std::abs(before[k] - after[k]));
    }
  EXPECT_EQ(worst, 0);
}

// One vertical segment moved 10 pixels to the right: pixels beside it come
// from 10 pixels to the left, pixels by the area's border barely move.
TEST(Deform, AMovedSegmentCarriesItsNeighboursAndTheAnchorsHoldTheBorder) {
  auto photo = std::make_unique<CDib>();
  photo->Create(CSize(200, 200));
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x) testimg::SetPixel(*photo, x, y, testimg::Grey(x));  // value = column
  const std::vector<CPoint> area{{40, 40}, {160, 40}, {160, 160}, {40, 160}};
  std::unique_ptr<CDib> warped = WarpPhoto(*photo, area, {{100, 60}, {100, 140}}, {{110, 60}, {110, 140}});
  ASSERT_TRUE(warped);
  const int nearShift = 111 - testimg::GetPixel(*warped, 111, 100)[0];
  EXPECT_GE(nearShift, 8);
  EXPECT_LE(nearShift, 11);
  const int borderShift = 42 - testimg::GetPixel(*warped, 42, 100)[0];
  EXPECT_LE(std::abs(borderShift), 1);
}

TEST(Deform, SamplesLeavingTheImageDarkenThePixel) {
  auto photo = std::make_unique<CDib>();
  photo->Create(CSize(60, 60), 0xFFFFFFul);
  // The area reaches the image's top edge; the contour pulls from above it.
  const std::vector<CPoint> area{{10, -10}, {50, -10}, {50, 30}, {10, 30}};
  std::unique_ptr<CDib> warped = WarpPhoto(*photo, area, {{20, -8}, {40, -8}}, {{20, 2}, {40, 2}});
  ASSERT_TRUE(warped);
  EXPECT_LT(testimg::GetPixel(*warped, 30, 1)[0], 255);
  EXPECT_EQ(testimg::GetPixel(*warped, 5, 1)[0], 255);
}

TEST(Deform, TooFewVerticesDoNothing) {
  std::unique_ptr<CDib> photo = Gradient(30, 30);
  EXPECT_FALSE(WarpPhoto(*photo, {{0, 0}, {10, 0}}, {{1, 1}, {2, 2}}, {{1, 1}, {2, 2}}));
  EXPECT_FALSE(WarpPhoto(*photo, {{0, 0}, {10, 0}, {5, 9}}, {{1, 1}}, {{1, 1}, {2, 2}}));
}

TEST(WarpLines, ZeroLengthSegmentsAndUnmatchedVerticesMakeNoPairs) {
  // A repeated point in either contour drops that pair; a shorter final
  // contour limits the pairs to its own segments.
  const std::vector<CDoublePoint> initial{{0, 0}, {0, 0}, {10, 0}, {20, 0}, {30, 0}};
  const std::vector<CDoublePoint> final{{0, 5}, {1, 5}, {10, 5}, {10, 5}};
  const std::vector<CLinePair> pairs = ContourLinePairs(initial, final);
  ASSERT_EQ(pairs.size(), 1u);
  EXPECT_EQ(pairs[0].p, CDoublePoint(1, 5));
  EXPECT_EQ(pairs[0].sourceQ, CDoublePoint(10, 0));
}

// With the repeated vertex counted, its weight of 1000 dragged every pixel
// of the area toward one point; now the contour behaves as without it.
TEST(Deform, ARepeatedContourPointChangesNothing) {
  std::unique_ptr<CDib> photo = Gradient(80, 80);
  const std::vector<CPoint> area{{10, 10}, {70, 10}, {70, 70}, {10, 70}};
  auto plain = WarpPhoto(*photo, area, {{40, 20}, {40, 60}}, {{45, 20}, {45, 60}});
  auto repeated = WarpPhoto(*photo, area, {{40, 20}, {40, 20}, {40, 60}}, {{45, 20}, {45, 20}, {45, 60}});
  ASSERT_TRUE(plain && repeated);
  EXPECT_TRUE(testimg::SamePixels(*plain, *repeated));
}

TEST(WarpLines, AnchorsFollowTheRunsOutsideTheArea) {
  const CPolygonRegion area(std::vector<CPoint>{{30, 30}, {60, 30}, {60, 60}, {30, 60}});
  const std::vector<CLinePair> anchors = AnchorLines(area, 80, 70);
  // Columns 0, 25, 75 and rows 0, 25 run whole; column 50 and row 50 are
  // split around the area.
  std::vector<CLinePair> column50;
  for (const CLinePair& line : anchors)
    if (line.p.x == 50 && line.q.x == 50) column50.push_back(line);
  ASSERT_EQ(column50.size(), 2u);
  EXPECT_EQ(column50[0].p, CDoublePoint(50, 0));
  EXPECT_EQ(column50[0].q, CDoublePoint(50, 30));
  EXPECT_EQ(column50[1].p, CDoublePoint(50, 60));
  EXPECT_EQ(column50[1].q, CDoublePoint(50, 70));
  EXPECT_EQ(anchors.size(), 5u + 4u);
  for (const CLinePair& line : anchors) EXPECT_EQ(line.p, line.sourceP);
}

}  // namespace
