// The selection mask: the scanline fill against the per-pixel test of the
// region, and the feathering against its five-cell average written out.
#include <gtest/gtest.h>

#include <random>

#include "app/tools/selection_mask.h"

namespace {

// The mask as first described: every pixel of the box asks the region.
CSelectionMask PerPixelMask(const CPolygonRegion& region) {
  const CRect box = region.GetRgnBox();
  CSelectionMask mask;
  mask.width = box.Width() + 40;
  mask.height = box.Height() + 40;
  mask.origin = {box.left - 20, box.top - 20};
  mask.cells.assign(static_cast<std::size_t>(mask.width) * mask.height, 255);
  for (int y = box.top; y < box.bottom; ++y)
    for (int x = box.left; x < box.right; ++x)
      mask.cells[static_cast<std::size_t>(y - box.top + 20) * mask.width + (x - box.left + 20)] =
          region.PtInRegion(x, y) ? 0 : 255;
  return mask;
}

std::vector<CPoint> RandomPolygon(std::mt19937& random, int count, int extent) {
  std::uniform_int_distribution<int> coordinate(-extent / 4, extent);
  std::vector<CPoint> points;
  for (int i = 0; i < count; ++i) points.push_back({coordinate(random), coordinate(random)});
  return points;
}

TEST(SelectionMask, ScanlineFillEqualsThePerPixelTestOnSelfIntersectingPolygons) {
  std::mt19937 random(7);
  for (int trial = 0; trial < 300; ++trial) {
    const CPolygonRegion region(RandomPolygon(random, 3 + trial % 40, 20 + trial % 90));
    CSelectionMask fast;
    ASSERT_TRUE(BuildRegionMask(region, &fast));
    const CSelectionMask direct = PerPixelMask(region);
    ASSERT_EQ(fast.width, direct.width);
    ASSERT_EQ(fast.height, direct.height);
    ASSERT_EQ(fast.origin, direct.origin);
    ASSERT_EQ(fast.cells, direct.cells) << "trial " << trial;
  }
}

TEST(SelectionMask, RectangleCoversItsPixelsWithTheMargin) {
  const std::vector<CPoint> square{{10, 10}, {14, 10}, {14, 13}, {10, 13}};
  CSelectionMask mask;
  ASSERT_TRUE(BuildRegionMask(CPolygonRegion(square), &mask));
  EXPECT_EQ(mask.origin, CPoint(-10, -10));
  EXPECT_EQ(mask.width, 44);
  EXPECT_EQ(mask.height, 43);
  int selected = 0;
  for (unsigned char cell : mask.cells) selected += cell == 0;
  EXPECT_EQ(selected, 12);
  EXPECT_EQ(mask.cells[20 * 44 + 20], 0);
  EXPECT_EQ(mask.cells[20 * 44 + 24], 255);
}

TEST(SelectionMask, AHugePolygonIsRefusedNotAllocated) {
  const std::vector<CPoint> huge{{0, 0}, {1000000, 0}, {1000000, 1000000}, {0, 1000000}};
  CSelectionMask mask;
  EXPECT_FALSE(BuildRegionMask(CPolygonRegion(huge), &mask));
  EXPECT_TRUE(mask.IsEmpty());
}

CSelectionMask ReferenceFeather(CSelectionMask mask, int radius) {
  const int n = radius / 7;
  const int w = mask.width, h = mask.height;
  for (auto& v : mask.cells) v = static_cast<unsigned char>(255 - v);
  for (int d = 1; d <= n - 1; ++d) {
    const std::vector<unsigned char> old = mask.cells;
    auto read = [&](int x, int y) { return x < 1 || y < 1 || x >= w || y >= h ? 0 : old[y * w + x]; };
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x)
        mask.cells[y * w + x] =
            static_cast<unsigned char>((read(x, y) + read(x + d, y) + read(x - d, y) + read(x, y - d) + read(x, y + d)) / 5);
  }
  for (auto& v : mask.cells) v = static_cast<unsigned char>(255 - v);
  return mask;
}

TEST(SelectionMask, FeatherPassesByRadius) {
  const std::vector<CPoint> triangle{{0, 0}, {30, 5}, {8, 25}};
  CSelectionMask hard;
  ASSERT_TRUE(BuildRegionMask(CPolygonRegion(triangle), &hard));
  // Thickness 1 to 3 (radii 5, 9, 13) keep the edge hard; 17 makes one
  // pass, 21 and 25 two.
  for (int radius : {5, 9, 13}) {
    CSelectionMask mask = hard;
    FeatherMask(mask, radius);
    EXPECT_EQ(mask.cells, hard.cells) << radius;
  }
  for (int radius : {17, 21, 25}) {
    CSelectionMask mask = hard;
    FeatherMask(mask, radius);
    EXPECT_NE(mask.cells, hard.cells) << radius;
    EXPECT_EQ(mask.cells, ReferenceFeather(hard, radius).cells) << radius;
  }
  CSelectionMask one = hard, two = hard;
  FeatherMask(one, 17);
  FeatherMask(two, 21);
  EXPECT_NE(one.cells, two.cells);
}

}  // namespace
