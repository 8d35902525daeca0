// The wand: tolerance, the fill against a plain breadth-first search, the
// mask's margin and holes, and the traced outline's region.
#include <gtest/gtest.h>

#include <deque>
#include <random>

#include "app/tools/magic_wand.h"
#include "tests/imagelib/image_builders.h"

namespace {

// A layer from rows of letters: '#' dark, '.' light, ' ' transparent.
std::unique_ptr<CDibAlpha> Picture(const std::vector<std::string>& rows) {
  auto image = std::make_unique<CDibAlpha>();
  image->Create(CSize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size())));
  unsigned char* plane = image->LockAlpha();
  for (int y = 0; y < static_cast<int>(rows.size()); ++y)
    for (int x = 0; x < static_cast<int>(rows[y].size()); ++x) {
      testimg::SetPixel(*image, x, y, testimg::Grey(rows[y][x] == '#' ? 20 : 230));
      plane[y * image->Width() + x] = rows[y][x] == ' ' ? 255 : 0;
    }
  image->UnlockAlpha();
  return image;
}

std::vector<unsigned char> BreadthFirst(CDibAlpha& image, CPoint seed, int tolerance) {
  const int w = image.Width(), h = image.Height();
  unsigned char* plane = image.LockAlpha();
  image.UnlockAlpha();
  const auto seedColour = testimg::GetPixel(image, seed.x, seed.y);
  auto candidate = [&](int x, int y) {
    const auto c = testimg::GetPixel(image, x, y);
    return std::abs(c[0] - seedColour[0]) + std::abs(c[1] - seedColour[1]) + std::abs(c[2] - seedColour[2]) <=
               tolerance &&
           plane[y * w + x] < 255;
  };
  std::vector<unsigned char> filled(static_cast<std::size_t>(w) * h, 0);
  if (!candidate(seed.x, seed.y)) return filled;
  std::deque<CPoint> queue{seed};
  filled[seed.y * w + seed.x] = 1;
  while (!queue.empty()) {
    const CPoint p = queue.front();
    queue.pop_front();
    for (CPoint n : {CPoint(p.x + 1, p.y), CPoint(p.x - 1, p.y), CPoint(p.x, p.y + 1), CPoint(p.x, p.y - 1)}) {
      if (n.x < 0 || n.y < 0 || n.x >= w || n.y >= h || filled[n.y * w + n.x] || !candidate(n.x, n.y)) continue;
      filled[n.y * w + n.x] = 1;
      queue.push_back(n);
    }
  }
  return filled;
}

TEST(MagicWand, ToleranceRunsFromEverythingToExactColour) {
  // 2.55 is a little below 2.55 in double precision, so 100 * 2.55
  // truncates to 254, not the 255 one would expect by hand.
  EXPECT_EQ(WandTolerance(0), 254);
  EXPECT_EQ(WandTolerance(100), 0);
  EXPECT_EQ(WandTolerance(50), 127);
  EXPECT_EQ(WandTolerance(-20), 255);  // clamped
  EXPECT_EQ(WandTolerance(140), 0);
  EXPECT_EQ(WandFeatherRadius(1), 0);
  EXPECT_EQ(WandFeatherRadius(6), 21);
}

TEST(MagicWand, FillIsTheFourConnectedComponentOnRandomPictures) {
  std::mt19937 random(3);
  for (int trial = 0; trial < 60; ++trial) {
    const int w = 5 + trial % 23, h = 4 + trial % 17;
    std::vector<std::string> rows(h, std::string(w, '.'));
    for (auto& row : rows)
      for (char& c : row) c = "#.. "[random() % 4];
    auto image = Picture(rows);
    const CPoint seed(static_cast<int>(random() % w), static_cast<int>(random() % h));
    EXPECT_EQ(WandFill(*image, seed, 30), BreadthFirst(*image, seed, 30)) << "trial " << trial;
  }
}

TEST(MagicWand, ARingKeepsItsHoleInTheMaskButNotInTheOutline) {
  auto image = Picture({
      "..........",
      ".######...",
      ".#....#...",
      ".#....#...",
      ".######...",
      "..........",
  });
  std::optional<CWandSelection> selection = WandSelect(*image, {1, 1}, 0);
  ASSERT_TRUE(selection);
  const CSelectionMask& mask = selection->mask;
  EXPECT_EQ(mask.origin, CPoint(1 - 20, 1 - 20));
  EXPECT_EQ(mask.width, 6 + 40);
  EXPECT_EQ(mask.height, 4 + 40);
  const auto cell = [&](int x, int y) { return mask.cells[(y - mask.origin.y) * mask.width + (x - mask.origin.x)]; };
  EXPECT_EQ(cell(1, 1), 0);
  EXPECT_EQ(cell(3, 2), 255);  // the hole
  // The outline is the outer boundary: its region holds the hole too.
  const CPolygonRegion region(selection->outline);
  EXPECT_EQ(region.GetRgnBox(), CRect(1, 1, 7, 5));
  EXPECT_TRUE(region.PtInRegion(3, 2));
  EXPECT_EQ(selection->outline.size(), 4u);
}

TEST(MagicWand, CellsTouchingAtACornerAreNotJoined) {
  auto image = Picture({
      "......",
      ".##...",
      ".##...",
      "...##.",
      "...##.",
  });
  std::optional<CWandSelection> selection = WandSelect(*image, {1, 1}, 0);
  ASSERT_TRUE(selection);
  const CPolygonRegion region(selection->outline);
  EXPECT_EQ(region.GetRgnBox(), CRect(1, 1, 3, 3));
}

TEST(MagicWand, TracedOutlineCoversTheFilledCellsWithTheirHolesFilled) {
  std::mt19937 random(11);
  for (int trial = 0; trial < 40; ++trial) {
    const int w = 12, h = 10;
    std::vector<std::string> rows(h, std::string(w, '.'));
    for (auto& row : rows)
      for (char& c : row) c = random() % 3 ? '#' : '.';
    auto image = Picture(rows);
    CPoint seed;
    while (rows[seed.y][seed.x] != '#') seed = {static_cast<int>(random() % w), static_cast<int>(random() % h)};
    const std::vector<unsigned char> filled = WandFill(*image, seed, 0);
    const CPolygonRegion region(TraceOuterBoundary(filled, w, h));
    // Every filled cell is inside; every inside cell is filled or enclosed.
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        if (filled[y * w + x]) {
          EXPECT_TRUE(region.PtInRegion(x, y)) << trial << " at " << x << "," << y;
          continue;
        }
        if (!region.PtInRegion(x, y)) continue;
        // An inside cell that is not filled is a hole: no path of unfilled
        // cells leads from it off the picture.
        std::vector<unsigned char> seen(w * h, 0);
        std::deque<CPoint> queue{{x, y}};
        bool escapes = false;
        seen[y * w + x] = 1;
        while (!queue.empty() && !escapes) {
          const CPoint p = queue.front();
          queue.pop_front();
          for (CPoint n : {CPoint(p.x + 1, p.y), CPoint(p.x - 1, p.y), CPoint(p.x, p.y + 1), CPoint(p.x, p.y - 1)}) {
            if (n.x < 0 || n.y < 0 || n.x >= w || n.y >= h) {
              escapes = true;
              break;
            }
            if (seen[n.y * w + n.x] || filled[n.y * w + n.x]) continue;
            seen[n.y * w + n.x] = 1;
            queue.push_back(n);
          }
        }
        EXPECT_FALSE(escapes) << trial << " at " << x << "," << y;
      }
  }
}

TEST(MagicWand, SeedOutsideTheImageSelectsNothing) {
  auto image = Picture({"..", ".."});
  EXPECT_FALSE(WandSelect(*image, {2, 0}, 10));
  EXPECT_FALSE(WandSelect(*image, {0, -1}, 10));
  // A transparent seed is no candidate: an empty selection, all unselected.
  auto clear = Picture({"  ", "  "});
  std::optional<CWandSelection> none = WandSelect(*clear, {0, 0}, 255);
  ASSERT_TRUE(none);
  EXPECT_TRUE(none->outline.empty());
  for (unsigned char cell : none->mask.cells) EXPECT_EQ(cell, 255);
}

}  // namespace
