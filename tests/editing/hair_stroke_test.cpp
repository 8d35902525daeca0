// Strokes on a layer: one named undo step per stroke that restores exactly
// what the stroke changed, whichever way it moved; the spray's one generator
// per stroke; the recomposed rectangle; and a stroke driven as the view does.
#include "app/editing/hair_stroke.h"

#include <gtest/gtest.h>

#include "app/document/layer.h"
#include "app/editing/hair_pixels.h"
#include "app/editing/hair_stroke_session.h"
#include "tests/document/document_fixture.h"
#include "tests/editing/hair_test_layers.h"
#include "tests/editing/reference_hair.h"

using hairtest::ChangedPixels;
using hairtest::RandomLayer;
using hairtest::SameLayer;

namespace {

std::unique_ptr<CLayer> LayerOver(std::unique_ptr<CDibAlpha> image, const CDoubleRect& frame) {
  auto layer = std::make_unique<CLayer>(true);
  layer->AttachImage(std::move(image), frame);
  return layer;
}

std::vector<unsigned> Dice(std::size_t count, unsigned seed) {
  std::vector<unsigned> numbers(count);
  std::mt19937 engine(seed);
  for (unsigned& n : numbers) n = engine();
  return numbers;
}

CHairToolParams StrongParams(HairStrokeTool tool) {
  CHairToolControls controls;
  controls.pressure = 0;
  controls.thickness = 3;
  controls.colour = 0x20E0A0;
  controls.combDrawing = true;
  return MakeHairToolParams(tool, controls, 1.0);
}

class HairStrokeTest : public testdocument::DocumentTest {};

struct ToolCase {
  HairStrokeTool tool;
  const char* stepName;
};

class HairStrokeUndo : public testdocument::DocumentTest, public ::testing::WithParamInterface<ToolCase> {};

// The stroke runs left and up in steps longer than the brush, where the old
// pending rectangle (start - margin to end + margin) came out too small.
TEST_P(HairStrokeUndo, OneNamedStepRestoresExactlyWhatTheStrokeChanged) {
  std::unique_ptr<CLayer> layer = LayerOver(RandomLayer(200, 200, 7), {0, 0, 200, 200});
  CDibAlpha before(*layer->GetImage());
  CHairStroke stroke(*layer, StrongParams(GetParam().tool), std::make_unique<CReplayRandom>(Dice(5000, 1)));
  stroke.Begin({150, 150});
  for (CPoint p : {CPoint(100, 120), CPoint(70, 60)}) stroke.Move(p);

  const std::vector<CPoint> changed = ChangedPixels(*layer->GetImage(), before);
  ASSERT_FALSE(changed.empty());
  const CRect pending = layer->GetPendingEditRect();
  for (const CPoint& p : changed) ASSERT_TRUE(pending.PtInRect(p)) << p.x << "," << p.y;

  CDibAlpha after(*layer->GetImage());
  EXPECT_TRUE(stroke.End());
  EXPECT_EQ(layer->GetHistory().UndoCount(), 1u);
  EXPECT_EQ(layer->GetUndoName(), GetParam().stepName);
  EXPECT_FALSE(layer->HasEditBackup());
  layer->Undo();
  EXPECT_TRUE(SameLayer(*layer->GetImage(), before));
  layer->Redo();
  EXPECT_TRUE(SameLayer(*layer->GetImage(), after));
}

INSTANTIATE_TEST_SUITE_P(HairTools, HairStrokeUndo,
                         ::testing::Values(ToolCase{HairStrokeTool::comb, "Comb Tool"},
                                           ToolCase{HairStrokeTool::snippers, "Scissors Tool"},
                                           ToolCase{HairStrokeTool::brush, "Brush Tool"},
                                           ToolCase{HairStrokeTool::spray, "Spray Tool"}));

// The spray's squares are S wide for an odd S too (S = 9 at thickness 3):
// the step's pending rectangle used to stop at b + S div 2 and miss a column
// and a row that the burst paints.
TEST_F(HairStrokeTest, SprayStepsKeepTheirWholeSquareForUndo) {
  std::unique_ptr<CLayer> layer = LayerOver(RandomLayer(60, 60, 8), {0, 0, 60, 60});
  layer->GetImage()->Fill_Color(0x000000ul, 255);
  CDibAlpha before(*layer->GetImage());
  // Numbers that aim every sample at the square's last row and column.
  CHairStroke stroke(*layer, StrongParams(HairStrokeTool::spray),
                     std::make_unique<CReplayRandom>(std::vector<unsigned>{8, 4, 4, 8}));
  stroke.Begin({20, 20});
  stroke.Move({40, 40});
  EXPECT_NE(testimg::GetPixel(*layer->GetImage(), 40, 44), testimg::GetPixel(before, 40, 44));
  EXPECT_NE(testimg::GetPixel(*layer->GetImage(), 44, 40), testimg::GetPixel(before, 44, 40));
  stroke.End();
  layer->Undo();
  EXPECT_TRUE(SameLayer(*layer->GetImage(), before));
}

TEST_F(HairStrokeTest, StrokesThatTouchNothingLeaveNoStep) {
  std::unique_ptr<CLayer> layer = LayerOver(RandomLayer(80, 80, 9), {0, 0, 80, 80});
  CHairStroke click(*layer, StrongParams(HairStrokeTool::snippers));
  click.Begin({40, 40});
  EXPECT_FALSE(click.End());
  EXPECT_FALSE(layer->CanUndo());

  CLayer empty(true);
  CHairStroke nothing(empty, StrongParams(HairStrokeTool::brush));
  EXPECT_TRUE(nothing.Begin({5, 5}).IsRectEmpty());
  EXPECT_TRUE(nothing.Move({9, 9}).IsRectEmpty());
  EXPECT_FALSE(nothing.End());
  EXPECT_FALSE(empty.CanUndo());
}

// Every burst of a stroke draws on from the one generator: a second burst
// at the same spot scatters new dots instead of repeating the first.
TEST_F(HairStrokeTest, OneGeneratorServesEveryBurstOfAStroke) {
  std::unique_ptr<CLayer> layer = LayerOver(RandomLayer(80, 80, 10), {0, 0, 80, 80});
  CDibAlpha expected(*layer->GetImage());
  const std::vector<unsigned> numbers = Dice(2 * 2 * 81 * 2, 3);
  auto replay = std::make_unique<CReplayRandom>(numbers);
  CReplayRandom* dice = replay.get();
  const CHairToolParams params = StrongParams(HairStrokeTool::spray);
  CHairStroke stroke(*layer, params, std::move(replay));
  stroke.Begin({40, 40});
  stroke.Move({40, 40});
  const std::size_t samples = static_cast<std::size_t>(params.size * params.size * kSprayDensity);
  EXPECT_EQ(dice->Drawn(), 4 * samples);

  CReplayRandom sameDice(numbers);
  for (int burst = 0; burst < 2; ++burst)
    reference::SprayBurst(expected, 40, 40, params.size, params.spread, params.strength, params.colour, kSprayDensity,
                          sameDice);
  EXPECT_TRUE(SameLayer(*layer->GetImage(), expected));
}

// A layer image drawn at twice its size: the brush's 30 image pixels cover
// 60 document units, more than the segment's box grown by S div 2 + 2.
TEST_F(HairStrokeTest, TheRecomposedRectangleCoversWhatWasPaintedOnAnEnlargedLayer) {
  std::unique_ptr<CLayer> layer = LayerOver(RandomLayer(100, 100, 11), {0, 0, 200, 200});
  CDibAlpha before(*layer->GetImage());
  CHairToolControls controls;
  controls.pressure = 0;
  CHairStroke stroke(*layer, MakeHairToolParams(HairStrokeTool::brush, controls, LayerScale(*layer)));
  stroke.Begin({100, 100});
  const CRect redraw = stroke.Move({104, 100});
  CRect painted;
  for (const CPoint& p : ChangedPixels(*layer->GetImage(), before))
    painted.UnionRect(painted.IsRectEmpty() ? CRect(p.x, p.y, p.x + 1, p.y + 1) : painted,
                      CRect(p.x, p.y, p.x + 1, p.y + 1));
  const CRect shown = layer->MapImageRectToDocument(painted);
  CRect covered;
  covered.IntersectRect(redraw, shown);
  EXPECT_EQ(covered, shown);
  EXPECT_LT(redraw.left, 100 - 30 - 2);
}

// The view's way: a press in document units, then window pixels at zoom 2
// from the drag loop, each step composed into the view's surface at once.
TEST_F(HairStrokeTest, ASessionPaintsThroughTheViewMappingAndComposesEachStep) {
  ASSERT_TRUE(document.SetPhoto(testdocument::MakePhoto(300, 280)));
  CLayer& photo = *document.GetPhotoLayer();
  document.SetViewMapping(0, 0, 2.0);
  CHairToolControls controls;
  controls.pressure = 0;
  controls.thickness = 6;
  controls.colour = 0xFFFFFF;
  CHairStrokeSession session(document, photo, MakeHairToolParams(HairStrokeTool::brush, controls, LayerScale(photo)));
  session.Press({50, 50});
  const int refreshes = host.refreshes;
  session.DragTo({200, 100});  // document (100, 50)
  EXPECT_GT(host.refreshes, refreshes);
  EXPECT_TRUE(session.Release());
  EXPECT_EQ(photo.GetUndoName(), "Brush Tool");

  // What the surface shows along the stroke is the layer as painted now.
  std::unique_ptr<CDib> rendered = document.RenderCurrent(CRect(45, 45, 105, 56));
  ASSERT_TRUE(rendered);
  for (int x = 45; x < 105; ++x) {
    const testimages::Bgr shown = testimages::PixelAt(*rendered, x - 45, 5);
    EXPECT_EQ(host.surface.GetPixel(x, 50), RGB(shown.red, shown.green, shown.blue)) << x;
  }
  EXPECT_NE(testimages::PixelAt(*photo.GetImage(), 99, 50), testimages::PatternColour(99, 50));
}

}  // namespace
