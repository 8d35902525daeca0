#include <gtest/gtest.h>

#include <memory>

#include "imagelib/dib.h"
#include "tests/imagelib/image_builders.h"
#include "tests/imagelib/reference_ops.h"

using testimg::GetPixel;
using testimg::Grey;
using testimg::Pixel;
using testimg::RandomImage;
using testimg::SamePixels;

namespace {

const Pixel kBlack{0, 0, 0};

std::unique_ptr<CDib> Solid(CSize size, unsigned long color) {
  auto image = std::make_unique<CDib>();
  image->Create(size, color);
  return image;
}

}  // namespace

TEST(EditCopy, KeepsPixelsInsideAndBlackOutside) {
  auto image = RandomImage(6, 5, 1);
  std::unique_ptr<CDib> copy(image->Edit_Copy(CRect(4, 3, 1, 8)));  // given reversed: normalised
  ASSERT_TRUE(copy);
  EXPECT_EQ(copy->GetSize(), CSize(3, 5));
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 3; ++x)
      EXPECT_EQ(GetPixel(*copy, x, y), y + 3 < 5 ? GetPixel(*image, x + 1, y + 3) : kBlack);

  std::unique_ptr<CDib> outside(image->Edit_Copy(CRect(-10, -10, -2, -1)));
  ASSERT_TRUE(outside);
  EXPECT_EQ(GetPixel(*outside, 7, 8), kBlack);
}

TEST(EditCut, CopiesFromTheStartAndNeverPastEitherImage) {
  auto source = RandomImage(5, 4, 2);
  auto target = Solid(CSize(4, 4), 0x0A0B0Cul);
  ASSERT_TRUE(target->Edit_Cut(source.get(), CPoint(2, 1)));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(GetPixel(*target, x, y), (x < 3 && y < 3) ? GetPixel(*source, x + 2, y + 1) : (Pixel{0x0A, 0x0B, 0x0C}));

  // Starts beyond the source's right or bottom edge copy nothing.
  auto untouched = Solid(CSize(4, 4), 0x0A0B0Cul);
  EXPECT_TRUE(untouched->Edit_Cut(source.get(), CPoint(9, 0)));
  EXPECT_TRUE(untouched->Edit_Cut(source.get(), CPoint(0, 9)));
  EXPECT_TRUE(SamePixels(*untouched, *Solid(CSize(4, 4), 0x0A0B0Cul)));

  // A start above the source leaves the rows that have no source row.
  auto above = Solid(CSize(2, 3), 0ul);
  EXPECT_TRUE(above->Edit_Cut(source.get(), CPoint(0, -1)));
  EXPECT_EQ(GetPixel(*above, 1, 0), kBlack);
  EXPECT_EQ(GetPixel(*above, 1, 1), GetPixel(*source, 1, 0));
}

TEST(EditCut2, TakesTheSecondImageWhereItLiesOverTheFirst) {
  auto first = RandomImage(9, 8, 3);
  auto second = RandomImage(3, 4, 4);
  for (CPoint firstStart : {CPoint(0, 0), CPoint(2, 1), CPoint(-3, -2), CPoint(7, 6)})
    for (CPoint secondStart : {CPoint(3, 2), CPoint(-1, 5), CPoint(8, -2), CPoint(20, 20)}) {
      auto fast = Solid(CSize(5, 6), 0x445566ul);
      auto direct = Solid(CSize(5, 6), 0x445566ul);
      ASSERT_TRUE(fast->Edit_Cut2(first.get(), second.get(), firstStart, secondStart));
      reference::Cut2(*direct, *first, *second, firstStart, secondStart);
      EXPECT_TRUE(SamePixels(*fast, *direct));
    }
}

TEST(EditPaste, ClipsAtEveryEdgeAndReadsItselfBeforeWriting) {
  auto tile = RandomImage(3, 2, 5);
  for (CPoint at : {CPoint(-2, -1), CPoint(3, 4), CPoint(1, 1), CPoint(9, 0)}) {
    auto target = Solid(CSize(5, 5), 0ul);
    ASSERT_TRUE(target->Edit_Paste(tile.get(), at));
    for (int y = 0; y < 5; ++y)
      for (int x = 0; x < 5; ++x) {
        int sx = x - at.x, sy = y - at.y;
        bool inTile = sx >= 0 && sy >= 0 && sx < 3 && sy < 2;
        EXPECT_EQ(GetPixel(*target, x, y), inTile ? GetPixel(*tile, sx, sy) : kBlack);
      }
  }
  auto image = RandomImage(4, 4, 6);
  CDib original(*image);
  ASSERT_TRUE(image->Edit_Paste(image.get(), CPoint(1, 1)));
  EXPECT_EQ(GetPixel(*image, 3, 3), GetPixel(original, 2, 2));
  EXPECT_EQ(GetPixel(*image, 1, 1), GetPixel(original, 0, 0));
}

TEST(EditPasteTransform, SameSizeCopiesAndScaledMatchesTheFormula) {
  auto source = RandomImage(5, 3, 7);
  auto target = Solid(CSize(8, 6), 0ul);
  ASSERT_TRUE(target->Edit_PasteTransform(source.get(), CPoint(2, 1), CSize(5, 3)));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(GetPixel(*target, x + 2, y + 1), GetPixel(*source, x, y));
  EXPECT_EQ(GetPixel(*target, 1, 1), kBlack);

  for (CSize size : {CSize(11, 7), CSize(2, 2), CSize(1, 9), CSize(13, 1)})
    for (CPoint at : {CPoint(0, 0), CPoint(-4, 3), CPoint(5, -6)}) {
      auto fast = Solid(CSize(9, 7), 0x808080ul);
      auto direct = Solid(CSize(9, 7), 0x808080ul);
      ASSERT_TRUE(fast->Edit_PasteTransform(source.get(), at, size));
      reference::PasteTransform(*direct, *source, at, size);
      EXPECT_TRUE(SamePixels(*fast, *direct)) << size.cx << "x" << size.cy;
    }
  // An empty or absent destination is no work, not a failure.
  EXPECT_TRUE(target->Edit_PasteTransform(source.get(), CPoint(0, 0), CSize(0, 4)));
  EXPECT_TRUE(target->Edit_PasteTransform(source.get(), CPoint(50, 0), CSize(3, 3)));
}

TEST(EditOperations, FailWithoutPixels) {
  CDib empty;
  auto image = RandomImage(2, 2, 8);
  EXPECT_EQ(empty.Edit_Copy(CRect(0, 0, 1, 1)), nullptr);
  EXPECT_FALSE(image->Edit_Paste(&empty, CPoint(0, 0)));
  EXPECT_FALSE(image->Edit_Paste(nullptr, CPoint(0, 0)));
  EXPECT_FALSE(empty.Edit_Cut(image.get(), CPoint(0, 0)));
  EXPECT_FALSE(image->Edit_Cut2(image.get(), nullptr, CPoint(), CPoint()));
  EXPECT_FALSE(empty.Fill_ColorRect(CRect(0, 0, 1, 1), 0));
  EXPECT_FALSE(image->Fill_Texture(&empty));
}

TEST(FillColorRect, FillsOnlyThePartInsideTheImage) {
  auto image = Solid(CSize(4, 3), 0ul);
  ASSERT_TRUE(image->Fill_ColorRect(CRect(2, -5, 10, 2), 0x0000FFul));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 4; ++x)
      EXPECT_EQ(GetPixel(*image, x, y), (x >= 2 && y < 2) ? (Pixel{0, 0, 255}) : kBlack);
  EXPECT_TRUE(image->Fill_ColorRect(CRect(5, 5, 9, 9), 0xFFFFFFul));
}

// Counts the virtual pastes so a derived image is seen to take part.
class PasteCountingDib : public CDib {
 public:
  bool Edit_Paste(CDib* source, CPoint at) override {
    ++pastes;
    return CDib::Edit_Paste(source, at);
  }
  int pastes = 0;
};

TEST(FillTexture, TilesThroughTheVirtualPasteAndClipsTheLastTiles) {
  PasteCountingDib image;
  ASSERT_TRUE(image.Create(CSize(7, 7)));
  auto tile = RandomImage(3, 3, 9);
  ASSERT_TRUE(image.Fill_Texture(tile.get()));
  EXPECT_EQ(image.pastes, 9);
  auto direct = Solid(CSize(7, 7), 0ul);
  reference::FillTexture(*direct, *tile);
  EXPECT_TRUE(SamePixels(image, *direct));

  for (CSize size : {CSize(1, 1), CSize(5, 2), CSize(8, 11)}) {
    auto odd = RandomImage(size.cx, size.cy, 10);
    auto fast = Solid(CSize(13, 9), 0ul), expected = Solid(CSize(13, 9), 0ul);
    ASSERT_TRUE(fast->Fill_Texture(odd.get()));
    reference::FillTexture(*expected, *odd);
    EXPECT_TRUE(SamePixels(*fast, *expected));
  }
}
