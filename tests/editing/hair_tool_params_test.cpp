// The per-tool table read at a stroke's start.
#include <gtest/gtest.h>

#include <cmath>

#include "app/document/layer.h"
#include "app/editing/hair_pixels.h"
#include "app/editing/hair_tool_params.h"

namespace {

CHairToolParams Params(HairStrokeTool tool, int pressure, int thickness, double scale = 1.0) {
  CHairToolControls controls;
  controls.pressure = pressure;
  controls.thickness = thickness;
  return MakeHairToolParams(tool, controls, scale);
}

}  // namespace

// The ends land exactly on the table's round numbers in doubles (the comb's
// factor is the double just above 0.007 for that); between them they need
// not, so kvtool prints 0.45000000000000007 for the comb at 50.
TEST(HairToolParams, StrengthsAtTheEndsOfThePressureSlider) {
  EXPECT_EQ(Params(HairStrokeTool::comb, 100, 0).strength, 0.1);
  EXPECT_EQ(Params(HairStrokeTool::brush, 100, 0).strength, 0.008);
  EXPECT_EQ(Params(HairStrokeTool::spray, 100, 0).strength, 0.01);
  EXPECT_EQ(Params(HairStrokeTool::comb, 0, 0).strength, 0.8);
  EXPECT_EQ(Params(HairStrokeTool::brush, 0, 0).strength, 0.1);
  EXPECT_EQ(Params(HairStrokeTool::spray, 0, 0).strength, 0.2);
  EXPECT_EQ(Params(HairStrokeTool::comb, 50, 0).strength, 0.45000000000000007);
  EXPECT_EQ(Params(HairStrokeTool::snippers, 0, 3).strength, Params(HairStrokeTool::snippers, 100, 3).strength);
}

TEST(HairToolParams, WithoutThicknessEveryToolIsThirtyWideWhateverTheScale) {
  for (HairStrokeTool tool : {HairStrokeTool::comb, HairStrokeTool::snippers, HairStrokeTool::brush,
                              HairStrokeTool::spray})
    for (double scale : {0.01, 1.0, 7.5}) {
      const CHairToolParams p = Params(tool, 50, kNoThickness, scale);
      EXPECT_EQ(p.size, 30);
      EXPECT_EQ(p.spread, 0.5);
    }
  const CHairToolParams comb = Params(HairStrokeTool::comb, 50, 6, 1.0);
  EXPECT_EQ(comb.size, 35);
  EXPECT_EQ(comb.spread, 0.5);
  EXPECT_EQ(Params(HairStrokeTool::brush, 50, 1, 2.5).size, 7);  // trunc(2.5 * 3)
  EXPECT_EQ(Params(HairStrokeTool::snippers, 50, 4, 1.0).spread, 0.6);
}

// A tiny scale made the size 0 or 1, whose mask divides by h = 0; every
// tool now paints at least 2 wide, and the mask then holds numbers only.
TEST(HairToolParams, ATinyScaleStillGivesAUsableBrush) {
  for (double scale : {0.0, 0.05, 0.2, std::nan("")}) {
    const CHairToolParams p = Params(HairStrokeTool::brush, 50, 1, scale);
    ASSERT_EQ(p.size, kMinBrushSize) << scale;
    std::unique_ptr<double[]> mask = CreateBrushMask(p.size, p.spread, p.strength);
    for (int i = 0; i < p.size * p.size; ++i) EXPECT_TRUE(std::isfinite(mask[i]));
  }
  EXPECT_EQ(Params(HairStrokeTool::comb, 50, 6, 1e12).size, kMaxBrushSize);
}

TEST(HairToolParams, LayerScaleIsImagePixelsPerDocumentUnitOfTheTopEdge) {
  CLayer layer(true);
  auto image = std::make_unique<CDibAlpha>();
  image->Create(CSize(200, 50), 0ul);
  layer.AttachImage(std::move(image), CDoubleRect{10, 10, 110, 60});
  EXPECT_DOUBLE_EQ(LayerScale(layer), 2.0);
  layer.SetRotation(std::sin(0.5), std::cos(0.5));  // turning keeps the edge's length
  EXPECT_NEAR(LayerScale(layer), 2.0, 1e-12);
  CLayer empty(true);
  EXPECT_EQ(LayerScale(empty), 1.0);
}
