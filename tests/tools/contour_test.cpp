// The contour's keys, actions and drags, fed with document points through a
// scripted drag runner.
#include <gtest/gtest.h>

#include <functional>

#include "app/tools/deform_contour.h"
#include "app/tools/selection_contour.h"
#include "platform/core/raster_dc.h"
#include "platform/core/virtual_keys.h"

namespace {

// Plays a drag: the press, then the moves, keys in between where given.
class CScriptedRunner : public CContourDragRunner {
 public:
  std::vector<CPoint> moves;
  std::function<void(CContourDrag&, std::size_t)> beforeMove;
  int runs = 0;
  bool Run(CContourDrag& drag, CPoint press) override {
    ++runs;
    drag.Begin(press);
    for (std::size_t i = 0; i < moves.size(); ++i) {
      if (beforeMove) beforeMove(drag, i);
      drag.Move(moves[i]);
    }
    return true;
  }
};

TEST(Contour, ViewMappingTruncatesBothWays) {
  CSelectionContour contour(255, 0);
  contour.SetViewMapping(15, 7, 2.5);
  EXPECT_EQ(contour.ViewToDocument({10, 3}), CPoint(10, 4));  // (25 / 2.5, 10 / 2.5)
  EXPECT_EQ(contour.DocumentToView({10, 4}), CPoint(10, 3));
}

TEST(Contour, HeldKeysArmTheActionWhoseMaskTheyEqual) {
  CSelectionContour contour(255, 0);
  EXPECT_FALSE(contour.IsDrawArmed());
  contour.OnKeyDown(VK_CONTROL);
  EXPECT_TRUE(contour.IsDrawArmed());
  contour.OnKeyDown(VK_SPACE);  // Ctrl+Space is the pause, not drawing
  EXPECT_FALSE(contour.IsDrawArmed());
  EXPECT_TRUE(contour.IsPaused());
  contour.OnKeyUp(VK_CONTROL);
  EXPECT_TRUE(contour.IsVertexArmed());
  EXPECT_FALSE(contour.OnKeyDown('A'));
  contour.OnKeyUp(VK_SPACE);
  contour.OnKeyDown(VK_SHIFT);
  EXPECT_TRUE(contour.IsMoveArmed());

  // Without UseCTRLForTracker drawing needs no key.
  CDeformContour free(0x00FF00, 0, false, true, false);
  EXPECT_TRUE(free.IsDrawArmed());
  EXPECT_TRUE(free.IsVertexArmed());  // a deformation vertex drags with no key too
}

TEST(Contour, DrawingFollowsThePointerAndPausesWithCtrlSpace) {
  CSelectionContour contour(255, 0);
  contour.OnKeyDown(VK_CONTROL);
  CScriptedRunner runner;
  runner.moves = {{10, 0}, {10, 0}, {20, 0}, {30, 0}, {20, 20}};
  runner.beforeMove = [&](CContourDrag& drag, std::size_t i) {
    if (i == 2) drag.Key(VK_SPACE, true);
    if (i == 4) drag.Key(VK_SPACE, false);
  };
  ASSERT_TRUE(contour.OnButtonDown(runner, {0, 0}));
  // The repeated point adds nothing; (20, 0) and (30, 0) came while paused.
  EXPECT_EQ(contour.GetVertices(), (std::vector<CPoint>{{0, 0}, {10, 0}, {20, 20}}));
  EXPECT_TRUE(contour.IsCompleted());
  EXPECT_TRUE(contour.GetRegion().PtInRegion(12, 5));
  EXPECT_EQ(contour.GetExactVertices().size(), 3u);
}

TEST(Contour, PressesTryMoveThenVertexThenDrawing) {
  CSelectionContour contour(255, 0);
  contour.SetVertices({{0, 0}, {20, 0}, {20, 20}, {0, 20}});
  CScriptedRunner runner;

  // Space held: the vertex within 3 view pixels follows the pointer.
  contour.OnKeyDown(VK_SPACE);
  runner.moves = {{25, 3}};
  EXPECT_TRUE(contour.OnButtonDown(runner, {22, 2}));
  EXPECT_EQ(contour.GetVertices()[1], CPoint(25, 3));
  // Too far from any vertex: nothing, and no drawing either.
  EXPECT_FALSE(contour.OnButtonDown(runner, {10, 10}));
  contour.OnKeyUp(VK_SPACE);

  // Shift: the whole outline moves.
  contour.OnKeyDown(VK_SHIFT);
  runner.moves = {{13, 12}};
  EXPECT_TRUE(contour.OnButtonDown(runner, {10, 10}));
  EXPECT_EQ(contour.GetVertices()[0], CPoint(3, 2));
  EXPECT_TRUE(contour.GetRegion().PtInRegion(4, 3));
  contour.OnKeyUp(VK_SHIFT);

  // No key: no action is armed for a selection.
  EXPECT_FALSE(contour.OnButtonDown(runner, {10, 10}));
}

TEST(Contour, TheFinalContourIsReshapedButNeverDrawnAnew) {
  CDeformContour final(0x0000FF, 0, false, false);
  final.SetVertices({{0, 0}, {10, 0}});
  final.OnKeyDown(VK_CONTROL);
  CScriptedRunner runner;
  runner.moves = {{5, 5}};
  EXPECT_FALSE(final.OnButtonDown(runner, {50, 50}));
  EXPECT_EQ(final.GetVertexCount(), 2);
  final.OnKeyUp(VK_CONTROL);
  EXPECT_TRUE(final.OnButtonDown(runner, {10, 1}));
  EXPECT_EQ(final.GetVertices()[1], CPoint(5, 5));
}

TEST(Contour, NoCursorIsChosenWhenTheContourHasNone) {
  CSelectionContour contour(255, 0);
  contour.SetVertices({{5, 5}, {30, 5}, {30, 30}});
  EXPECT_FALSE(contour.SetCursorAt(5, 5).has_value());
}

TEST(Contour, MarchingDashesAlternateTheTwoColoursAndCloseTheOutline) {
  CSelectionContour contour(RGB(255, 0, 0), RGB(0, 0, 255));
  contour.SetVertices({{0, 0}, {16, 0}, {16, 8}});
  const COLORREF background = RGB(1, 2, 3);
  CRasterDC dc(20, 12, background);
  contour.Draw(dc, 0);
  // Four pixels of each colour in turn along the path.
  EXPECT_EQ(dc.GetPixel(0, 0), RGB(255, 0, 0));
  EXPECT_EQ(dc.GetPixel(4, 0), RGB(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(8, 0), RGB(255, 0, 0));
  EXPECT_NE(dc.GetPixel(8, 4), background);  // the closing segment back to (0, 0)
  // One step on, the dashes have moved along by one pixel.
  CRasterDC moved(20, 12, background);
  contour.Draw(moved, 1);
  EXPECT_EQ(moved.GetPixel(3, 0), RGB(0, 0, 255));
  EXPECT_EQ(dc.GetPixel(3, 0), RGB(255, 0, 0));
}

}  // namespace
