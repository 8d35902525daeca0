#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>

#include "platform/core/geometry.h"
#include "platform/core/rounding.h"

TEST(Rect, RightAndBottomAreExclusive) {
  CRect r(10, 20, 30, 60);
  EXPECT_EQ(r.Width(), 20);
  EXPECT_EQ(r.Height(), 40);
  EXPECT_TRUE(r.PtInRect({10, 20}));
  EXPECT_FALSE(r.PtInRect({30, 20}));
  EXPECT_FALSE(r.PtInRect({10, 60}));
}

TEST(Rect, NormalizeSwapsReversedEdges) {
  CRect r(30, 60, 10, 20);
  EXPECT_TRUE(r.IsRectEmpty());
  r.NormalizeRect();
  EXPECT_EQ(r, CRect(10, 20, 30, 60));
}

TEST(Rect, IntersectionOfDisjointRectanglesIsEmptyAndFalse) {
  CRect r(1, 2, 3, 4);
  EXPECT_FALSE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(10, 0, 20, 10)));
  EXPECT_TRUE(r.IsRectNull());
  EXPECT_TRUE(r.IntersectRect(CRect(0, 0, 10, 10), CRect(5, -5, 20, 7)));
  EXPECT_EQ(r, CRect(5, 0, 10, 7));
}

TEST(Rect, UnionIgnoresEmptyOperands) {
  CRect r;
  EXPECT_TRUE(r.UnionRect(CRect(0, 0, 0, 0), CRect(5, 5, 8, 9)));
  EXPECT_EQ(r, CRect(5, 5, 8, 9));
  EXPECT_TRUE(r.UnionRect(CRect(-2, 1, 1, 3), CRect(5, 5, 8, 9)));
  EXPECT_EQ(r, CRect(-2, 1, 8, 9));
  EXPECT_FALSE(r.UnionRect(CRect(3, 3, 3, 9), CRect(1, 1, 0, 0)));
}

TEST(Rounding, HalvesGoAwayFromZeroWhileTruncationGoesToZero) {
  EXPECT_EQ(RoundHalfAwayFromZero(2.5), 3);
  EXPECT_EQ(RoundHalfAwayFromZero(-2.5), -3);
  EXPECT_EQ(RoundHalfAwayFromZero(-2.49), -2);
  EXPECT_EQ(TruncateToInt(-2.9), -2);
  EXPECT_EQ(TruncateToInt(2.9), 2);
}

TEST(Rounding, ValuesBeyondTheIntRangeSaturateAndNanGivesZero) {
  EXPECT_EQ(TruncateToInt(1e300), INT_MAX);
  EXPECT_EQ(TruncateToInt(-1e300), INT_MIN);
  EXPECT_EQ(TruncateToInt(2147483647.9), INT_MAX);
  EXPECT_EQ(TruncateToInt(-2147483648.9), INT_MIN);
  EXPECT_EQ(TruncateToInt(std::nan("")), 0);
  EXPECT_EQ(RoundHalfAwayFromZero(-std::numeric_limits<double>::infinity()), INT_MIN);
  EXPECT_EQ(RoundHalfAwayFromZero(2147483646.5), INT_MAX);
  EXPECT_EQ(RoundHalfAwayFromZero(std::nan("")), 0);
}
