// Copy and paste through the selection mask, against the formulas written
// out pixel by pixel.
#include <gtest/gtest.h>

#include "app/tools/selection_contour.h"
#include "tests/editing/hair_test_layers.h"

namespace {

std::unique_ptr<CSelectionContour> SelectionOver(const std::vector<CPoint>& polygon, int featherRadius) {
  auto selection = std::make_unique<CSelectionContour>(255, 0);
  selection->SetVertices(polygon);
  const CPolygonRegion region(polygon);
  EXPECT_TRUE(selection->BuildMask(featherRadius, 0, 0, &region));
  selection->Feather(featherRadius, true);
  return selection;
}

TEST(SelectionCopyPaste, CopyTakesColourAndAddsTheMaskToTransparency) {
  auto layer = hairtest::RandomLayer(30, 20, 5);
  std::unique_ptr<CSelectionContour> owned = SelectionOver({{4, 3}, {20, 5}, {12, 17}}, 21);
  CSelectionContour& selection = *owned;
  ASSERT_TRUE(selection.CopyToBuffer(*layer));
  const CSelectionMask& mask = selection.Mask();
  const CDibAlpha& buffer = *selection.GetBuffer();
  ASSERT_EQ(buffer.GetSize(), CSize(mask.width, mask.height));
  EXPECT_EQ(selection.GetBufferPosition(), mask.origin);
  EXPECT_TRUE(selection.IsBufferFilled());
  auto& copy = const_cast<CDibAlpha&>(buffer);
  for (int r = 0; r < mask.height; ++r)
    for (int j = 0; j < mask.width; ++j) {
      const int x = mask.origin.x + j, y = mask.origin.y + r;
      const unsigned char t = hairtest::AlphaAt(copy, j, r);
      if (x < 0 || y < 0 || x >= 30 || y >= 20) {
        // Past the layer's border the copy is fully transparent.
        ASSERT_EQ(t, 255) << x << "," << y;
        continue;
      }
      ASSERT_EQ(testimg::GetPixel(copy, j, r), testimg::GetPixel(*layer, x, y));
      ASSERT_EQ(t, std::min(255, hairtest::AlphaAt(*layer, x, y) + mask.cells[r * mask.width + j]));
    }
}

TEST(SelectionCopyPaste, PasteBlendsByMaskAndTransparency) {
  auto source = hairtest::RandomLayer(30, 20, 8);
  auto target = hairtest::RandomLayer(30, 20, 9);
  target->SetOpacity(40);
  std::unique_ptr<CSelectionContour> owned = SelectionOver({{2, 2}, {18, 4}, {15, 16}, {3, 12}}, 25);
  CSelectionContour& selection = *owned;
  ASSERT_TRUE(selection.CopyToBuffer(*source));
  CDibAlpha before(*target);
  CDibAlpha& buffer = const_cast<CDibAlpha&>(*selection.GetBuffer());
  const CSelectionMask mask = selection.Mask();
  const CPoint at(7, -5);
  ASSERT_TRUE(selection.PasteBuffer(*target, at));
  for (int r = 0; r < buffer.Height(); ++r)
    for (int j = 0; j < buffer.Width(); ++j) {
      const int x = at.x + j, y = at.y + r;
      if (x < 0 || y < 0 || x >= 30 || y >= 20) continue;
      const int bt = hairtest::AlphaAt(buffer, j, r);
      const double k = std::min(1.0, mask.cells[r * mask.width + j] / 255.0 + bt / 255.0);
      const auto old = testimg::GetPixel(before, x, y);
      const auto pasted = testimg::GetPixel(buffer, j, r);
      const auto now = testimg::GetPixel(*target, x, y);
      for (int c = 0; c < 3; ++c)
        ASSERT_EQ(now[c], static_cast<int>(old[c] * k) + static_cast<int>(pasted[c] * (1 - k)));
      const int lt = hairtest::AlphaAt(before, x, y);
      ASSERT_EQ(hairtest::AlphaAt(*target, x, y), 40 + bt < lt ? bt : lt);
    }
}

TEST(SelectionCopyPaste, PasteReadsTheMaskItWasCopiedThroughAfterTheMaskWasRebuilt) {
  auto layer = hairtest::RandomLayer(40, 40, 2);
  std::unique_ptr<CSelectionContour> owned = SelectionOver({{2, 2}, {30, 2}, {30, 30}, {2, 30}}, 5);
  CSelectionContour& selection = *owned;
  ASSERT_TRUE(selection.CopyToBuffer(*layer));
  // A smaller selection afterwards: the paste must not read past it.
  const std::vector<CPoint> small{{1, 1}, {3, 1}, {3, 3}};
  const CPolygonRegion region(small);
  ASSERT_TRUE(selection.BuildMask(5, 0, 0, &region));
  CDibAlpha copy(*layer);
  EXPECT_TRUE(selection.PasteBuffer(copy, selection.GetBufferPosition()));
}

}  // namespace
