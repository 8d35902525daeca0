// The face-rectangle tool: which frame or line a press drags in each
// projection, the three lists of the face set kept in step, the auto-colour
// flag, and Undo moving one step of each.
#include "app/editing/face_rectangle_tool.h"

#include <gtest/gtest.h>

#include "app/document/undo_routing.h"
#include "tests/document/document_fixture.h"
#include "tests/editing/face_tool_drags.h"

using facetest::DragWith;
using testdocument::MakePhoto;

namespace {

class FaceRectangleTool : public testdocument::DocumentTest {
 protected:
  void SetUp() override {
    for (int index = 0; index < 4; ++index) {
      ASSERT_TRUE(document.SetPhoto(MakePhoto(400, 300), index));
      CProjection& projection = *document.GetProjection(index);
      projection.FaceFrame().SetRect(100, 50, 200, 170);
      projection.EyesLine().SetPoints(120, 90, 180, 90);
      projection.LipsLine().SetPoints(130, 140, 170, 140);
    }
    document.SetAutoColour(false);
  }
  CProjection& Current() { return *document.GetProjection(-1); }
  bool Drag(CPoint press, std::vector<CPoint> moves) { return DragWith(tool, press, moves); }
  static CEditMode ToolMode() {
    CEditMode mode;
    mode.faceRectangleTool = true;
    return mode;
  }
  std::size_t Steps(const CQuadTracker& t) { return t.GetHistory().UndoCount(); }
  std::size_t Steps(const CLineTracker& t) { return t.GetHistory().UndoCount(); }
  void ExpectInStep(std::size_t count, const std::string& name) {
    EXPECT_EQ(Steps(Current().FaceFrame()), count);
    EXPECT_EQ(Steps(Current().EyesLine()), count);
    EXPECT_EQ(Steps(Current().LipsLine()), count);
    EXPECT_EQ(Current().FaceFrame().GetUndoName(), name);
    EXPECT_EQ(Current().EyesLine().GetUndoName(), name);
    EXPECT_EQ(Current().LipsLine().GetUndoName(), name);
  }

  CFaceRectangleTool tool{document};
};

TEST_F(FaceRectangleTool, AnEyePointDragAddsOneStepToEachListAndOneUndoTakesAllBack) {
  EXPECT_TRUE(Drag({120, 90}, {{125, 94}, {118, 96}}));
  EXPECT_EQ(Current().EyesLine().GetPoint0(), CPoint(118, 96));
  EXPECT_TRUE(document.GetAutoColour());
  ExpectInStep(1, "Change Points");

  EXPECT_TRUE(Drag({130, 140}, {{128, 146}}));  // a lip corner
  EXPECT_EQ(Current().LipsLine().GetPoint0(), CPoint(128, 146));
  ExpectInStep(2, "Change Points");

  EXPECT_TRUE(Drag({150, 60}, {{160, 70}}));  // inside the frame: a move
  EXPECT_EQ(Current().FaceFrame().GetBaseRect().left, 110);
  ExpectInStep(3, "Move");

  RunUndoCommand(document, ToolMode(), UndoDirection::undo);
  EXPECT_EQ(Current().FaceFrame().GetBaseRect().left, 100);
  ExpectInStep(2, "Change Points");
  RunUndoCommand(document, ToolMode(), UndoDirection::undo);
  RunUndoCommand(document, ToolMode(), UndoDirection::undo);
  EXPECT_EQ(Current().EyesLine().GetPoint0(), CPoint(120, 90));
  EXPECT_EQ(Current().LipsLine().GetPoint0(), CPoint(130, 140));
  ExpectInStep(0, "");
  RunUndoCommand(document, ToolMode(), UndoDirection::redo);
  EXPECT_EQ(Current().EyesLine().GetPoint0(), CPoint(118, 96));
  EXPECT_EQ(Current().LipsLine().GetPoint0(), CPoint(130, 140));
}

// Without this pairing the click's "Change Points" would sit on the eyes
// list alone and every later Undo would take back mismatched changes.
TEST_F(FaceRectangleTool, AClickOnAnEyePointKeepsTheListsInStepAndLeavesTheColourFlag) {
  EXPECT_FALSE(Drag({180, 90}, {}));
  ExpectInStep(1, "Change Points");
  EXPECT_FALSE(document.GetAutoColour());
}

class FaceRectangleToolInProfile : public FaceRectangleTool, public ::testing::WithParamInterface<int> {};

TEST_P(FaceRectangleToolInProfile, AnEyePointDragsTheFaceFrameInstead) {
  document.SelectProjection(GetParam(), false, true);
  ASSERT_EQ(document.GetProjectionIndex(-1), GetParam());
  EXPECT_TRUE(Drag({120, 90}, {{130, 100}}));  // inside the frame
  EXPECT_EQ(Current().EyesLine().GetPoint0(), CPoint(120, 90));
  EXPECT_EQ(Current().FaceFrame().GetBaseRect().left, 110);
  ExpectInStep(1, "Move");

  Current().EyesLine().SetPoints(90, 40, 180, 90);  // an eye point outside the frame
  EXPECT_TRUE(Drag({90, 40}, {{150, 20}}));
  EXPECT_EQ(Current().EyesLine().GetPoint0(), CPoint(90, 40));
  EXPECT_NE(Current().FaceFrame().GetSine(), 0.0);
  ExpectInStep(2, "Rotate");
}

INSTANTIATE_TEST_SUITE_P(SideAndRear, FaceRectangleToolInProfile, ::testing::Values(2, 3));

TEST_F(FaceRectangleTool, LipsAreDraggedOnlyInTheFrontProjection) {
  document.SelectProjection(1, false, true);
  EXPECT_TRUE(Drag({130, 140}, {{140, 150}}));
  EXPECT_EQ(Current().LipsLine().GetPoint0(), CPoint(130, 140));
  EXPECT_EQ(Current().FaceFrame().GetBaseRect().top, 60);
  EXPECT_TRUE(Drag({120, 90}, {{122, 92}}));  // the eyes are the half projection's
  EXPECT_EQ(Current().EyesLine().GetPoint0(), CPoint(122, 92));
  ExpectInStep(2, "Change Points");
}

TEST_F(FaceRectangleTool, AFrameClickWithoutMovementPushesNothing) {
  EXPECT_FALSE(Drag({150, 120}, {{150, 120}}));
  ExpectInStep(0, "");
}

TEST_F(FaceRectangleTool, TheUnderarmDragSetsTheColourFlagAndAClickClearsIt) {
  document.SwitchProjectionSet(kBodySet);
  ASSERT_TRUE(document.SetPhoto(MakePhoto(400, 300)));
  Current().UnderarmLine().SetPoints(100, 200, 300, 200);
  EXPECT_TRUE(Drag({300, 200}, {{310, 205}}));
  EXPECT_TRUE(document.GetAutoColour());
  EXPECT_EQ(Current().UnderarmLine().GetPoint1(), CPoint(310, 205));

  EXPECT_FALSE(Drag({100, 200}, {}));
  EXPECT_FALSE(document.GetAutoColour());
  // The body set has no face frame to drag.
  EXPECT_FALSE(Drag({200, 100}, {{210, 110}}));
  EXPECT_EQ(Current().FaceFrame().GetHistory().UndoCount(), 0u);
}

}  // namespace
