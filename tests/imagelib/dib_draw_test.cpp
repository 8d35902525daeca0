#include <gtest/gtest.h>

#include "imagelib/dib.h"
#include "platform/core/raster_dc.h"
#include "tests/imagelib/test_images.h"

using testimages::PatternColour;

namespace {

COLORREF ColourRef(testimages::Bgr c) { return RGB(c.red, c.green, c.blue); }

// Remembers where the last stretch went.
class RecordingDC : public CRasterDC {
 public:
  using CRasterDC::CRasterDC;
  int StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc, int ySrc, int srcWidth,
                    int srcHeight, const void* bits, const BITMAPINFOHEADER& info, unsigned long rop) override {
    lastDest = CRect(xDest, yDest, xDest + destWidth, yDest + destHeight);
    return CRasterDC::StretchDIBits(xDest, yDest, destWidth, destHeight, xSrc, ySrc, srcWidth, srcHeight, bits,
                                    info, rop);
  }
  CRect lastDest;
};

TEST(DibDraw, UnscaledStretchReproducesEveryPixel) {
  CDib image;
  testimages::MakePatternImage(image, 5, 3);
  CRasterDC dc(8, 8);
  ASSERT_TRUE(image.Stretch(&dc, CRect(2, 1, 7, 4)));
  EXPECT_EQ(dc.GetStretchBltMode(), COLORONCOLOR);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) EXPECT_EQ(dc.GetPixel(2 + x, 1 + y), ColourRef(PatternColour(x, y))) << x << "," << y;
  EXPECT_EQ(dc.GetPixel(1, 1), RGB(0, 0, 0));
}

TEST(DibDraw, SourceRectangleIsTakenTopDown) {
  CDib image;
  testimages::MakePatternImage(image, 4, 4);
  CRasterDC dc(4, 4);
  CRect source(1, 2, 3, 4);  // the bottom-middle 2x2
  ASSERT_TRUE(image.Draw(&dc, CRect(0, 0, 2, 2), &source));
  EXPECT_EQ(dc.GetPixel(0, 0), ColourRef(PatternColour(1, 2)));
  EXPECT_EQ(dc.GetPixel(1, 1), ColourRef(PatternColour(2, 3)));
}

TEST(DibDraw, DoublingRepeatsPixelsWithoutBlending) {
  CDib image;
  testimages::MakePatternImage(image, 2, 2);
  CRasterDC dc(4, 4);
  image.Stretch(&dc, CRect(0, 0, 4, 4));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(dc.GetPixel(x, y), ColourRef(PatternColour(x / 2, y / 2)));
}

TEST(DibDraw, WithoutStretchASmallerAreaShowsTheLeftColumnsAndBottomRows) {
  CDib image;
  testimages::MakePatternImage(image, 4, 4);
  CRasterDC dc(4, 4);
  ASSERT_TRUE(image.DrawWithoutStretch(&dc, CRect(0, 0, 2, 2)));
  EXPECT_EQ(dc.GetPixel(0, 0), ColourRef(PatternColour(0, 2)));
  EXPECT_EQ(dc.GetPixel(1, 1), ColourRef(PatternColour(1, 3)));
  EXPECT_EQ(dc.GetPixel(2, 0), RGB(0, 0, 0));
}

TEST(DibDraw, NothingToDrawWithoutABlock) {
  CDib empty;
  CRasterDC dc(2, 2);
  EXPECT_FALSE(empty.Stretch(&dc, CRect(0, 0, 2, 2)));
  EXPECT_FALSE(empty.DrawWithoutStretch(&dc, CPoint(0, 0), CSize(2, 2)));
  EXPECT_FALSE(empty.MaskDraw(&dc, CPoint(0, 0)));
  EXPECT_EQ(dc.PixelsWritten(), 0);
}

TEST(DibMaskDraw, BlackIsSkippedAndTheImageIsUnchanged) {
  CDib image;
  image.Create(CSize(3, 2));
  testimages::SetPixel(image, 2, 0, {1, 2, 3});
  testimages::SetPixel(image, 0, 1, {0, 0, 9});
  std::vector<unsigned char> before = testimages::BlockBytes(image);

  CRasterDC dc(6, 6, RGB(7, 7, 7));
  ASSERT_TRUE(image.MaskDraw(&dc, CPoint(2, 3)));
  EXPECT_EQ(dc.PixelsWritten(), 2);
  EXPECT_EQ(dc.GetPixel(4, 3), RGB(3, 2, 1));
  EXPECT_EQ(dc.GetPixel(2, 4), RGB(9, 0, 0));
  EXPECT_EQ(dc.GetPixel(3, 3), RGB(7, 7, 7));
  EXPECT_EQ(testimages::BlockBytes(image), before);
}

TEST(DibMaskDraw, AllBlackSetsNoPixel) {
  CDib image;
  image.Create(CSize(4, 4));
  CRasterDC dc(4, 4);
  image.MaskDraw(&dc, CPoint(0, 0));
  EXPECT_EQ(dc.PixelsWritten(), 0);
}

TEST(DibFitToRect, ReducesButOnlyEnlargesWhenAllowed) {
  CDib image;
  image.Create(CSize(100, 50));
  RecordingDC dc(400, 400);
  image.FitToRect(&dc, CRect(0, 0, 400, 400), false);
  EXPECT_EQ(dc.lastDest, CRect(150, 175, 250, 225));
  image.FitToRect(&dc, CRect(0, 0, 400, 400), true);
  EXPECT_EQ(dc.lastDest, CRect(0, 100, 400, 300));

  CDib large;
  large.Create(CSize(800, 200));
  large.FitToRect(&dc, CRect(10, 10, 210, 110), false);
  EXPECT_EQ(dc.lastDest, CRect(10, 35, 210, 85));
}

TEST(DibFitToRect, DegenerateRectangleDrawsNothing) {
  CDib image;
  image.Create(CSize(10, 10));
  RecordingDC dc(10, 10);
  image.FitToRect(&dc, CRect(5, 5, 5, 9), true);
  EXPECT_EQ(dc.PixelsWritten(), 0);
}

}  // namespace
