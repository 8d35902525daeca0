// The area commands on a layer through a selection: strengths and blur by
// pressure, hard and soft edges by thickness, copy, move and paste, and one
// undo step per command that restores the layer.
#include <gtest/gtest.h>

#include "app/document/layer.h"
#include "app/editing/area_operation.h"
#include "app/tools/selection_contour.h"
#include "platform/core/virtual_keys.h"
#include "tests/document/document_fixture.h"
#include "tests/editing/hair_test_layers.h"

namespace {

using hairtest::AlphaAt;
using hairtest::RandomLayer;
using hairtest::SameLayer;

std::unique_ptr<CLayer> LayerOver(std::unique_ptr<CDibAlpha> image, const CDoubleRect& frame) {
  auto layer = std::make_unique<CLayer>(true);
  layer->AttachImage(std::move(image), frame);
  return layer;
}

// A completed lasso through `polygon` (document points).
std::unique_ptr<CSelectionContour> Lasso(const std::vector<CPoint>& polygon) {
  auto selection = std::make_unique<CSelectionContour>(255, 0);
  selection->SetVertices(polygon);
  selection->MarkSelected();
  return selection;
}

const std::vector<CPoint> kSquare{{10, 10}, {30, 10}, {30, 30}, {10, 30}};

class AreaOperationTest : public testdocument::DocumentTest {};

TEST(AreaParameters, PressureAndThicknessGiveStrengthSigmaAndRadius) {
  EXPECT_EQ(AreaStrength(0), 1.0);
  EXPECT_EQ(AreaStrength(100), 0.0);
  EXPECT_EQ(AreaBlurSigma(0), 3);
  EXPECT_EQ(AreaBlurSigma(1), 1);
  EXPECT_EQ(AreaBlurSigma(100), 1);
  EXPECT_EQ(AreaFeatherRadius(1), 5);
  EXPECT_EQ(AreaFeatherRadius(6), 25);
  EXPECT_EQ(AreaFeatherRadius(0), 5);
}

TEST_F(AreaOperationTest, FullStrengthClearMakesSelectedPixelsTransparentAndNoStrengthLeavesThem) {
  auto layer = LayerOver(RandomLayer(40, 40, 1), {0, 0, 40, 40});
  CDibAlpha before(*layer->GetImage());
  auto selection = Lasso(kSquare);
  // At pressure 100 (e = 0) no pixel changes.
  ASSERT_TRUE(ApplyAreaOperation(*layer, *selection, AreaOp::clear, {100, 1, 0}));
  EXPECT_TRUE(SameLayer(*layer->GetImage(), before));

  ASSERT_TRUE(ApplyAreaOperation(*layer, *selection, AreaOp::clear, {0, 1, 0}));
  EXPECT_EQ(AlphaAt(*layer->GetImage(), 20, 20), 255);
  EXPECT_EQ(testimg::GetPixel(*layer->GetImage(), 20, 20), testimg::Grey(128));
  EXPECT_EQ(AlphaAt(*layer->GetImage(), 5, 5), AlphaAt(before, 5, 5));
  EXPECT_EQ(layer->GetUndoName(), "Clear");
  layer->Undo();
  layer->Undo();
  EXPECT_TRUE(SameLayer(*layer->GetImage(), before));
}

TEST_F(AreaOperationTest, FillAtFullStrengthPaintsTheColourWithAHardOrSoftEdge) {
  for (int thickness : {1, 3, 5, 6}) {
    auto image = std::make_unique<CDibAlpha>();
    image->Create(CSize(60, 60));
    image->Fill_Color(0x000000ul, 0);
    auto layer = LayerOver(std::move(image), {0, 0, 60, 60});
    CDibAlpha before(*layer->GetImage());
    auto selection = Lasso({{20, 20}, {40, 20}, {40, 40}, {20, 40}});
    ASSERT_TRUE(ApplyAreaOperation(*layer, *selection, AreaOp::fill, {0, thickness, RGB(255, 255, 255)}));
    CDibAlpha& result = *layer->GetImage();
    EXPECT_EQ(testimg::GetPixel(result, 30, 30), testimg::Grey(255)) << thickness;
    // Thickness 1 to 3 cut hard at the outline; 5 and 6 soften across it.
    const bool soft = thickness >= 5;
    EXPECT_EQ(testimg::GetPixel(result, 18, 30) != testimg::Grey(0), soft) << thickness;
    EXPECT_EQ(testimg::GetPixel(result, 20, 30) != testimg::Grey(255), soft) << thickness;
    EXPECT_EQ(layer->GetUndoName(), "Fill");
    // The soft edge reaches past the outline: undo must restore all of it.
    layer->Undo();
    EXPECT_TRUE(SameLayer(*layer->GetImage(), before)) << thickness;
  }
}

TEST_F(AreaOperationTest, BlurIsOneUndoableStep) {
  auto layer = LayerOver(RandomLayer(50, 50, 4), {0, 0, 50, 50});
  CDibAlpha before(*layer->GetImage());
  auto selection = Lasso(kSquare);
  ASSERT_TRUE(ApplyAreaOperation(*layer, *selection, AreaOp::blur, {0, 2, 0}));
  EXPECT_FALSE(SameLayer(*layer->GetImage(), before));
  // Nothing outside the mask's area changes.
  for (const CPoint& p : hairtest::ChangedPixels(*layer->GetImage(), before))
    ASSERT_TRUE(selection->Mask().Area().PtInRect(p));
  EXPECT_EQ(layer->GetUndoName(), "Blur");
  EXPECT_EQ(layer->GetHistory().UndoCount(), 1u);
  layer->Undo();
  EXPECT_TRUE(SameLayer(*layer->GetImage(), before));
}

// Copy, the outline moved with Shift, Paste: the pixels land shifted, on a
// layer drawn at twice its image size as well, where a document shift is
// half as many image pixels.
TEST_F(AreaOperationTest, PasteLandsWhereTheOutlineWasMoved) {
  for (double scale : {1.0, 2.0}) {
    auto layer = LayerOver(RandomLayer(60, 60, 6), {0, 0, 60 * scale, 60 * scale});
    std::fill_n(layer->GetImage()->LockAlpha(), 60 * 60, 0);
    layer->GetImage()->UnlockAlpha();
    std::vector<CPoint> outline;
    for (CPoint p : kSquare) outline.push_back({static_cast<int>(p.x * scale), static_cast<int>(p.y * scale)});
    auto selection = Lasso(outline);
    ASSERT_TRUE(ApplyAreaOperation(*layer, *selection, AreaOp::copy, {50, 1, 0}));
    EXPECT_FALSE(layer->CanUndo());
    CDibAlpha original(*layer->GetImage());

    // Drag the outline by (12, 6) image pixels with Shift held.
    struct Runner : CContourDragRunner {
      CPoint to;
      bool Run(CContourDrag& drag, CPoint press) override {
        drag.Begin(press);
        drag.Move(to);
        return true;
      }
    } runner;
    const CPoint press(static_cast<int>(20 * scale), static_cast<int>(20 * scale));
    runner.to = {press.x + static_cast<int>(12 * scale), press.y + static_cast<int>(6 * scale)};
    selection->OnKeyDown(VK_SHIFT);
    ASSERT_TRUE(selection->OnButtonDown(runner, press));

    ASSERT_TRUE(ApplyAreaOperation(*layer, *selection, AreaOp::paste, {50, 1, 0}));
    EXPECT_EQ(layer->GetUndoName(), "Paste");
    for (int y = 11; y < 29; ++y)
      for (int x = 11; x < 29; ++x)
        ASSERT_EQ(testimg::GetPixel(*layer->GetImage(), x + 12, y + 6), testimg::GetPixel(original, x, y))
            << scale << " at " << x << "," << y;
    layer->Undo();
    EXPECT_TRUE(SameLayer(*layer->GetImage(), original));
  }
}

TEST_F(AreaOperationTest, NothingHappensWithoutACompletedOutlineOrACopy) {
  auto layer = LayerOver(RandomLayer(20, 20, 3), {0, 0, 20, 20});
  CSelectionContour drawnNothing(255, 0);
  EXPECT_FALSE(ApplyAreaOperation(*layer, drawnNothing, AreaOp::fill, {0, 1, 0}));
  auto selection = Lasso(kSquare);
  EXPECT_FALSE(ApplyAreaOperation(*layer, *selection, AreaOp::paste, {0, 1, 0}));
  EXPECT_FALSE(AreaOperation(document, nullptr, selection.get(), AreaOp::fill, {0, 1, 0}));
  EXPECT_FALSE(layer->CanUndo());
}

TEST_F(AreaOperationTest, UndoOfABlurAfterACopyRestoresTheWholeMask) {
  auto layer = LayerOver(RandomLayer(80, 80, 9), {0, 0, 80, 80});
  auto selection = Lasso({{5, 5}, {12, 5}, {12, 12}});
  ASSERT_TRUE(ApplyAreaOperation(*layer, *selection, AreaOp::copy, {50, 1, 0}));
  // A larger outline afterwards, with the small buffer still filled.
  selection->SetVertices({{10, 10}, {70, 10}, {70, 70}, {10, 70}});
  CDibAlpha before(*layer->GetImage());
  ASSERT_TRUE(ApplyAreaOperation(*layer, *selection, AreaOp::clear, {0, 1, 0}));
  layer->Undo();
  EXPECT_TRUE(SameLayer(*layer->GetImage(), before));
}

TEST_F(AreaOperationTest, TheWandSelectsByColourAndFeathersByThickness) {
  auto image = std::make_unique<CDibAlpha>();
  image->Create(CSize(40, 40));
  image->Fill_Color(0x000000ul, 0);
  for (int y = 10; y < 20; ++y)
    for (int x = 8; x < 30; ++x) testimg::SetPixel(*image, x, y, testimg::Grey(250));
  auto layer = LayerOver(std::move(image), {0, 0, 80, 80});  // drawn at twice its size
  CSelectionContour wand(255, 0);
  EXPECT_FALSE(SelectByColour(*layer, wand, {200, 10}, 50, 1));
  ASSERT_TRUE(SelectByColour(*layer, wand, {30, 30}, 100, 1));
  EXPECT_TRUE(wand.IsCompleted());
  EXPECT_EQ(wand.GetRegion().GetRgnBox(), CRect(16, 20, 60, 40));
  EXPECT_EQ(wand.Mask().origin, CPoint(8 - 20, 10 - 20));
  ASSERT_TRUE(SelectByColour(*layer, wand, {30, 30}, 100, 6));
  EXPECT_EQ(wand.GetFeatherRadius(), 21);
  ASSERT_TRUE(MagicWandSelect(document, *layer, wand, {30, 30}, 100, 1));
  EXPECT_GT(host.refreshes, 0);
}

}  // namespace
