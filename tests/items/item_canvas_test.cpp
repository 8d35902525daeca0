#include <gtest/gtest.h>

#include <memory>

#include "items/item_canvas.h"

namespace {

struct Pixel {
  int blue, green, red, alpha;
};

Pixel At(CDibAlpha& image, int x, int y) {
  const unsigned char* bits = image.LockBits();
  const unsigned char* plane = image.LockAlpha();
  const unsigned char* p = bits + static_cast<std::size_t>(image.Height() - 1 - y) * image.RowLength() + 3 * x;
  Pixel pixel{p[0], p[1], p[2], plane[static_cast<std::size_t>(y) * image.Width() + x]};
  image.UnlockAlpha();
  image.UnlockBits();
  return pixel;
}

// An item's soft edge must keep the item's own colour: a dark rim appears
// as soon as the colour of empty pixels is mixed into it when scaled.
TEST(ItemCanvas, EdgesKeepTheDrawnColourAndEmptyPixelsTakeTheirNeighbours) {
  ItemCanvas canvas({0, 0, 20, 10, 1});
  const Colour red{200, 40, 30};
  canvas.FillShape(0, 0, 20, 10, [](float x, float) { return x - 6.5f; }, red, 1.f, 3.f);
  std::unique_ptr<CDibAlpha> image = canvas.ToDibAlpha();
  ASSERT_TRUE(image);
  const Pixel inside = At(*image, 2, 5), edge = At(*image, 7, 5), empty = At(*image, 12, 5), far = At(*image, 19, 5);
  EXPECT_EQ(inside.alpha, 0);
  EXPECT_GT(edge.alpha, 0);
  EXPECT_LT(edge.alpha, 255);
  EXPECT_EQ(empty.alpha, 255);
  for (const Pixel& p : {inside, edge, empty, far}) {
    EXPECT_EQ(p.red, 200);
    EXPECT_EQ(p.green, 40);
    EXPECT_EQ(p.blue, 30);
  }
}

// A strand is laid down once: where its segments overlap at a joint it is
// no more opaque than along its length.
TEST(ItemCanvas, StrandJointsAreNoDarkerThanTheStrand) {
  ItemCanvas canvas({0, 0, 40, 20, 1});
  const Colour brown{90, 60, 40};
  canvas.Strand({{2, 10, 3, brown}, {20, 10, 3, brown}, {38, 10, 3, brown}}, 0.5f);
  EXPECT_NEAR(canvas.CoverageAt(20, 9), canvas.CoverageAt(10, 9), 1e-5);
  EXPECT_NEAR(canvas.CoverageAt(10, 9), 0.5f, 1e-5);
  // A second strand over the first adds to it, as hair does.
  canvas.Strand({{2, 10, 3, brown}, {38, 10, 3, brown}}, 0.5f);
  EXPECT_NEAR(canvas.CoverageAt(10, 9), 0.75f, 1e-5);
}

TEST(ItemCanvas, SameSeedSameStrandsAndDistancesAreSignedFromTheEdge) {
  ItemRandom a(7), b(7), c(8);
  for (int i = 0; i < 100; ++i) {
    const float x = a.Uniform(0, 1);
    EXPECT_EQ(x, b.Uniform(0, 1));
    EXPECT_GE(x, 0.f);
    EXPECT_LT(x, 1.f);
  }
  EXPECT_NE(ItemRandom(7).Next(), c.Next());
  EXPECT_NEAR(DistanceToEllipse(15, 0, 0, 0, 10, 5), 5, 1e-4);
  EXPECT_NEAR(DistanceToEllipse(0, -3, 0, 0, 10, 5), -2, 1e-4);
  EXPECT_NEAR(DistanceToRoundedBox(0, 0, 0, 0, 4, 2, 1), -2, 1e-5);
  EXPECT_NEAR(DistanceToPolygon(5, 5, {0, 0, 10, 0, 10, 10, 0, 10}), -5, 1e-5);
  EXPECT_NEAR(DistanceToPolygon(13, 5, {0, 0, 10, 0, 10, 10, 0, 10}), 3, 1e-5);
}

}  // namespace
