// The layer raster's lifecycle and the operations whose transparency plane
// must follow the colour.
#include <gtest/gtest.h>

#include <memory>

#include "imagelib/dib_alpha.h"
#include "tests/imagelib/image_builders.h"
#include "tests/imagelib/reference_alpha.h"
#include "tests/imagelib/reference_ops.h"

using reference::AlphaAt;
using reference::SetAlphaAt;

namespace {

// A layer with pattern colours and plane byte (x * 31 + y * 7) & 255.
std::unique_ptr<CDibAlpha> PatternLayer(int width, int height, unsigned seed = 3) {
  auto colour = testimg::RandomImage(width, height, seed);
  auto layer = std::make_unique<CDibAlpha>();
  layer->Create(colour.get(), 0);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) SetAlphaAt(*layer, x, y, static_cast<unsigned char>(x * 31 + y * 7));
  return layer;
}

bool IsIdentity(const CLut* lut) {
  if (!lut) return false;
  for (int i = 0; i < 256; ++i)
    if (lut->m_Blue[i] != i || lut->m_Green[i] != i || lut->m_Red[i] != i) return false;
  return true;
}

}  // namespace

TEST(AlphaLayer, CreationGivesATransparentPlaneAndAnIdentityTable) {
  CDibAlpha layer;
  EXPECT_EQ(layer.m_nOpacity, 100);
  EXPECT_FALSE(layer.HasAlpha());
  ASSERT_TRUE(layer.Create(CSize(3, 2), 0x0000FFul));
  EXPECT_TRUE(IsIdentity(layer.m_pLut));
  for (int y = 0; y < 2; ++y)
    for (int x = 0; x < 3; ++x) {
      EXPECT_EQ(AlphaAt(layer, x, y), 255);
      EXPECT_EQ(testimg::GetPixel(layer, x, y), (testimg::Pixel{0, 0, 255}));
    }

  ASSERT_TRUE(layer.Fill_Color(0x00FF00ul, 40));
  EXPECT_EQ(AlphaAt(layer, 2, 1), 40);
  EXPECT_EQ(testimg::GetPixel(layer, 2, 1), (testimg::Pixel{0, 255, 0}));

  layer.SetOpacity(0x132);  // the low byte is kept
  EXPECT_EQ(layer.m_nOpacity, 0x32);
  layer.m_bGrayIndex = true;
  layer.Empty();
  EXPECT_FALSE(layer.HasAlpha());
  EXPECT_EQ(layer.m_pLut, nullptr);
  EXPECT_EQ(layer.m_nOpacity, 100);
  EXPECT_TRUE(layer.m_bGrayIndex);  // the flag survives emptying
}

TEST(AlphaLayer, CopiesAreIndependentIncludingPlaneTableAndSettings) {
  auto layer = PatternLayer(4, 3);
  layer->m_pLut->SetBrightness(10);
  layer->m_bGrayIndex = true;
  layer->SetOpacity(60);

  CDibAlpha copy(*layer);
  CDibAlpha assigned;
  assigned = *layer;
  for (CDibAlpha* other : {&copy, &assigned}) {
    EXPECT_TRUE(testimg::SamePixels(*other, *layer));
    EXPECT_EQ(AlphaAt(*other, 3, 2), AlphaAt(*layer, 3, 2));
    EXPECT_EQ(other->m_pLut->m_Red[0], 10);
    EXPECT_NE(other->m_pLut, layer->m_pLut);
    EXPECT_TRUE(other->m_bGrayIndex);
    EXPECT_EQ(other->m_nOpacity, 60);
  }
  SetAlphaAt(copy, 0, 0, 1);
  EXPECT_NE(AlphaAt(*layer, 0, 0), 1);

  // Creating from itself keeps the colour rather than reading a freed block.
  auto before = testimg::GetPixel(*layer, 1, 1);
  ASSERT_TRUE(layer->Create(layer.get(), 9));
  EXPECT_EQ(testimg::GetPixel(*layer, 1, 1), before);
  EXPECT_EQ(AlphaAt(*layer, 1, 1), 9);
}

TEST(AlphaLayer, ResamplingCarriesThePlaneWithTheSameBoxesAndTaps) {
  // Odd sizes put box edges at different rows counted from the top than from
  // the bottom: the plane must average the same pixels as the colour.
  auto layer = PatternLayer(7, 5);
  // Make the plane equal to the blue channel so the two can be compared.
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) SetAlphaAt(*layer, x, y, testimg::GetPixel(*layer, x, y)[0]);

  const CSize sizes[] = {{3, 2}, {7, 5}, {11, 9}, {4, 8}, {12, 3}};
  for (CSize size : sizes) {
    std::unique_ptr<CDib> zoomed(layer->Zoom(size));
    auto* result = dynamic_cast<CDibAlpha*>(zoomed.get());
    ASSERT_NE(result, nullptr) << size.cx << "x" << size.cy;
    EXPECT_EQ(result->GetSize(), size);
    EXPECT_TRUE(IsIdentity(result->m_pLut));
    EXPECT_EQ(result->m_nOpacity, 100);
    for (int y = 0; y < size.cy; ++y)
      for (int x = 0; x < size.cx; ++x)
        ASSERT_EQ(AlphaAt(*result, x, y), testimg::GetPixel(*result, x, y)[0]) << x << "," << y;
  }
  // The colour is exactly the plain image's.
  CDib plain(*layer);
  std::unique_ptr<CDib> alphaZoom(layer->ZoomIn(CSize(3, 2)));
  EXPECT_TRUE(testimg::SamePixels(*alphaZoom, *reference::ZoomIn(plain, CSize(3, 2))));
}

TEST(AlphaLayer, CopyAndPasteMoveThePlaneAndClipAtTheEdges) {
  auto layer = PatternLayer(6, 4);
  std::unique_ptr<CDib> copied(layer->Edit_Copy(CRect(4, 2, 8, 5)));  // half outside
  auto* piece = dynamic_cast<CDibAlpha*>(copied.get());
  ASSERT_NE(piece, nullptr);
  EXPECT_EQ(piece->GetSize(), CSize(4, 3));
  EXPECT_EQ(AlphaAt(*piece, 1, 1), AlphaAt(*layer, 5, 3));
  EXPECT_EQ(testimg::GetPixel(*piece, 1, 1), testimg::GetPixel(*layer, 5, 3));
  EXPECT_EQ(AlphaAt(*piece, 2, 0), 255);  // outside: transparent and black
  EXPECT_EQ(testimg::GetPixel(*piece, 2, 0), testimg::Grey(0));
  EXPECT_EQ(AlphaAt(*piece, 0, 2), 255);

  CDibAlpha target;
  target.Create(CSize(5, 5), 0ul);
  ASSERT_TRUE(target.Edit_Paste(piece, CPoint(-1, 3)));
  EXPECT_EQ(AlphaAt(target, 0, 3), AlphaAt(*piece, 1, 0));
  EXPECT_EQ(testimg::GetPixel(target, 0, 4), testimg::GetPixel(*piece, 1, 1));
  EXPECT_EQ(AlphaAt(target, 0, 2), 255);

  // A plain image has no plane to paste: refused, nothing changes.
  CDib plain;
  plain.Create(CSize(2, 2), 0xFFFFFFul);
  CDibAlpha untouched(target);
  EXPECT_FALSE(target.Edit_Paste(&plain, CPoint(0, 0)));
  EXPECT_TRUE(testimg::SamePixels(target, untouched));
}

TEST(AlphaLayer, FlipsMirrorThePlaneWithTheColour) {
  auto layer = PatternLayer(5, 3);
  CDibAlpha original(*layer);
  ASSERT_TRUE(layer->Rotate_FlipHorizontal());
  EXPECT_EQ(AlphaAt(*layer, 0, 1), AlphaAt(original, 4, 1));
  EXPECT_EQ(AlphaAt(*layer, 1, 2), AlphaAt(original, 3, 2));
  ASSERT_TRUE(layer->Rotate_FlipVertical());
  EXPECT_EQ(AlphaAt(*layer, 0, 0), AlphaAt(original, 4, 2));
  EXPECT_EQ(testimg::GetPixel(*layer, 0, 0), testimg::GetPixel(original, 4, 2));
}

TEST(AlphaLayer, MeansCountOnlyVisiblePixels) {
  CDibAlpha layer;
  layer.Create(CSize(2, 2), 0ul);
  testimg::SetPixel(layer, 0, 0, {30, 20, 10});
  testimg::SetPixel(layer, 1, 0, {31, 21, 11});
  testimg::SetPixel(layer, 0, 1, {255, 255, 255});  // hidden: must not count
  SetAlphaAt(layer, 0, 0, 0);
  SetAlphaAt(layer, 1, 0, 254);

  double red = -1, green = -1, blue = -1;
  ASSERT_TRUE(layer.CalcMiddleValues(&red, &green, &blue));
  EXPECT_DOUBLE_EQ(red, 10.5);
  EXPECT_DOUBLE_EQ(green, 20.5);
  EXPECT_DOUBLE_EQ(blue, 30.5);
  unsigned long colour = 0;
  ASSERT_TRUE(layer.CalcMiddleColor(nullptr, &colour));
  EXPECT_EQ(colour, 0x1E140Aul);  // truncated means 30, 20, 10

  // Nothing visible: the means are reported as 0 and there is no colour.
  CRect hidden(0, 1, 2, 2);
  colour = 0xABCDEF;
  EXPECT_FALSE(layer.CalcMiddleColor(&hidden, &colour));
  EXPECT_EQ(colour, 0xABCDEFul);
  layer.Fill_Color(0x112233ul, 255);
  ASSERT_TRUE(layer.CalcMiddleValues(&red, &green, &blue));
  EXPECT_EQ(red + green + blue, 0.0);

  CDibAlpha empty;
  EXPECT_FALSE(empty.CalcMiddleValues(&red, &green, &blue));
}
