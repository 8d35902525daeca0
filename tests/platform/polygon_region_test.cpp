#include <gtest/gtest.h>

#include <climits>
#include <random>
#include <vector>

#include "platform/core/polygon_region.h"

namespace {

CPolygonRegion Region(std::vector<CPoint> vertices) { return CPolygonRegion(vertices); }

// The box computed the slow, obvious way: every pixel near the vertices asked
// one by one.
CRect BoxOfInsidePixels(const CPolygonRegion& region) {
  CRect box;
  bool any = false;
  for (int y = -2; y < 70; ++y) {
    for (int x = -2; x < 70; ++x) {
      if (!region.PtInRegion(x, y)) continue;
      CRect pixel(x, y, x + 1, y + 1);
      if (any) box.UnionRect(box, pixel); else box = pixel;
      any = true;
    }
  }
  return box;
}

}  // namespace

TEST(PolygonRegion, AxisParallelRectangleCoversTheSamePixelsAsAnExclusiveRect) {
  for (auto region : {Region({{2, 3}, {7, 3}, {7, 9}, {2, 9}}), Region({{2, 3}, {2, 9}, {7, 9}, {7, 3}})}) {
    EXPECT_EQ(region.GetRgnBox(), CRect(2, 3, 7, 9));
    EXPECT_TRUE(region.PtInRegion(2, 3));
    EXPECT_TRUE(region.PtInRegion(6, 8));
    EXPECT_FALSE(region.PtInRegion(7, 3));
    EXPECT_FALSE(region.PtInRegion(2, 9));
    EXPECT_FALSE(region.PtInRegion(1, 5));
  }
}

TEST(PolygonRegion, CentreOnASlopedEdgeBelongsToThePixelWhoseRegionLiesToTheRight) {
  // The diamond's edges pass through pixel centres: those on its left edges
  // are in, those on its right edges are out, so the box is one column narrower
  // than the vertices span.
  CPolygonRegion diamond = Region({{5, 0}, {10, 5}, {5, 10}, {0, 5}});
  EXPECT_TRUE(diamond.PtInRegion(4, 0));   // centre (4.5, 0.5) on the upper left edge
  EXPECT_FALSE(diamond.PtInRegion(5, 0));  // centre (5.5, 0.5) on the upper right edge
  EXPECT_TRUE(diamond.PtInRegion(0, 4));
  EXPECT_TRUE(diamond.PtInRegion(4, 9));
  EXPECT_FALSE(diamond.PtInRegion(9, 4));
  EXPECT_EQ(diamond.GetRgnBox(), CRect(0, 0, 9, 10));
}

TEST(PolygonRegion, ConcaveNotchIsOutside) {
  CPolygonRegion u = Region({{0, 0}, {9, 0}, {9, 9}, {6, 9}, {6, 3}, {3, 3}, {3, 9}, {0, 9}});
  EXPECT_FALSE(u.PtInRegion(4, 5));
  EXPECT_FALSE(u.PtInRegion(3, 3));  // notch corner pixel: its centre is inside the notch
  EXPECT_TRUE(u.PtInRegion(2, 5));
  EXPECT_TRUE(u.PtInRegion(6, 5));
  EXPECT_TRUE(u.PtInRegion(4, 2));
  EXPECT_EQ(u.GetRgnBox(), CRect(0, 0, 9, 9));
}

TEST(PolygonRegion, WindingRuleFillsAreasWoundTwiceAndEmptiesAreasWoundBothWays) {
  // The pentagram's middle is wound twice: inside by the nonzero rule, where
  // an even-odd fill would leave a hole.
  CPolygonRegion star = Region({{50, 0}, {79, 90}, {2, 34}, {98, 34}, {21, 90}});
  EXPECT_TRUE(star.PtInRegion(50, 50));
  EXPECT_TRUE(star.PtInRegion(50, 10));
  EXPECT_FALSE(star.PtInRegion(50, 85));  // between the two lower points

  // A keyhole: the outer square, a slit in to an inner square and back out
  // along the same slit. The polygon touches itself along the slit.
  std::vector<CPoint> outer = {{0, 0}, {10, 0}, {10, 10}, {0, 10}, {0, 0}};
  std::vector<CPoint> keyhole = outer;
  keyhole.insert(keyhole.end(), {{3, 3}, {3, 7}, {7, 7}, {7, 3}, {3, 3}});
  CPolygonRegion hole = CPolygonRegion(keyhole);
  EXPECT_FALSE(hole.PtInRegion(5, 5));
  EXPECT_TRUE(hole.PtInRegion(1, 5));
  EXPECT_TRUE(hole.PtInRegion(8, 8));
  EXPECT_TRUE(hole.PtInRegion(1, 1));  // centre on the slit, whose two passes cancel
  EXPECT_EQ(hole.GetRgnBox(), CRect(0, 0, 10, 10));

  std::vector<CPoint> doubled = outer;
  doubled.insert(doubled.end(), {{3, 3}, {7, 3}, {7, 7}, {3, 7}, {3, 3}});
  EXPECT_TRUE(CPolygonRegion(doubled).PtInRegion(5, 5));
}

TEST(PolygonRegion, SquaresTouchingAtOneVertexKeepTheirOwnPixels) {
  CPolygonRegion region = Region({{0, 0}, {5, 0}, {5, 5}, {10, 5}, {10, 10}, {5, 10}, {5, 5}, {0, 5}});
  EXPECT_TRUE(region.PtInRegion(4, 4));
  EXPECT_TRUE(region.PtInRegion(5, 5));
  EXPECT_FALSE(region.PtInRegion(5, 4));
  EXPECT_FALSE(region.PtInRegion(4, 5));
  EXPECT_EQ(region.GetRgnBox(), CRect(0, 0, 10, 10));
}

TEST(PolygonRegion, PolygonsWithoutAreaHaveNoPixels) {
  for (auto region : {CPolygonRegion(), Region({{3, 3}}), Region({{0, 0}, {9, 9}}),
                      Region({{0, 0}, {4, 4}, {8, 8}}), Region({{0, 0}, {9, 0}, {4, 0}})}) {
    EXPECT_TRUE(region.IsEmpty());
    EXPECT_EQ(region.GetRgnBox(), CRect());
    EXPECT_FALSE(region.PtInRegion(0, 0));
    EXPECT_FALSE(region.PtInRegion(4, 4));
  }
}

TEST(PolygonRegion, BoxHoldsExactlyThePixelsThatTestInside) {
  std::vector<CPolygonRegion> regions = {
      Region({{5, 0}, {10, 5}, {5, 10}, {0, 5}}),
      Region({{0, 0}, {9, 0}, {9, 9}, {6, 9}, {6, 3}, {3, 3}, {3, 9}, {0, 9}}),
      Region({{1, 1}, {2, 1}, {2, 2}}),  // no pixel centre inside
      Region({{3, 1}, {40, 7}, {13, 29}}),
  };
  std::mt19937 generator(7);
  std::uniform_int_distribution<int> coordinate(0, 64);
  for (int polygon = 0; polygon < 40; ++polygon) {
    std::vector<CPoint> vertices(3 + polygon % 7);
    for (CPoint& vertex : vertices) vertex = {coordinate(generator), coordinate(generator)};
    regions.push_back(CPolygonRegion(vertices));
  }
  for (const CPolygonRegion& region : regions) EXPECT_EQ(region.GetRgnBox(), BoxOfInsidePixels(region));
}

TEST(PolygonRegion, ExtremeCoordinatesDoNotOverflow) {
  // Centre line of row 0 meets the long edge at x = INT_MIN + (2^32 - 1) / 8
  // = -1610612736.125.
  CPolygonRegion sliver = Region({{INT_MIN, 0}, {INT_MAX, 0}, {INT_MAX, 4}});
  EXPECT_TRUE(sliver.PtInRegion(-1610612736, 0));
  EXPECT_FALSE(sliver.PtInRegion(-1610612737, 0));
  EXPECT_TRUE(sliver.PtInRegion(INT_MAX - 1, 3));
  EXPECT_FALSE(sliver.PtInRegion(INT_MAX, 3));

  CPolygonRegion wide = Region({{-2000000000, 0}, {2000000000, 0}, {2000000000, 2}, {-2000000000, 2}});
  EXPECT_EQ(wide.GetRgnBox(), CRect(-2000000000, 0, 2000000000, 2));
}
