#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <memory>

#include "app/tools/line_tracker.h"
#include "app/tools/quad_tracker.h"
#include "platform/core/raster_dc.h"

namespace {

constexpr COLORREF kBackground = RGB(40, 90, 140);
constexpr COLORREF kBlueOnBackground = RGB(40, 90, 140) ^ RGB(0, 0, 255);

bool SameRaster(const CRasterDC& a, const CRasterDC& b) {
  for (int y = 0; y < a.Height(); ++y)
    for (int x = 0; x < a.Width(); ++x)
      if (a.GetPixel(x, y) != b.GetPixel(x, y)) return false;
  return true;
}

// Trackers never own a cursor; a handle that points nowhere tells them apart.
HCURSOR FakeCursor(int tag) {
  static int tags[32];
  return HCURSOR(std::shared_ptr<int>(), reinterpret_cast<const QCursor*>(&tags[tag]));
}

struct Look {
  const char* name;
  std::function<void(CDC&)> draw;
};

class XorDrawing : public testing::TestWithParam<Look> {};

}  // namespace

// Drawn once the device changes; drawn again it is as it was, pen, brush and
// mode included.
TEST_P(XorDrawing, DrawnTwiceLeavesTheDeviceAsItWas) {
  CRasterDC dc(200, 160, kBackground);
  const CRasterDC untouched(200, 160, kBackground);
  const CPen pen{PS_SOLID, 1, RGB(1, 2, 3)};
  const CBrush brush = CBrush::Solid(RGB(4, 5, 6));
  dc.SelectPen(pen);
  dc.SelectBrush(brush);
  dc.MoveTo({7, 8});
  GetParam().draw(dc);
  EXPECT_FALSE(SameRaster(dc, untouched));
  GetParam().draw(dc);
  EXPECT_TRUE(SameRaster(dc, untouched));
  EXPECT_EQ(dc.SetROP2(R2_COPYPEN), R2_COPYPEN);
  EXPECT_EQ(dc.SetBkMode(TRANSPARENT), TRANSPARENT);
  EXPECT_EQ(dc.SelectPen(pen).color, pen.color);
  EXPECT_EQ(dc.SelectBrush(brush).color, brush.color);
  EXPECT_EQ(dc.MoveTo({0, 0}), CPoint(7, 8));
}

namespace {

CQuadTracker& TurnedFrame() {
  static CQuadTracker frame = [] {
    CQuadTracker f(true);
    f.SetRect(30.4, 20.5, 150, 110);
    f.SetRotation(std::sin(0.4), std::cos(0.4));
    return f;
  }();
  return frame;
}

CLineTracker& Line() {
  static CLineTracker line;
  line.SetPoints(20, 30, 170, 100);
  return line;
}

}  // namespace

INSTANTIATE_TEST_SUITE_P(
    Looks, XorDrawing,
    testing::Values(Look{"EditingFrame", [](CDC& dc) { TurnedFrame().Draw(dc, false); }},
                    Look{"PlainFrame", [](CDC& dc) { TurnedFrame().Draw(dc, true); }},
                    Look{"FrameInView", [](CDC& dc) { TurnedFrame().DrawInView(dc, 1.5, 20, 10, false); }},
                    Look{"Line", [](CDC& dc) { Line().Draw(dc); }},
                    Look{"LineInView", [](CDC& dc) { Line().DrawInView(dc, 0.75, -5, 3); }}),
    [](const testing::TestParamInfo<Look>& info) { return std::string(info.param.name); });

// The round handles are blue inside; the plain look has none, and the side
// handles only show on frames that have them.
TEST(TrackerDrawing, HandlesSitOnTheCornersAndOnTheSidesWhereShown) {
  for (bool midHandles : {false, true}) {
    CQuadTracker frame(midHandles);
    frame.SetRect(20, 20, 120, 80);
    CRasterDC dc(160, 120, kBackground);
    frame.Draw(dc, false);
    EXPECT_EQ(dc.GetPixel(22, 22), kBlueOnBackground);    // inside the handle of corner 0
    EXPECT_EQ(dc.GetPixel(117, 77), kBlueOnBackground);   // corner 2
    EXPECT_EQ(dc.GetPixel(72, 22), midHandles ? kBlueOnBackground : kBackground);  // top mid-point
    EXPECT_EQ(dc.GetPixel(60, 50), kBackground);
    // The dotted black outline shows through its gaps, every other pixel.
    EXPECT_NE(dc.GetPixel(50, 20) == kBackground, dc.GetPixel(51, 20) == kBackground);

    CRasterDC plain(160, 120, kBackground);
    frame.Draw(plain, true);
    EXPECT_EQ(plain.GetPixel(22, 22), kBackground);
    EXPECT_NE(plain.GetPixel(60, 20), kBackground);
  }
}

// The frame goes to (p - origin) * zoom, rounded; the line's points are
// truncated.
TEST(TrackerDrawing, InViewDrawsTheMappedCopy) {
  CQuadTracker frame(false);
  frame.SetRect(30, 25, 90, 65);
  CRasterDC inView(160, 120, kBackground);
  frame.DrawInView(inView, 1.5, 10, 5, false);
  CQuadTracker mapped(false);
  mapped.SetRect(30, 30, 120, 90);
  CRasterDC direct(160, 120, kBackground);
  mapped.Draw(direct, false);
  EXPECT_TRUE(SameRaster(inView, direct));

  CLineTracker line;
  line.SetPoints(15, 31, 99, 61);
  CRasterDC lineInView(160, 120, kBackground);
  line.DrawInView(lineInView, 0.5, 0, 0);
  CLineTracker truncated;
  truncated.SetPoints(7, 15, 49, 30);
  CRasterDC lineDirect(160, 120, kBackground);
  truncated.Draw(lineDirect);
  EXPECT_TRUE(SameRaster(lineInView, lineDirect));
}

// A 100 x 50 frame: its corner diagonals point down-right (class 2) and
// down-left (class 3), its side axes are vertical (0) and horizontal (1).
TEST(TrackerCursors, HandlesGetTheResizeCursorOfTheirAxisInsideTheMoveCursor) {
  CQuadTracker frame(true);
  frame.SetRect(10, 20, 110, 70);
  frame.SetCursors({}, {FakeCursor(0), FakeCursor(1), FakeCursor(2), FakeCursor(3)}, FakeCursor(4));
  struct Case {
    CPoint at;
    CTrackerCursor::Kind kind;
    int index;
  };
  for (const Case& c : {Case{{10, 20}, CTrackerCursor::Kind::resize, 2}, Case{{110, 70}, CTrackerCursor::Kind::resize, 2},
                        Case{{110, 20}, CTrackerCursor::Kind::resize, 3}, Case{{60, 20}, CTrackerCursor::Kind::resize, 0},
                        Case{{110, 45}, CTrackerCursor::Kind::resize, 1}, Case{{60, 40}, CTrackerCursor::Kind::move, -1},
                        Case{{300, 40}, CTrackerCursor::Kind::none, -1}}) {
    const CTrackerCursor cursor = frame.SetHandleCursor(c.at.x, c.at.y);
    EXPECT_EQ(cursor.kind, c.kind) << c.at.x << "," << c.at.y;
    EXPECT_EQ(cursor.index, c.index) << c.at.x << "," << c.at.y;
    EXPECT_EQ(cursor.IsSet(), c.kind != CTrackerCursor::Kind::none);
    EXPECT_EQ(cursor.cursor, c.index >= 0 ? FakeCursor(c.index) : c.kind == CTrackerCursor::Kind::move ? FakeCursor(4) : nullptr);
  }
  // Turned a quarter, the corner diagonals swap classes.
  frame.SetRotation(1, 0);
  EXPECT_EQ(frame.SetHandleCursor(static_cast<int>(frame.GetCorner(0).x), static_cast<int>(frame.GetCorner(0).y)).index, 3);

  // Without cursors the resize and move handles still set one (the arrow).
  CQuadTracker bare(false);
  bare.SetRect(10, 20, 110, 70);
  EXPECT_TRUE(bare.SetHandleCursor(10, 20).IsSet());
  EXPECT_EQ(bare.SetHandleCursor(10, 20).cursor, nullptr);
  EXPECT_TRUE(bare.SetHandleCursor(60, 40).IsSet());
}

TEST(TrackerCursors, AxisClassesSplitAtTwentyTwoAndAHalfDegrees) {
  EXPECT_EQ(CQuadTracker::AxisClass({5, 5}, {5, 5}), 0);
  EXPECT_EQ(CQuadTracker::AxisClass({0, 0}, {10, 4}), 1);   // 21.8 degrees from the horizontal
  EXPECT_EQ(CQuadTracker::AxisClass({0, 0}, {10, 5}), 2);   // 26.6
  EXPECT_EQ(CQuadTracker::AxisClass({10, 5}, {0, 0}), 2);   // an axis has no sense
  EXPECT_EQ(CQuadTracker::AxisClass({0, 0}, {-10, 5}), 3);
  EXPECT_EQ(CQuadTracker::AxisClass({0, 0}, {5, 10}), 2);   // 63.4
  EXPECT_EQ(CQuadTracker::AxisClass({0, 0}, {4, 10}), 0);   // 68.2: near vertical
}

// Octants run clockwise on screen from east; 10 by 4 is still east, 10 by 5
// already south-east.
TEST(TrackerCursors, RotationOctantFollowsTheDirectionFromTheCentre) {
  CQuadTracker frame(false);
  frame.SetRect(0, 0, 100, 100);
  std::array<HCURSOR, 8> rotate;
  for (int k = 0; k < 8; ++k) rotate[k] = FakeCursor(10 + k);
  frame.SetCursors(rotate, {}, nullptr);
  const CPoint directions[] = {{10, 0}, {10, 10}, {0, 10}, {-10, 10}, {-10, 0}, {-10, -10}, {0, -10}, {10, -10}};
  for (int k = 0; k < 8; ++k) {
    const CTrackerCursor cursor = frame.SetRotateCursor(50 + directions[k].x, 50 + directions[k].y);
    EXPECT_EQ(cursor.kind, CTrackerCursor::Kind::rotate);
    EXPECT_EQ(cursor.index, k);
    EXPECT_EQ(cursor.cursor, FakeCursor(10 + k));
  }
  EXPECT_EQ(frame.SetRotateCursor(60, 54).index, 0);
  EXPECT_EQ(frame.SetRotateCursor(60, 55).index, 1);
  EXPECT_EQ(frame.SetRotateCursor(60, 46).index, 0);
  EXPECT_EQ(frame.SetRotateCursor(60, 45).index, 7);
  EXPECT_FALSE(frame.SetRotateCursor(50, 50).IsSet());  // the centre has no direction

  CQuadTracker bare(false);
  bare.SetRect(0, 0, 100, 100);
  EXPECT_FALSE(bare.SetRotateCursor(90, 50).IsSet());  // no rotation cursor: nothing is set
}

TEST(TrackerCursors, LineShowsItsEndPointCursorOverEitherPoint) {
  CLineTracker line;
  line.SetPoints(10, 10, 50, 10);
  line.SetEndPointCursor(FakeCursor(20));
  EXPECT_EQ(line.SetPointCursor(12, 12).index, 0);
  EXPECT_EQ(line.SetPointCursor(50, 16).index, 1);
  EXPECT_EQ(line.SetPointCursor(50, 16).cursor, FakeCursor(20));
  EXPECT_FALSE(line.SetPointCursor(30, 10).IsSet());
}
