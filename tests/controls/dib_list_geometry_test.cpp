#include <gtest/gtest.h>

#include "controls/dib_list_drags.h"
#include "controls/dib_list_geometry.h"

namespace {

// Cells of 20 x 20 and a thumb of 8 x 8.
CDibListGeometry Grid(int count, int perLine, CSize client, bool vertical = true) {
  CDibListGeometry grid;
  grid.SetItemSize({20, 20});
  grid.SetThumbSize({8, 8});
  grid.SetVertical(vertical);
  grid.SetItemsPerLine(perLine);
  grid.SetClientSize(client);
  grid.SetCount(count);
  return grid;
}

// Ten items in one column, two in view: T - v = 8 lines over L = 32 pixels,
// r = 0.25 exactly, so the arithmetic below has no rounding noise.
CDibListGeometry TenInOneColumn() { return Grid(10, 1, {28, 40}); }

}  // namespace

TEST(DibListGeometry, PartlyFilledLastLineCountsAsALine) {
  // Rounding count / columns to the nearest would give 7 / 3 -> 2 lines.
  struct Case {
    int count, lines;
  };
  for (Case c : {Case{7, 3}, Case{6, 2}, Case{8, 3}, Case{1, 1}, Case{0, 0}})
    EXPECT_EQ(Grid(c.count, 3, {68, 20}).TotalLines(), c.lines) << c.count << " items";

  // With one line in view the seventh item can be scrolled to the top.
  CDibListGeometry seven = Grid(7, 3, {68, 20});
  EXPECT_EQ(seven.UpdateScroll(seven.TrackLength()), DibListScroll::TopLine);
  EXPECT_EQ(seven.TopLine(), 2);
  EXPECT_EQ(seven.CellRect(6), CRect(0, 0, 20, 20));
  EXPECT_EQ(seven.ItemFromPoint({5, 5}), 6);
}

TEST(DibListGeometry, ThumbPositionAndTopLineFollowEachOther) {
  CDibListGeometry grid = TenInOneColumn();
  EXPECT_DOUBLE_EQ(grid.Ratio(), 0.25);
  EXPECT_EQ(grid.UpdateScroll(14), DibListScroll::TopLine);  // 14 * 0.25 + 0.5 = 4
  EXPECT_EQ(grid.TopLine(), 4);
  EXPECT_EQ(grid.UpdateScroll(15), DibListScroll::Thumb);  // 4.25: same line
  EXPECT_EQ(grid.UpdateScroll(-3), DibListScroll::TopLine);
  EXPECT_EQ(grid.ThumbPosition(), 0);
  EXPECT_EQ(grid.UpdateScroll(99), DibListScroll::TopLine);
  EXPECT_EQ(grid.ThumbPosition(), 32);
  EXPECT_EQ(grid.TopLine(), 8);

  grid.ResetScroll();
  grid.SetTopIndex(3);
  EXPECT_EQ(grid.ThumbPosition(), 12);
  EXPECT_EQ(grid.TopLine(), 3);
  grid.SetTopIndex(9);  // the thumb stops at the end: the last line stays at the bottom
  EXPECT_EQ(grid.TopLine(), 8);
  for (int outside : {-1, 10}) EXPECT_EQ(grid.SetTopIndex(outside), DibListScroll::None);
}

TEST(DibListGeometry, NothingScrollsWhileEveryLineIsInView) {
  for (int count : {4, 5}) {  // T < v, and T = v where r is 0
    CDibListGeometry grid = Grid(count, 1, {28, 100});
    EXPECT_FALSE(grid.HasHiddenLines());
    EXPECT_FALSE(grid.IsOnThumb({22, 2}));
    EXPECT_EQ(grid.SetTopIndex(2), DibListScroll::None);
    EXPECT_EQ(grid.TopLine(), 0);
  }
  EXPECT_TRUE(Grid(6, 1, {28, 100}).IsOnThumb({22, 2}));
}

TEST(DibListGeometry, DegenerateSkinsDivideByNothing) {
  CDibListGeometry noPictures;
  noPictures.SetClientSize({50, 50});
  noPictures.SetCount(3);
  EXPECT_EQ(noPictures.VisibleLines(), 0);
  EXPECT_EQ(noPictures.ItemFromPoint({1, 1}), -1);
  EXPECT_LT(noPictures.LastVisibleIndex(), noPictures.FirstVisibleIndex());
  EXPECT_EQ(noPictures.SetTopIndex(1), DibListScroll::TopLine);

  // A thumb longer than the list leaves it no travel; lines still scroll.
  CDibListGeometry longThumb = TenInOneColumn();
  longThumb.SetThumbSize({8, 60});
  EXPECT_EQ(longThumb.UpdateScroll(5), DibListScroll::None);
  EXPECT_EQ(longThumb.SetTopIndex(3), DibListScroll::TopLine);
  EXPECT_EQ(longThumb.TopLine(), 3);
}

TEST(DibListGeometry, PointsNameTheCellsOfTheirLine) {
  CDibListGeometry vertical = Grid(4, 3, {75, 40});  // work area 67 wide: 7 pixels past the third column
  EXPECT_EQ(vertical.ItemFromPoint({45, 25}), 5);     // past the count: callers check
  EXPECT_EQ(vertical.ItemFromPoint({62, 5}), -1);     // past the last column, not item 3
  EXPECT_EQ(vertical.ItemFromPoint({67, 5}), -1);     // the strip
  EXPECT_EQ(vertical.ItemFromPoint({5, 40}), -1);     // bottom edge
  EXPECT_EQ(vertical.StripRect(), CRect(60, 0, 68, 40));

  CDibListGeometry horizontal = Grid(10, 2, {60, 48}, false);
  EXPECT_EQ(horizontal.WorkRect(), CRect(0, 0, 60, 40));
  EXPECT_EQ(horizontal.ItemFromPoint({25, 25}), 3);
  EXPECT_EQ(horizontal.CellRect(3), CRect(20, 20, 40, 40));
  horizontal.SetTopIndex(1);
  EXPECT_EQ(horizontal.ItemFromPoint({5, 5}), horizontal.TopLine() * 2);
  EXPECT_EQ(horizontal.ThumbRect().top, 40);
}

TEST(DibListGeometry, WindowRectShowsWholeCellsAndTheStrip) {
  CDibListGeometry vertical = Grid(10, 3, {100, 50});
  EXPECT_EQ(vertical.CalcWindowRect(), CRect(0, 0, 68, 40));
  EXPECT_EQ(vertical.VisibleRange(), CSize(3, 2));
  EXPECT_EQ(Grid(10, 3, {100, 10}).CalcWindowRect(), CRect(0, 0, 68, 20));  // at least one cell
  CDibListGeometry horizontal = Grid(10, 2, {50, 100}, false);
  EXPECT_EQ(horizontal.CalcWindowRect(), CRect(0, 0, 40, 48));
  EXPECT_EQ(horizontal.VisibleRange(), CSize(2, 2));
}

TEST(DibListDrags, ThumbMovesInStepsOfOneLine) {
  CDibListGeometry grid = TenInOneColumn();  // one line every 4 pixels
  CThumbTracking tracking(grid, {24, 2});
  EXPECT_EQ(tracking.OnMove({24, 5}), DibListScroll::None);
  EXPECT_EQ(tracking.OnMove({24, 7}), DibListScroll::TopLine);
  EXPECT_EQ(grid.ThumbPosition(), 5);
  EXPECT_EQ(grid.TopLine(), 1);
  EXPECT_EQ(tracking.OnMove({24, 5}), DibListScroll::None);
  tracking.OnMove({24, -30});
  EXPECT_EQ(grid.ThumbPosition(), 0);
}

TEST(DibListDrags, PanningScrollsOneLinePerTenPixelsWithinTheEnds) {
  CDibListGeometry grid = TenInOneColumn();
  CPanning panning(grid, {10, 20});
  EXPECT_EQ(panning.OnMove({10, 30}), DibListScroll::None);  // 10 is not more than 10
  EXPECT_EQ(panning.OnMove({10, 9}), DibListScroll::TopLine);  // back: the next line
  EXPECT_EQ(grid.TopLine(), 1);
  EXPECT_EQ(panning.OnMove({10, 20}), DibListScroll::TopLine);  // forward: the one before
  EXPECT_EQ(panning.OnMove({10, 40}), DibListScroll::None);     // not above the first
  EXPECT_EQ(grid.TopLine(), 0);

  grid.SetTopIndex(9);
  CPanning atTheEnd(grid, {10, 30});
  EXPECT_EQ(atTheEnd.OnMove({10, 5}), DibListScroll::None);
  EXPECT_EQ(grid.TopLine(), 8);
}
