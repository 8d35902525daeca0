#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <numbers>

#include "app/tools/tracker_drags.h"
#include "platform/core/resource_module.h"
#include "platform/core/virtual_keys.h"

namespace {

constexpr double kTolerance = 1e-9;

class TrackerDrag : public testing::Test {
 protected:
  TrackerDrag() {
    m_strings.AddString(kResizeStepNameId, "Resize");
    m_strings.AddString(kMoveStepNameId, "Move");
    m_strings.AddString(kRotateStepNameId, "Rotate");
    m_strings.AddString(kChangePointsStepNameId, "Change Points");
  }

  // Press, moves, release, as the drag loop feeds them.
  static bool Drag(CTrackerDrag& drag, CPoint press, std::initializer_list<CPoint> moves) {
    if (!drag.Begin(press)) return false;
    for (CPoint point : moves) drag.Move(point);
    return drag.End();
  }

  static bool DragQuad(CQuadTracker& tracker, CPoint press, std::initializer_list<CPoint> moves) {
    std::unique_ptr<CQuadDrag> drag = MakeQuadDrag(tracker, tracker.HitTest(press.x, press.y));
    return Drag(*drag, press, moves);
  }

  CMemoryResourceModule m_strings;
  CResourceModuleSwitch m_use{&m_strings};
};

void ExpectNear(CDoublePoint actual, CDoublePoint expected, const char* what) {
  EXPECT_NEAR(actual.x, expected.x, kTolerance) << what;
  EXPECT_NEAR(actual.y, expected.y, kTolerance) << what;
}

double Distance(CDoublePoint a, CDoublePoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

bool IsWhole(double value) { return value == std::round(value); }

// The drags a press starts on a 100 x 50 frame at (10, 20), with the moves
// that leave it as it was: none, back onto the press point, or a wobble of
// the pointer too small to turn the frame.
struct StillDrag {
  const char* name;
  CPoint press;
  std::vector<CPoint> moves;
};

class StillDrags : public TrackerDrag, public testing::WithParamInterface<StillDrag> {};

}  // namespace

TEST_P(StillDrags, PushNothingAndReportNoChange) {
  CQuadTracker tracker(true);
  tracker.SetRect(10, 20, 110, 70);
  const CQuadTracker::Geometry before = tracker.GetGeometry();
  std::unique_ptr<CQuadDrag> drag = MakeQuadDrag(tracker, tracker.HitTest(GetParam().press.x, GetParam().press.y));
  ASSERT_TRUE(drag->Begin(GetParam().press));
  for (CPoint point : GetParam().moves) EXPECT_FALSE(drag->Move(point));
  EXPECT_FALSE(drag->End());
  EXPECT_FALSE(tracker.CanUndo());
  EXPECT_EQ(tracker.GetGeometry(), before);
}

INSTANTIATE_TEST_SUITE_P(
    Drags, StillDrags,
    testing::Values(StillDrag{"Move", {50, 40}, {}}, StillDrag{"MoveBack", {50, 40}, {{50, 40}}},
                    StillDrag{"Corner", {110, 70}, {{110, 70}}}, StillDrag{"Side", {110, 45}, {{110, 45}}},
                    // 1/200 of a radian around the centre (60, 45): below the 0.01 threshold.
                    StillDrag{"RotateWobble", {260, 45}, {{260, 46}, {260, 44}}}),
    [](const testing::TestParamInfo<StillDrag>& info) { return std::string(info.param.name); });

TEST_F(TrackerDrag, EachFrameDragPushesOneStepNamedForItThatUndoesTheWholeDrag) {
  struct Case {
    CPoint press;
    std::initializer_list<CPoint> moves;
    const char* name;
  };
  for (const Case& c : {Case{{50, 40}, {{51, 40}, {60, 47}, {70, 50}}, "Move"},
                        Case{{110, 70}, {{120, 80}, {130, 85}}, "Resize"},
                        Case{{60, 20}, {{60, 10}, {60, 0}}, "Resize"},
                        Case{{200, 45}, {{200, 100}, {150, 150}}, "Rotate"}}) {
    CQuadTracker tracker(true);
    tracker.SetRect(10, 20, 110, 70);
    const CQuadTracker::Geometry before = tracker.GetGeometry();
    EXPECT_TRUE(DragQuad(tracker, c.press, c.moves)) << c.name;
    EXPECT_EQ(tracker.GetHistory().UndoCount(), 1u) << c.name;
    EXPECT_EQ(tracker.GetUndoName(), c.name);
    EXPECT_NE(tracker.GetGeometry(), before) << c.name;
    tracker.Undo();
    EXPECT_EQ(tracker.GetGeometry(), before) << c.name;
  }
}

// The line drag names its step at the press, before anything moves.
TEST_F(TrackerDrag, LinePressPushesChangePointsAtOncePressElsewhereNothing) {
  CLineTracker line;
  line.SetPoints(10, 10, 100, 40);
  CLinePointDrag missed(line);
  EXPECT_FALSE(missed.Begin({50, 25}));
  EXPECT_FALSE(missed.End());
  EXPECT_FALSE(line.CanUndo());

  CLinePointDrag still(line);
  EXPECT_TRUE(Drag(still, {98, 42}, {}));
  EXPECT_EQ(line.GetUndoName(), "Change Points");
  EXPECT_EQ(line.GetPoint1(), CPoint(100, 40));

  CLinePointDrag moved(line);
  EXPECT_TRUE(Drag(moved, {12, 9}, {{20, 30}, {25, 35}}));
  EXPECT_EQ(line.GetPoint0(), CPoint(25, 35));
  EXPECT_EQ(line.GetHistory().UndoCount(), 2u);
  line.Undo();
  EXPECT_EQ(line.GetPoint0(), CPoint(10, 10));
}

TEST_F(TrackerDrag, ThirtyFirstChangeDropsTheOldestStepAndANewChangeEmptiesRedo) {
  CQuadTracker tracker(false);
  tracker.SetRect(0, 0, 100, 100);
  for (int k = 0; k < 31; ++k) DragQuad(tracker, {50 + k, 50}, {{51 + k, 50}});
  EXPECT_EQ(tracker.GetBaseRect().left, 31);
  EXPECT_EQ(tracker.GetHistory().UndoCount(), kMaxUndoSteps);
  while (tracker.CanUndo()) tracker.Undo();
  EXPECT_EQ(tracker.GetBaseRect().left, 1);  // the first move can no longer be undone
  EXPECT_EQ(tracker.GetHistory().RedoCount(), kMaxUndoSteps);
  DragQuad(tracker, {50, 50}, {{50, 60}});
  EXPECT_FALSE(tracker.CanRedo());
}

// The pointer sweeps a quarter turn around the centre (60, 45) in steps;
// the last point is the press direction (100, 35) turned by exactly 90
// degrees. The deltas are not exact in doubles; the snapping of the turned
// positions makes the corners whole anyway.
TEST_F(TrackerDrag, QuarterTurnAddsNinetyDegreesToTheRotationItHad) {
  const std::initializer_list<CPoint> sweep = {{138, 112}, {109, 141}, {25, 145}};
  CQuadTracker tracker(true);
  tracker.SetRect(10, 20, 110, 70);
  EXPECT_TRUE(DragQuad(tracker, {160, 80}, sweep));
  EXPECT_NEAR(tracker.GetSine(), 1, kTolerance);
  EXPECT_NEAR(tracker.GetCosine(), 0, kTolerance);
  for (int k = 0; k < 4; ++k) {
    EXPECT_TRUE(IsWhole(tracker.GetCorner(k).x) && IsWhole(tracker.GetCorner(k).y)) << k;
    const CDoublePoint a = tracker.GetCorner(k), b = tracker.GetCorner((k + 1) % 4);
    EXPECT_TRUE(a.x == b.x || a.y == b.y) << k;
  }
  ExpectNear(tracker.GetCorner(0), {85, -5}, "top-left turned to the top right");

  CQuadTracker turned(true);
  turned.SetRect(10, 20, 110, 70);
  turned.SetRotation(0.5, std::sqrt(3.0) / 2);
  EXPECT_TRUE(DragQuad(turned, {160, 80}, sweep));
  EXPECT_NEAR(turned.GetSine(), std::sin(120 * std::numbers::pi / 180), kTolerance);
  EXPECT_NEAR(turned.GetCosine(), -0.5, kTolerance);
}

// Corner 2 goes to the foot of the perpendicular from the pointer on the
// diagonal y = x / 2 + 15: from (150, 130) that is (166, 98).
TEST_F(TrackerDrag, CornerDragKeepsTheOppositeCornerAndTheProportions) {
  CQuadTracker tracker(false);
  tracker.SetRect(10, 20, 110, 70);
  EXPECT_TRUE(DragQuad(tracker, {110, 70}, {{130, 100}, {150, 130}}));
  EXPECT_EQ(tracker.GetBaseRect(), (CDoubleRect{10, 20, 166, 98}));
  EXPECT_EQ(tracker.GetCorner(3), CDoublePoint(10, 98));

  CQuadTracker turned(false);
  turned.SetRect(10, 20, 110, 70);
  turned.SetRotation(std::sin(0.5), std::cos(0.5));
  const CDoublePoint opposite = turned.GetCorner(3);
  const CDoublePoint dragged = turned.GetCorner(1);
  EXPECT_TRUE(DragQuad(turned, {static_cast<int>(dragged.x), static_cast<int>(dragged.y)},
                       {{static_cast<int>(dragged.x) + 30, static_cast<int>(dragged.y) - 7}}));
  ExpectNear(turned.GetCorner(3), opposite, "opposite corner");
  const CDoubleSize size = turned.GetSizeExact();
  EXPECT_NEAR(size.cx / size.cy, 2, kTolerance);
  EXPECT_GT(size.cx, 100);
  EXPECT_EQ(turned.GetSine(), std::sin(0.5));
  // A rectangle again: the base rectangle turned gives the corners.
  const CDoubleRect& r = turned.GetBaseRect();
  EXPECT_NEAR(r.right - r.left, size.cx, 1e-6);
  EXPECT_NEAR(r.bottom - r.top, size.cy, 1e-6);
}

TEST_F(TrackerDrag, SideDragChangesOneDimensionOnly) {
  CQuadTracker tracker(true);
  tracker.SetRect(10, 20, 110, 70);
  EXPECT_TRUE(DragQuad(tracker, {110, 45}, {{140, 90}}));  // right side: only x counts
  EXPECT_EQ(tracker.GetBaseRect(), (CDoubleRect{10, 20, 140, 70}));
  EXPECT_TRUE(DragQuad(tracker, {75, 70}, {{500, 100}}));  // bottom side: only y counts
  EXPECT_EQ(tracker.GetBaseRect(), (CDoubleRect{10, 20, 140, 100}));

  CQuadTracker turned(true);
  turned.SetRect(10, 20, 110, 70);
  turned.SetRotation(std::sin(0.3), std::cos(0.3));
  const CDoublePoint top = turned.GetMidPoint(0);
  EXPECT_TRUE(DragQuad(turned, {static_cast<int>(top.x), static_cast<int>(top.y)}, {{40, -40}}));
  const CDoubleSize size = turned.GetSizeExact();
  EXPECT_NEAR(size.cx, 100, 1e-6);
  EXPECT_GT(size.cy, 50);
  EXPECT_NEAR(turned.GetBaseRect().bottom - turned.GetBaseRect().top, size.cy, 1e-6);
}

// A square turned by 45 degrees has a vertical diagonal, which has no slope
// to take; the corner drag then uses the vertical line through the middle.
TEST_F(TrackerDrag, CornerDragOfASquareTurnedByFortyFiveDegreesStaysASquare) {
  CQuadTracker tracker(false);
  tracker.SetRect(0, 0, 100, 100);
  tracker.SetRotation(std::sqrt(0.5), std::sqrt(0.5));
  const CDoublePoint fixed = tracker.GetCorner(3);
  EXPECT_TRUE(DragQuad(tracker, {120, 50}, {{141, 50}}));
  ExpectNear(tracker.GetCorner(3), fixed, "opposite corner");
  const CDoubleSize size = tracker.GetSizeExact();
  EXPECT_NEAR(size.cx, size.cy, 1e-6);
  EXPECT_NEAR(size.cx, (141 - fixed.x) / std::sqrt(2.0), 1e-6);
}

namespace {

// The view under a move drag: the pointer in window pixels, mapped to the
// document on every move, as the window reports it.
class PointerInView : public CDragPointer {
 public:
  PointerInView(CTrackerDrag& drag, CPoint window) : m_drag(drag), m_window(window) {}
  void MovePointerBy(int dx, int dy) override {
    m_window = {m_window.x + dx, m_window.y + dy};
    m_drag.Move(m_drag.MapClientPoint(m_window));
  }

 private:
  CTrackerDrag& m_drag;
  CPoint m_window;
};

}  // namespace

TEST_F(TrackerDrag, ArrowKeysMoveTheFrameByOneWindowPixelInDocumentUnits) {
  struct Case {
    double zoom;
    int presses;  // of each arrow
    CDoublePoint expected;
  };
  for (const Case& c : {Case{1.0, 1, {1, -1}}, Case{0.5, 1, {2, -2}}, Case{0.5, 3, {6, -6}}, Case{2.0, 2, {1, -1}}}) {
    CQuadTracker tracker(false);
    tracker.SetRect(0, 0, 400, 400);
    tracker.SetViewMapping(0, 0, c.zoom);
    CQuadDragMove drag(tracker);
    const CPoint window{40, 40};
    ASSERT_TRUE(drag.Begin(drag.MapClientPoint(window)));
    PointerInView pointer(drag, window);
    drag.Key('A', pointer);  // any other key puts the pointer back where it is
    EXPECT_FALSE(tracker.CanUndo());
    for (int k = 0; k < c.presses; ++k) {
      drag.Key(VK_RIGHT, pointer);
      drag.Key(VK_UP, pointer);
    }
    EXPECT_TRUE(drag.End());
    EXPECT_EQ(tracker.GetBaseRect().left, c.expected.x) << c.zoom;
    EXPECT_EQ(tracker.GetBaseRect().top, c.expected.y) << c.zoom;
    EXPECT_EQ(tracker.GetHistory().UndoCount(), 1u);
  }
}

// A corner dropped on its opposite corner, a side on the other side: the
// frame keeps a unit on its shorter side, so its image scale
// stays finite.
TEST_F(TrackerDrag, FramesKeepAtLeastOneUnitOfWidthAndHeight) {
  struct Case {
    double angle;
    int hit;
  };
  for (const Case& c : {Case{0, 2}, Case{0, 5}, Case{0, 6}, Case{0.4, 2}, Case{0.4, 7}}) {
    CQuadTracker tracker(true);
    tracker.SetRect(10, 20, 110, 70);
    tracker.SetRotation(std::sin(c.angle), std::cos(c.angle));
    const CDoublePoint handle = c.hit < 4 ? tracker.GetCorner(c.hit) : tracker.GetMidPoint(c.hit - 4);
    const CDoublePoint target = c.hit < 4 ? tracker.GetCorner((c.hit + 2) % 4) : tracker.GetMidPoint((c.hit - 2) % 4);
    const CPoint press{static_cast<int>(std::lround(handle.x)), static_cast<int>(std::lround(handle.y))};
    const CPoint onto{static_cast<int>(std::lround(target.x)), static_cast<int>(std::lround(target.y))};
    std::unique_ptr<CQuadDrag> drag = MakeQuadDrag(tracker, c.hit);
    EXPECT_TRUE(Drag(*drag, press, {onto}));
    const CDoubleSize size = tracker.GetSizeExact();
    EXPECT_GE(size.cx, 1 - 1e-9) << c.angle << " " << c.hit;
    EXPECT_GE(size.cy, 1 - 1e-9) << c.angle << " " << c.hit;
    const CSize rounded = tracker.GetSize();
    EXPECT_GT(rounded.cx, 0);
    EXPECT_GT(rounded.cy, 0);
    const CPoint centre = tracker.MapToImage(tracker.GetCentre().x, tracker.GetCentre().y, CSize(100, 50));
    EXPECT_LT(std::abs(centre.x), 1000) << c.angle << " " << c.hit;
    EXPECT_LT(std::abs(centre.y), 1000) << c.angle << " " << c.hit;
  }
}
