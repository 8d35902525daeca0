#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <numbers>

#include "app/tools/quad_tracker.h"
#include "platform/core/resource_module.h"

namespace {

constexpr double kTolerance = 1e-9;

void ExpectNear(CDoublePoint actual, CDoublePoint expected, const char* what) {
  EXPECT_NEAR(actual.x, expected.x, kTolerance) << what;
  EXPECT_NEAR(actual.y, expected.y, kTolerance) << what;
}

// Corners are the base rectangle's corners turned about the centre, the
// centre is the base rectangle's centre, and mid-points average their corners.
// The turn here is the stored one, unsnapped, so callers use angles away from
// the snapping range.
void ExpectFrameInvariant(const CQuadTracker& tracker) {
  const CDoubleRect& r = tracker.GetBaseRect();
  const CDoublePoint centre{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  ExpectNear(tracker.GetCentre(), centre, "centre");
  const CDoublePoint rectCorners[4] = {{r.left, r.top}, {r.right, r.top}, {r.right, r.bottom}, {r.left, r.bottom}};
  const double c = tracker.GetCosine();
  const double s = tracker.GetSine();
  for (int k = 0; k < 4; ++k) {
    const double dx = rectCorners[k].x - centre.x;
    const double dy = rectCorners[k].y - centre.y;
    ExpectNear(tracker.GetCorner(k), {centre.x + dx * c - dy * s, centre.y + dx * s + dy * c}, "corner");
    const CDoublePoint a = tracker.GetCorner(k);
    const CDoublePoint b = tracker.GetCorner((k + 1) % 4);
    EXPECT_EQ(tracker.GetMidPoint(k), CDoublePoint((a.x + b.x) / 2, (a.y + b.y) / 2)) << "mid-point " << k;
  }
}

bool IsWhole(double value) { return value == std::round(value); }

}  // namespace

class FrameInvariant : public testing::TestWithParam<double> {};

TEST_P(FrameInvariant, HoldsAfterEveryCompletedOperation) {
  const double angle = GetParam() * std::numbers::pi / 180;
  CQuadTracker tracker(true);
  tracker.SetRect(10.5, 20, 110, 70.25);
  ExpectFrameInvariant(tracker);

  tracker.SetRotation(std::sin(angle), std::cos(angle));
  EXPECT_EQ(tracker.GetSine(), std::sin(angle));
  ExpectFrameInvariant(tracker);

  tracker.Translate(3.5, -2);
  tracker.RecomputeCentre();
  ExpectFrameInvariant(tracker);
  EXPECT_NEAR(tracker.GetBaseRect().left, 7, kTolerance);
  EXPECT_NEAR(tracker.GetBaseRect().bottom, 72.25, kTolerance);

  const CQuadTracker copy(tracker);
  ExpectFrameInvariant(copy);

  CQuadTracker sameTurn(false);
  sameTurn.SetRotation(std::sin(angle), std::cos(angle));
  sameTurn.CopyGeometry(tracker);
  ExpectFrameInvariant(sameTurn);

  tracker.SetRect(0, 0, 40, 30);
  tracker.SetRotation(tracker.GetSine(), tracker.GetCosine());
  ExpectFrameInvariant(tracker);
}

INSTANTIATE_TEST_SUITE_P(Angles, FrameInvariant, testing::Values(0.0, 30.0, 135.0, 200.0, -60.0));

TEST(QuadTracker, NearlyUnturnedRotationPlacesCornersUnturnedButKeepsItsValues) {
  CQuadTracker tracker(false);
  tracker.SetRect(10, 20, 110, 70);
  tracker.SetRotation(0.005, 0.9999);
  EXPECT_EQ(tracker.GetCorner(0), CDoublePoint(10, 20));
  EXPECT_EQ(tracker.GetCorner(2), CDoublePoint(110, 70));
  EXPECT_EQ(tracker.GetMidPoint(1), CDoublePoint(110, 45));
  EXPECT_EQ(tracker.GetSine(), 0.005);
  EXPECT_EQ(tracker.GetCosine(), 0.9999);
}

TEST(QuadTracker, RotatePointSnapsOnlyStrictlyBeyondTheThresholds) {
  // Turning (1, 0) gives (cosine, sine) as the rotation uses them.
  struct Case { double value, used; };
  for (Case c : {Case{0.0079999, 0.0}, {0.008, 0.008}, {-0.0079999, 0.0}, {-0.008, -0.008}, {0.992, 0.992},
                 {0.9920001, 1.0}, {-0.992, -0.992}, {-0.9920001, -1.0}, {0.5, 0.5}}) {
    EXPECT_EQ(CQuadTracker::RotatePoint({1, 0}, c.value, 0.5).y, c.used) << c.value;
    EXPECT_EQ(CQuadTracker::RotatePoint({1, 0}, 0.5, c.value).x, c.used) << c.value;
  }
}

TEST(QuadTracker, QuarterTurnsLandCornersOnWholePositions) {
  // cos(pi/2) is 6e-17 in doubles; the snap makes it 0, so a 101 x 51 frame
  // turned a quarter lands exactly on whole positions.
  const double pi = std::numbers::pi;
  const double a = pi / 6;  // 30 and 60 degrees added
  const double b = pi / 3;
  struct Turn { double sine, cosine; };
  for (Turn turn : {Turn{std::sin(pi / 2), std::cos(pi / 2)}, {std::sin(pi), std::cos(pi)},
                    {std::sin(-pi / 2), std::cos(-pi / 2)},
                    // two turns added, as a rotation drag adds angles
                    {std::sin(a) * std::cos(b) + std::cos(a) * std::sin(b),
                     std::cos(a) * std::cos(b) - std::sin(a) * std::sin(b)}}) {
    CQuadTracker tracker(true);
    tracker.SetRect(0, 0, 101, 51);
    tracker.SetRotation(turn.sine, turn.cosine);
    for (int k = 0; k < 4; ++k) {
      EXPECT_TRUE(IsWhole(tracker.GetCorner(k).x) && IsWhole(tracker.GetCorner(k).y))
          << "corner " << k << " at " << tracker.GetCorner(k).x << ", " << tracker.GetCorner(k).y;
    }
    EXPECT_EQ(tracker.GetSize(), CSize(101, 51));
  }
  CQuadTracker tracker(true);
  tracker.SetRect(0, 0, 101, 51);
  tracker.SetRotation(1.0, std::cos(pi / 2));
  EXPECT_EQ(tracker.GetCorner(0), CDoublePoint(76, -25));
  EXPECT_EQ(tracker.GetCorner(2), CDoublePoint(25, 76));
  EXPECT_EQ(tracker.GetBoundingRect(), CRect(25, -25, 76, 76));
}

TEST(QuadTracker, TranslateLeavesTheCentreForTheCallerToRecompute) {
  CQuadTracker tracker(true);
  tracker.SetRect(0, 0, 100, 50);
  tracker.Translate(10, -4);
  EXPECT_EQ(tracker.GetBaseRect(), (CDoubleRect{-10, 4, 90, 54}));
  EXPECT_EQ(tracker.GetCorner(2), CDoublePoint(90, 54));
  EXPECT_EQ(tracker.GetMidPoint(3), CDoublePoint(-10, 29));
  EXPECT_EQ(tracker.GetCentre(), CDoublePoint(50, 25));

  // Turning now pivots on the centre left behind; SetRotation would use (40, 29).
  tracker.SetRotationKeepCentre(1, 0);
  EXPECT_EQ(tracker.GetCentre(), CDoublePoint(50, 25));
  EXPECT_EQ(tracker.GetCorner(0), CDoublePoint(71, -35));
  tracker.SetRotation(1, 0);
  EXPECT_EQ(tracker.GetCentre(), CDoublePoint(40, 29));
  EXPECT_EQ(tracker.GetCorner(0), CDoublePoint(65, -21));
}

TEST(QuadTracker, HandlesHitUpToSixUnitsAndCornersComeBeforeMidPoints) {
  CQuadTracker tracker(true);
  tracker.SetRect(0, 0, 100, 100);
  EXPECT_EQ(tracker.HitTest(6, 0), 0);
  EXPECT_EQ(tracker.HitTest(100, 106), 2);
  EXPECT_EQ(tracker.HitTest(50, 6), 4);
  EXPECT_EQ(tracker.HitTest(0, 56), 7);

  tracker.SetRect(-0.01, 0, 100, 100);  // corner 0 now 6.01 from (6, 0)
  EXPECT_EQ(tracker.HitTest(6, 0), CQuadTracker::kHitInside);
  tracker.SetRect(0, 0, 100, 100.01);
  EXPECT_EQ(tracker.HitTest(50, 94), CQuadTracker::kHitInside);

  // On a small frame a point nearer the mid-point still takes the corner.
  tracker.SetRect(0, 0, 8, 8);
  EXPECT_EQ(tracker.HitTest(3, 0), 0);
  EXPECT_EQ(tracker.HitTest(4, 0), 0);  // as near corner 1: the first wins

  CQuadTracker noMidHandles(false);
  noMidHandles.SetRect(0, 0, 100, 100);
  EXPECT_EQ(noMidHandles.HitTest(50, 2), CQuadTracker::kHitInside);
  EXPECT_EQ(noMidHandles.HitTest(50, 102), CQuadTracker::kHitNothing);
}

TEST(QuadTracker, OutlineIsTheCornersRoundedHalfAwayFromZero) {
  CQuadTracker tracker(false);
  tracker.SetRect(0.5, 0, 20.49, 20);  // rounds to 1 .. 20
  EXPECT_FALSE(tracker.ContainsPoint(0, 10));
  EXPECT_TRUE(tracker.ContainsPoint(1, 10));
  EXPECT_TRUE(tracker.ContainsPoint(19, 10));
  EXPECT_FALSE(tracker.ContainsPoint(20, 10));
  EXPECT_EQ(tracker.GetBoundingRect(), CRect(1, 0, 20, 20));

  tracker.SetRect(-10.5, -10.5, -0.5, 2.5);
  EXPECT_EQ(tracker.GetBoundingRect(), CRect(-11, -11, -1, 3));
  EXPECT_EQ(tracker.GetTopLeft(), CPoint(-11, -11));

  // A frame turned 45 degrees leaves the corners of its box outside.
  tracker.SetRect(0, 0, 40, 40);
  tracker.SetRotation(std::sqrt(0.5), std::sqrt(0.5));
  EXPECT_EQ(tracker.HitTest(20, 20), CQuadTracker::kHitInside);
  EXPECT_EQ(tracker.HitTest(-1, 1), CQuadTracker::kHitNothing);
  EXPECT_TRUE(tracker.ContainsPoint(20, -7));
  EXPECT_FALSE(tracker.ContainsPoint(28, -1));
}

TEST(QuadTracker, SizeIsTheLengthOfTheTopAndRightSides) {
  CQuadTracker tracker(false);
  tracker.SetRect(0, 0, 100.5, 40.4);
  EXPECT_EQ(tracker.GetSize(), CSize(101, 40));
  EXPECT_EQ(tracker.GetSizeExact(), (CDoubleSize{100.5, 40.4}));
  tracker.SetRotation(std::sin(1.0), std::cos(1.0));
  EXPECT_EQ(tracker.GetSize(), CSize(101, 40));
  EXPECT_NEAR(tracker.GetSizeExact().cx, 100.5, kTolerance);
  EXPECT_NEAR(tracker.GetSizeExact().cy, 40.4, kTolerance);
}

TEST(QuadTracker, ClientPointsTruncateTowardZeroBeforeTheOriginIsAdded) {
  CQuadTracker tracker(false);
  EXPECT_EQ(tracker.MapClientPoint(7, -7), CPoint(7, -7));
  tracker.SetViewMapping(100, 50, 2.0);
  EXPECT_EQ(tracker.MapClientPoint(7, -7), CPoint(103, 47));
  tracker.SetViewMapping(-100, 50, 0.5);
  EXPECT_EQ(tracker.MapClientPoint(7, -7), CPoint(-86, 36));
  tracker.SetViewMapping(1, 1, 0.0);  // nonsense zoom saturates rather than overflowing
  EXPECT_EQ(tracker.MapClientPoint(7, -7), CPoint(INT_MAX, INT_MIN));
}

TEST(QuadTracker, CopyTakesGeometryMappingFlagAndNamesButNoUndoSteps) {
  CQuadTracker original(true, 61755, 61755, 61755, 61755);
  original.SetRect(1, 2, 30, 40);
  original.SetRotation(0.6, 0.8);
  original.SetViewMapping(5, 6, 1.5);
  original.PushUndo("Move");

  const CQuadTracker copy(original);
  EXPECT_TRUE(copy.ShowsMidHandles());
  EXPECT_EQ(copy.GetBaseRect(), original.GetBaseRect());
  EXPECT_EQ(copy.GetCorner(3), original.GetCorner(3));
  EXPECT_EQ(copy.GetSine(), 0.6);
  EXPECT_EQ(copy.GetViewMapping().zoom, 1.5);
  EXPECT_EQ(copy.GetMoveNameId(), 61755u);
  EXPECT_FALSE(copy.CanUndo());

  // CopyGeometry takes the shape but not the turn.
  CQuadTracker target(false);
  target.CopyGeometry(original);
  EXPECT_EQ(target.GetCorner(1), original.GetCorner(1));
  EXPECT_EQ(target.GetMidPoint(2), original.GetMidPoint(2));
  EXPECT_EQ(target.GetCentre(), original.GetCentre());
  EXPECT_EQ(target.GetSine(), 0.0);
  EXPECT_EQ(target.GetCosine(), 1.0);
}

TEST(QuadTracker, StepNamesComeFromTheStringTable) {
  CMemoryResourceModule strings;
  strings.AddString(61449, "Rotate");
  CResourceModuleSwitch use(&strings);
  CQuadTracker tracker(true);
  EXPECT_FALSE(tracker.CanUndo());
  tracker.PushUndoById(tracker.GetRotateNameId());
  EXPECT_TRUE(tracker.CanUndo());
  EXPECT_EQ(tracker.GetUndoName(), "Rotate");
}
