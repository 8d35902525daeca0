// Undo and redo: the 30-step lists, steps that keep their names as they
// move, pixel steps that keep only the touched rectangle, and the routing
// of the commands by the main window's mode.
#include <gtest/gtest.h>

#include <cmath>

#include "app/document/undo_routing.h"
#include "tests/document/document_fixture.h"

using testdocument::DocumentTest;
using testdocument::MakeItem;
using testdocument::MakePhoto;
using testimages::PixelAt;

namespace {

TEST(FrameUndo, TheThirtyFirstPushDropsTheOldestStep) {
  CQuadTracker frame(true);
  for (int i = 0; i < 31; ++i) {
    frame.SetRect(i, 0, i + 10, 10);
    frame.PushGeometryUndo("step " + std::to_string(i));
  }
  EXPECT_EQ(frame.GetHistory().UndoCount(), 30u);
  EXPECT_EQ(frame.GetHistory().UndoSteps().front()->GetName(), "step 1");
  for (int i = 0; i < 31; ++i) frame.Undo();
  EXPECT_EQ(frame.GetHistory().RedoCount(), 30u);
  EXPECT_EQ(frame.GetBaseRect(), (CDoubleRect{1, 0, 11, 10})) << "the oldest step left is where undo stops";
}

TEST(FrameUndo, UndoThenRedoRestoresTheGeometryExactlyAndKeepsTheName) {
  CQuadTracker frame(true);
  frame.SetRect(10, 20, 110, 70);
  frame.SetRotation(std::sin(0.7), std::cos(0.7));
  const CQuadTracker::Geometry before = frame.GetGeometry();
  frame.PushGeometryUndo("Rotate");
  frame.SetRect(0, 0, 5, 5);
  frame.SetRotation(0.0, 1.0);
  const CQuadTracker::Geometry after = frame.GetGeometry();

  EXPECT_EQ(frame.Undo(), std::nullopt);
  EXPECT_EQ(frame.GetGeometry(), before);
  EXPECT_EQ(frame.GetRedoName(), "Rotate");
  EXPECT_FALSE(frame.CanUndo());
  frame.Redo();
  EXPECT_EQ(frame.GetGeometry(), after);
  EXPECT_EQ(frame.GetUndoName(), "Rotate");
  EXPECT_FALSE(frame.CanRedo());
}

TEST(FrameUndo, APushAfterAnUndoForgetsTheRedoList) {
  CLineTracker line;
  line.SetPoints(1, 2, 3, 4);
  line.PushUndo("Change Points");
  line.SetPoints(5, 6, 7, 8);
  line.Undo();
  EXPECT_EQ(line.GetPoint1(), CPoint(3, 4));
  ASSERT_TRUE(line.CanRedo());
  line.PushUndo("Change Points");
  EXPECT_FALSE(line.CanRedo());
  EXPECT_EQ(line.Undo(), std::nullopt);
  EXPECT_EQ(line.Undo(), std::nullopt) << "an empty list does nothing";
}

class Undo : public DocumentTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(document.SetPhoto(MakePhoto(400, 300)));
    Current().FaceFrame().SetRect(100, 50, 200, 170);
  }
  CProjection& Current() { return *document.GetProjection(-1); }
};

TEST_F(Undo, APixelStepKeepsOnlyTheTouchedRectangleAndSwapsBothWays) {
  CLayer* hair = document.PutItem(MakeItem(40, 40), 0, 0, 20, 0, kKindHairstyle);
  ASSERT_NE(hair, nullptr);
  CDibAlpha& image = *hair->GetImage();
  const testimages::Bgr original = PixelAt(image, 12, 13);
  hair->BeginEdit();
  image.Fill_ColorRect(CRect(10, 10, 15, 15), 0x0000FF);
  hair->AddEditRect(15, 15, 10, 10);  // any corner order
  hair->AddEditRect(-5, -5, 2, 2);    // clipped to the image
  EXPECT_EQ(hair->GetPendingEditRect(), CRect(0, 0, 15, 15));
  hair->PushUndoById(kBrushToolStepNameId);
  EXPECT_FALSE(hair->HasEditBackup());
  ASSERT_TRUE(hair->CanUndo());
  EXPECT_EQ(hair->GetUndoName(), "Brush Tool");
  const testimages::Bgr painted = PixelAt(image, 12, 13);

  const ChangedArea area = hair->Undo();
  ASSERT_TRUE(area);
  EXPECT_EQ(PixelAt(image, 12, 13), original);
  CRect common;
  EXPECT_TRUE(common.IntersectRect(*area, hair->GetBoundingRect()));
  hair->Redo();
  EXPECT_EQ(PixelAt(image, 12, 13), painted);
  EXPECT_EQ(hair->GetUndoName(), "Brush Tool");
}

TEST_F(Undo, AStrokeThatTouchedNothingLeavesNoStepAndNoBackupPushesNothing) {
  CLayer* photo = document.GetPhotoLayer();
  EXPECT_FALSE(photo->PushPixelUndo("Brush Tool"));
  photo->BeginEdit();
  EXPECT_TRUE(photo->PushPixelUndo("Brush Tool"));
  EXPECT_FALSE(photo->CanUndo());
  EXPECT_FALSE(photo->HasEditBackup());
}

TEST_F(Undo, InPhotoModeUndoingAMoveOfThePhotoMovesTheMakeupWithIt) {
  CEditMode mode;
  mode.photoMode = true;
  CLayer* photo = document.GetPhotoLayer();
  photo->PushGeometryUndo("Move");
  photo->SetRect(50, 40, 449, 339);
  document.GetMakeupLayer()->SetRect(50, 40, 449, 339);
  EXPECT_EQ(UndoCommandText(document, mode, UndoDirection::undo), "Undo \"Move\"");
  RunUndoCommand(document, mode, UndoDirection::undo);
  EXPECT_EQ(photo->GetBaseRect(), (CDoubleRect{0, 0, 400, 300}));
  EXPECT_EQ(document.GetMakeupLayer()->GetBaseRect(), (CDoubleRect{0, 0, 400, 300}));
  EXPECT_EQ(UndoCommandText(document, mode, UndoDirection::redo), "Redo \"Move\"");
  EXPECT_FALSE(CanRunUndoCommand(document, mode, UndoDirection::undo));
}

TEST_F(Undo, TheFaceRectangleToolMovesFrameEyesAndLipsOneStepEach) {
  CEditMode mode;
  mode.faceRectangleTool = true;
  Current().FaceFrame().SetRect(1, 1, 9, 9);
  Current().EyesLine().SetPoints(1, 1, 2, 2);
  Current().LipsLine().SetPoints(3, 3, 4, 4);
  for (int i = 0; i < 2; ++i) {
    Current().FaceFrame().PushGeometryUndo("Change Points");
    Current().EyesLine().PushUndo("Change Points");
    Current().LipsLine().PushUndo("Change Points");
    Current().FaceFrame().SetRect(10 * (i + 1), 0, 50, 50);
    Current().EyesLine().SetPoints(10 * (i + 1), 0, 0, 0);
    Current().LipsLine().SetPoints(0, 10 * (i + 1), 0, 0);
  }
  Current().UnderarmLine().PushUndo("Change Points");
  RunUndoCommand(document, mode, UndoDirection::undo);
  EXPECT_EQ(Current().FaceFrame().GetBaseRect().left, 10);
  EXPECT_EQ(Current().EyesLine().GetPoint0(), CPoint(10, 0));
  EXPECT_EQ(Current().LipsLine().GetPoint0(), CPoint(0, 10));
  EXPECT_TRUE(Current().UnderarmLine().CanUndo()) << "the underarm line is the body set's";
  RunUndoCommand(document, mode, UndoDirection::undo);
  EXPECT_EQ(Current().EyesLine().GetPoint0(), CPoint(1, 1));
  RunUndoCommand(document, mode, UndoDirection::redo);
  EXPECT_EQ(Current().LipsLine().GetPoint0(), CPoint(0, 10));
}

TEST_F(Undo, ThePrintAreaToolUsesThePrintAreaFrame) {
  CEditMode mode;
  mode.printAreaTool = true;
  Current().PrintArea().PushGeometryUndo("Resize");
  Current().PrintArea().SetRect(5, 5, 6, 6);
  RunUndoCommand(document, mode, UndoDirection::undo);
  EXPECT_EQ(Current().PrintArea().GetBaseRect(), (CDoubleRect{0, 0, 400, 300}));
}

// A hair stretch records a "Deform" pixel step on the layer and a "Deform"
// step on the stretch frame; frame drags after it belong to the same look.
class DeformCoupling : public Undo {
 protected:
  void SetUp() override {
    Undo::SetUp();
    hair = document.PutItem(MakeItem(40, 40), 0, 0, 20, 0, kKindHairstyle);
    ASSERT_NE(hair, nullptr);
    mode.currentKind = kKindHairstyle;
    stretch = Current().StretchFrame(kKindHairstyle);
    original = PixelAt(*hair->GetImage(), 5, 5);

    stretch->PushGeometryUndoById(kDeformStepNameId);
    stretch->SetRect(10, 10, 100, 100);
    hair->BeginEdit();
    hair->GetImage()->Fill_ColorRect(CRect(0, 0, 10, 10), 0x00FF00);
    hair->AddEditRect(0, 0, 10, 10);
    hair->PushUndoById(kDeformStepNameId);
    stretch->PushGeometryUndoById(kMoveStepNameId);
    stretch->SetRect(20, 20, 110, 110);
    stretch->PushGeometryUndoById(kRotateStepNameId);
    stretch->SetRotation(0.5, std::sqrt(0.75));
  }
  CLayer* hair = nullptr;
  CQuadTracker* stretch = nullptr;
  CEditMode mode;
  testimages::Bgr original;
};

TEST_F(DeformCoupling, UndoingADeformMovesBackThePixelsAndEveryLaterStretchFrameStep) {
  EXPECT_EQ(UndoCommandStepName(document, mode, UndoDirection::undo), "Deform");
  RunUndoCommand(document, mode, UndoDirection::undo);
  EXPECT_EQ(PixelAt(*hair->GetImage(), 5, 5), original);
  EXPECT_EQ(stretch->GetBaseRect(), (CDoubleRect{0, 0, 150, 150}));
  EXPECT_EQ(stretch->GetCosine(), 1.0);
  EXPECT_FALSE(stretch->CanUndo());
  EXPECT_EQ(stretch->GetHistory().RedoCount(), 3u);

  RunUndoCommand(document, mode, UndoDirection::redo);
  EXPECT_NE(PixelAt(*hair->GetImage(), 5, 5), original);
  EXPECT_EQ(stretch->GetBaseRect(), (CDoubleRect{10, 10, 100, 100})) << "redo moves up to the Deform step";
}

TEST_F(DeformCoupling, WithTheStretchToolArmedOnlyADeformStepReachesTheLayer) {
  mode.hairStretchTool = true;
  EXPECT_EQ(UndoCommandStepName(document, mode, UndoDirection::undo), "Rotate");
  RunUndoCommand(document, mode, UndoDirection::undo);  // Rotate: the stretch frame alone
  EXPECT_NE(PixelAt(*hair->GetImage(), 5, 5), original);
  RunUndoCommand(document, mode, UndoDirection::undo);  // Move
  EXPECT_NE(PixelAt(*hair->GetImage(), 5, 5), original);
  RunUndoCommand(document, mode, UndoDirection::undo);  // Deform: and the layer's pixels
  EXPECT_EQ(PixelAt(*hair->GetImage(), 5, 5), original);
  EXPECT_EQ(stretch->GetBaseRect(), (CDoubleRect{0, 0, 150, 150}));
}

TEST_F(DeformCoupling, AMoveOfTheLayerItselfLeavesTheStretchFrameAlone) {
  hair->PushGeometryUndoById(kMoveStepNameId);
  const CQuadTracker::Geometry moved = hair->GetGeometry();
  hair->SetRect(0, 0, 30, 30);
  RunUndoCommand(document, mode, UndoDirection::undo);
  EXPECT_EQ(hair->GetGeometry(), moved);
  EXPECT_EQ(stretch->GetHistory().UndoCount(), 3u);
}

}  // namespace
