// The hair stretching tool: the stretch frame mapped into layer pixels, the
// left button placing the frame, the right button stretching the pixels
// under it as one "Deform" step paired with the frame's own step.
#include "app/editing/hair_stretch_tool.h"

#include <gtest/gtest.h>

#include <cmath>

#include "app/document/undo_routing.h"
#include "tests/document/document_fixture.h"
#include "tests/editing/face_tool_drags.h"
#include "tests/editing/hair_test_layers.h"

using facetest::DragWith;
using hairtest::AlphaAt;
using hairtest::ChangedPixels;
using hairtest::RandomLayer;
using hairtest::SameLayer;

namespace {

constexpr int kHairKind = 0;

class HairStretchTool : public testdocument::DocumentTest {
 protected:
  // A 100 x 100 hair image shown in `frame`; the stretch frame over
  // document (20, 20) to (40, 60).
  void PlaceLayer(const CDoubleRect& frame) {
    ASSERT_TRUE(document.SetPhoto(testdocument::MakePhoto(400, 300)));
    auto layer = std::make_unique<CLayer>(true);
    layer->AttachImage(RandomLayer(100, 100, 7), frame);
    this->layer = layer.get();
    document.GetProjection(-1)->SetSlot(kHairKind, std::move(layer));
    document.SetCurrentLayer(this->layer);
    Stretch().SetRect(20, 20, 40, 60);
    original = std::make_unique<CDibAlpha>(*this->layer->GetImage());
  }
  void SetUp() override { PlaceLayer({0, 0, 100, 100}); }
  CQuadTracker& Stretch() { return *document.GetProjection(-1)->StretchFrame(kHairKind); }
  bool Drag(CPoint press, std::vector<CPoint> moves, bool right) {
    return DragWith(tool, press, moves, right, kHairKind);
  }
  static CEditMode ToolMode() {
    CEditMode mode;
    mode.currentKind = kHairKind;
    mode.hairStretchTool = true;
    return mode;
  }

  CLayer* layer = nullptr;
  std::unique_ptr<CDibAlpha> original;
  CHairStretchTool tool{document};
};

TEST_F(HairStretchTool, TheFrameMapsIntoImagePixelsByTheLayersScale) {
  EXPECT_EQ(MapStretchFrameToLayer(*layer, Stretch()), CRect(20, 20, 40, 60));
  PlaceLayer({0, 0, 200, 50});  // the image shown twice as wide and half as high
  EXPECT_EQ(MapStretchFrameToLayer(*layer, Stretch()), CRect(10, 40, 20, 120));
}

TEST_F(HairStretchTool, AFrameTurnedDifferentlyFromTheLayerNeverStretches) {
  Stretch().SetRotation(0.1, std::sqrt(1 - 0.01));
  EXPECT_EQ(MapStretchFrameToLayer(*layer, Stretch()), CRect(0, 0, 0, 0));
  const CQuadTracker::Geometry before = Stretch().GetGeometry();
  const CDoublePoint bottom = Stretch().GetMidPoint(2);
  EXPECT_FALSE(Drag({RoundHalfAwayFromZero(bottom.x), RoundHalfAwayFromZero(bottom.y)}, {{30, 80}}, true));
  EXPECT_EQ(Stretch().GetGeometry(), before);
  EXPECT_TRUE(SameLayer(*layer->GetImage(), *original));
  EXPECT_FALSE(layer->CanUndo());
}

TEST_F(HairStretchTool, StretchingTwentyByFortyIntoTwentyBySixtyIsOneUndoableStep) {
  std::unique_ptr<CDib> part(original->Edit_Copy(CRect(20, 20, 40, 60)));
  std::unique_ptr<CDib> expected(part->Zoom({20, 60}));
  auto& scaled = dynamic_cast<CDibAlpha&>(*expected);

  EXPECT_TRUE(Drag({30, 60}, {{30, 70}, {30, 80}}, true));  // the bottom side down by 20
  EXPECT_EQ(MapStretchFrameToLayer(*layer, Stretch()), CRect(20, 20, 40, 80));
  CDibAlpha& image = *layer->GetImage();
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 20; ++x) {
      ASSERT_EQ(testimg::GetPixel(image, 20 + x, 20 + y), testimg::GetPixel(scaled, x, y)) << x << "," << y;
      ASSERT_EQ(AlphaAt(image, 20 + x, 20 + y), AlphaAt(scaled, x, y)) << x << "," << y;
    }
  for (CPoint p : ChangedPixels(image, *original)) EXPECT_TRUE(CRect(20, 20, 40, 80).PtInRect(p));
  EXPECT_EQ(layer->GetUndoName(), "Deform");
  EXPECT_EQ(Stretch().GetUndoName(), "Deform");
  EXPECT_EQ(Stretch().GetHistory().UndoCount(), 1u);

  RunUndoCommand(document, ToolMode(), UndoDirection::undo);
  EXPECT_TRUE(SameLayer(*layer->GetImage(), *original));
  EXPECT_EQ(MapStretchFrameToLayer(*layer, Stretch()), CRect(20, 20, 40, 60));
  RunUndoCommand(document, ToolMode(), UndoDirection::redo);
  EXPECT_EQ(MapStretchFrameToLayer(*layer, Stretch()), CRect(20, 20, 40, 80));
  EXPECT_EQ(testimg::GetPixel(*layer->GetImage(), 25, 70), testimg::GetPixel(scaled, 5, 50));
}

// Pixels of the old rectangle outside the new one keep their values; the
// step covers both rectangles, so Undo restores all of them.
TEST_F(HairStretchTool, ShrinkingLeavesTheUncoveredPixelsAndUndoRestoresTheUnion) {
  EXPECT_TRUE(Drag({40, 40}, {{30, 40}}, true));  // the right side in by 10
  EXPECT_EQ(MapStretchFrameToLayer(*layer, Stretch()), CRect(20, 20, 30, 60));
  CDibAlpha& image = *layer->GetImage();
  EXPECT_EQ(testimg::GetPixel(image, 35, 30), testimg::GetPixel(*original, 35, 30));
  EXPECT_FALSE(ChangedPixels(image, *original).empty());
  RunUndoCommand(document, ToolMode(), UndoDirection::undo);
  EXPECT_TRUE(SameLayer(*layer->GetImage(), *original));
}

TEST_F(HairStretchTool, TheLeftButtonMovesOnlyTheFrame) {
  EXPECT_TRUE(Drag({30, 40}, {{50, 45}}, false));
  EXPECT_EQ(MapStretchFrameToLayer(*layer, Stretch()), CRect(40, 25, 60, 65));
  EXPECT_TRUE(SameLayer(*layer->GetImage(), *original));
  EXPECT_EQ(Stretch().GetUndoName(), "Move");
  EXPECT_FALSE(Drag({200, 200}, {{210, 210}}, false));  // outside: nothing
}

TEST_F(HairStretchTool, TheRightButtonInsideOrWithoutMovementStretchesNothing) {
  Stretch().PushGeometryUndo("Move");  // an earlier placing must keep its name
  EXPECT_FALSE(Drag({30, 40}, {{50, 45}}, true));
  EXPECT_FALSE(Drag({30, 60}, {}, true));
  EXPECT_EQ(Stretch().GetUndoName(), "Move");
  EXPECT_FALSE(layer->CanUndo());
  EXPECT_TRUE(SameLayer(*layer->GetImage(), *original));
}

// Kinds 4 to 8 carry items in slots of their own, each with its frame.
TEST_F(HairStretchTool, TheLastItemSlotStretchesWithItsOwnFrame) {
  constexpr int kLastKind = kSlotCount - 1;
  auto last = std::make_unique<CLayer>(true);
  last->AttachImage(RandomLayer(100, 100, 9), {0, 0, 100, 100});
  CLayer& lastLayer = *last;
  document.GetProjection(-1)->SetSlot(kLastKind, std::move(last));
  CQuadTracker& frame = *document.GetProjection(-1)->StretchFrame(kLastKind);
  frame.SetRect(20, 20, 40, 60);
  EXPECT_TRUE(DragWith(tool, CPoint(30, 60), {{30, 70}, {30, 80}}, true, kLastKind));
  EXPECT_EQ(MapStretchFrameToLayer(lastLayer, frame), CRect(20, 20, 40, 80));
  EXPECT_EQ(lastLayer.GetUndoName(), "Deform");
  EXPECT_TRUE(SameLayer(*layer->GetImage(), *original)) << "the hair slot is not touched";
}

TEST_F(HairStretchTool, NothingHappensWithoutALayerInTheSlot) {
  EXPECT_FALSE(DragWith(tool, CPoint(30, 60), {{30, 80}}, true, 1));
  EXPECT_FALSE(DragWith(tool, CPoint(30, 60), {{30, 80}}, true, 4));
}

}  // namespace
