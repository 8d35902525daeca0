// The page arithmetic: the grid for n pictures on wide and tall paper, the
// pictures' places (margin, scaling, centring, the last row centred) and
// the sign's font height.
#include <gtest/gtest.h>

#include "app/shell/printing/print_grid.h"
#include "app/shell/printing/print_layout.h"
#include "app/shell/printing/sign_properties.h"

namespace {

struct GridCase {
  int pictures;
  int larger;
  int smaller;
};

class PrintGridFor : public ::testing::TestWithParam<GridCase> {};

TEST_P(PrintGridFor, TheLargerNumberRunsAlongTheLongerSide) {
  const GridCase c = GetParam();
  const PrintGrid wide = GridForPictures(c.pictures, true);
  EXPECT_EQ(wide.columns, c.larger);
  EXPECT_EQ(wide.rows, c.smaller);
  const PrintGrid tall = GridForPictures(c.pictures, false);
  EXPECT_EQ(tall.columns, c.smaller);
  EXPECT_EQ(tall.rows, c.larger);
}

INSTANTIATE_TEST_SUITE_P(Counts, PrintGridFor,
                         ::testing::Values(GridCase{0, 1, 1}, GridCase{1, 1, 1}, GridCase{2, 2, 1},
                                           GridCase{3, 2, 2}, GridCase{5, 3, 2}, GridCase{6, 3, 2},
                                           GridCase{7, 3, 3}, GridCase{10, 4, 3}, GridCase{17, 5, 4},
                                           GridCase{240, 16, 15}, GridCase{241, 16, 16}, GridCase{256, 16, 16},
                                           GridCase{1000, 16, 16}, GridCase{-3, 1, 1}));

TEST(PrintLayout, OnePictureFillsThePaperLessTheMarginKeepingItsShape) {
  const std::vector<CRect> places = LayoutPrintPictures({CSize(200, 100)}, CRect(0, 0, 1010, 810), true);
  // Inner area 1000 x 800; the width decides: scale 0.2, 1000 x 500.
  EXPECT_EQ(places[0], CRect(5, 155, 1005, 655));
}

TEST(PrintLayout, FivePicturesSitThreeAndTwoWithTheLastRowCentred) {
  const std::vector<CSize> sizes(5, CSize(90, 90));
  const std::vector<CRect> places = LayoutPrintPictures(sizes, CRect(0, 0, 300, 200), true);
  // Cells 100 x 100, inner 90 x 90 at (5, 5) of each cell.
  EXPECT_EQ(places[0], CRect(5, 5, 95, 95));
  EXPECT_EQ(places[2], CRect(205, 5, 295, 95));
  EXPECT_EQ(places[3], CRect(55, 105, 145, 195)) << "shifted by half a cell";
  EXPECT_EQ(places[4], CRect(155, 105, 245, 195));
}

TEST(PrintLayout, ScalesToTheTighterSideRoundsAndCentresWithinTheArea) {
  // A tall picture on a tall page offset from the origin: one cell 310 x 410,
  // inner 300 x 400; scale max(3/300, 7/400) = 0.0175; 171.43 -> 171, 400.
  const std::vector<CRect> places = LayoutPrintPictures({CSize(3, 7)}, CRect(20, 30, 330, 440), false);
  EXPECT_EQ(places[0], CRect(20 + 5 + 64, 35, 20 + 5 + 64 + 171, 435));
}

TEST(PrintLayout, DegeneratePicturesAndTinyPaperGetNoPlace) {
  std::vector<CRect> places = LayoutPrintPictures({CSize(0, 10), CSize(10, 10)}, CRect(0, 0, 400, 200), true);
  EXPECT_TRUE(places[0].IsRectEmpty());
  EXPECT_FALSE(places[1].IsRectEmpty());
  places = LayoutPrintPictures({CSize(10, 10)}, CRect(0, 0, 8, 8), true);
  EXPECT_TRUE(places[0].IsRectEmpty());
  places = LayoutPrintPictures(std::vector<CSize>(300, CSize(4, 4)), CRect(0, 0, 3200, 3200), true);
  EXPECT_FALSE(places[255].IsRectEmpty());
  EXPECT_TRUE(places[256].IsRectEmpty()) << "past the largest grid";
}

TEST(SignFont, HeightFollowsSizeResolutionAndZoom) {
  EXPECT_EQ(SignFontHeight(10, 600, 1.0), 83);  // 10 x 10 x 600 / 720 = 83.33
  EXPECT_EQ(SignFontHeight(12, 72, 1.0), 12);
  EXPECT_EQ(SignFontHeight(10, 600, 2.0), 41);  // 30000 / 720 = 41.67
  EXPECT_EQ(SignFontHeight(10, 600, 0.0), 0);
  EXPECT_EQ(SignFontHeight(1000000, 1000000, 1.0), 0) << "no overflow";
}

}  // namespace
