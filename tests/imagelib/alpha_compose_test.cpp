// Drawing layers onto backgrounds and merging layers: the blend arithmetic,
// the table mapping, opacity, clipping, and the fast walk against the direct
// formula.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <random>

#include "imagelib/dib_alpha.h"
#include "tests/imagelib/image_builders.h"
#include "tests/imagelib/reference_alpha.h"

using reference::AlphaAt;
using reference::SetAlphaAt;

namespace {

std::unique_ptr<CDibAlpha> RandomLayer(int width, int height, unsigned seed) {
  auto colour = testimg::RandomImage(width, height, seed);
  auto layer = std::make_unique<CDibAlpha>();
  layer->Create(colour.get(), 0);
  auto planeSource = testimg::RandomImage(width, height, seed + 100);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      unsigned char value = testimg::GetPixel(*planeSource, x, y)[0];
      // Plenty of the special values 0 and 255 besides the blends.
      SetAlphaAt(*layer, x, y, value < 60 ? 0 : value > 200 ? 255 : value);
    }
  return layer;
}

std::unique_ptr<CDib> Uniform(CSize size, testimg::Pixel colour) {
  auto image = std::make_unique<CDib>();
  image->Create(size);
  for (int y = 0; y < size.cy; ++y)
    for (int x = 0; x < size.cx; ++x) testimg::SetPixel(*image, x, y, colour);
  return image;
}

}  // namespace

TEST(DrawToDib, BlendsByTransparencyAndSkipsHiddenPixels) {
  CDibAlpha layer;
  layer.Create(CSize(3, 1), 0ul);
  testimg::SetPixel(layer, 0, 0, testimg::Grey(200));
  testimg::SetPixel(layer, 1, 0, testimg::Grey(200));
  testimg::SetPixel(layer, 2, 0, testimg::Grey(200));
  SetAlphaAt(layer, 0, 0, 0);
  SetAlphaAt(layer, 1, 0, 128);
  SetAlphaAt(layer, 2, 0, 255);
  layer.SetOpacity(0);  // not used by this drawing
  auto background = Uniform(CSize(4, 2), testimg::Grey(100));

  std::unique_ptr<CDib> drawn(layer.DrawToDib(background.get(), CPoint(1, 1), nullptr));
  ASSERT_NE(drawn, nullptr);
  EXPECT_EQ(testimg::GetPixel(*drawn, 1, 1), testimg::Grey(200));
  EXPECT_EQ(testimg::GetPixel(*drawn, 2, 1), testimg::Grey(150));  // 200 - trunc(128 x 100 / 255)
  EXPECT_EQ(testimg::GetPixel(*drawn, 3, 1), testimg::Grey(100));
  EXPECT_EQ(testimg::GetPixel(*drawn, 1, 0), testimg::Grey(100));
  EXPECT_EQ(testimg::GetPixel(*background, 1, 1), testimg::Grey(100));  // the background is untouched

  // The drawn part limits what is drawn; positions off the background clip.
  CRect part(1, 0, 3, 1);
  std::unique_ptr<CDib> partial(layer.DrawToDib(background.get(), CPoint(-1, 0), &part));
  EXPECT_EQ(testimg::GetPixel(*partial, 0, 0), testimg::Grey(150));
  EXPECT_EQ(testimg::GetPixel(*partial, 1, 0), testimg::Grey(100));
}

TEST(DrawToDib, MapsColoursThroughTheTableByChannelOrByGrey) {
  CDibAlpha layer;
  layer.Create(CSize(1, 1), 0ul);
  layer.Fill_Color(0x5A5A5Aul, 0);  // grey 90
  for (int i = 0; i < 256; ++i) layer.m_pLut->m_Red[i] = 255;
  layer.m_pLut->m_Blue[90] = 7;
  auto background = Uniform(CSize(1, 1), testimg::Grey(0));

  std::unique_ptr<CDib> perChannel(layer.DrawToDib(background.get(), CPoint(0, 0), nullptr));
  EXPECT_EQ(testimg::GetPixel(*perChannel, 0, 0), (testimg::Pixel{7, 90, 255}));

  testimg::SetPixel(layer, 0, 0, {60, 90, 120});  // grey (60 + 90 + 120) / 3 = 90
  layer.m_bGrayIndex = true;
  std::unique_ptr<CDib> byGrey(layer.DrawToDib(background.get(), CPoint(0, 0), nullptr));
  EXPECT_EQ(testimg::GetPixel(*byGrey, 0, 0), (testimg::Pixel{7, 90, 255}));

  delete layer.m_pLut;
  layer.m_pLut = nullptr;
  std::unique_ptr<CDib> raw(layer.DrawToDib(background.get(), CPoint(0, 0), nullptr));
  EXPECT_EQ(testimg::GetPixel(*raw, 0, 0), (testimg::Pixel{60, 90, 120}));
}

// The fast walk against the direct formula, byte for byte, over rotations,
// scales, table modes, opacities and areas that do not start at 0.
TEST(PutUnderRectTransform, MatchesTheDirectFormulaExactly) {
  auto layer = RandomLayer(37, 29, 11);
  auto background = testimg::RandomImage(80, 70, 12);
  struct Case {
    double degrees;
    CSize scaled;
    CPoint at;
    CRect area;
    int opacity;
    int tableMode;  // 0 none, 1 per channel, 2 grey index
  };
  const Case cases[] = {
      {0, {37, 29}, {5, 7}, {0, 0, 80, 70}, 100, 0},     {17, {48, 38}, {-9, 3}, {0, 0, 80, 70}, 100, 1},
      {-75, {20, 60}, {30, 20}, {10, 5, 60, 66}, 50, 2}, {180, {37, 29}, {50, 50}, {0, 0, 80, 70}, 0, 1},
      {123, {90, 90}, {-20, -30}, {3, 4, 79, 70}, 73, 0},
  };
  for (const Case& c : cases) {
    const double radians = c.degrees * 3.141592653589793 / 180;
    const double sine = std::sin(radians), cosine = std::cos(radians);
    const CSize box(static_cast<int>(std::ceil(std::abs(c.scaled.cx * cosine) + std::abs(c.scaled.cy * sine))),
                    static_cast<int>(std::ceil(std::abs(c.scaled.cx * sine) + std::abs(c.scaled.cy * cosine))));
    layer->SetOpacity(c.opacity);
    layer->m_pLut->SetDefault();
    if (c.tableMode) layer->m_pLut->SetBrightness(-40);
    layer->m_bGrayIndex = c.tableMode == 2;

    std::unique_ptr<CDib> fast(
        layer->PutUnderRectTransform(background.get(), c.at, c.area, sine, cosine, c.scaled, box));
    auto direct = reference::PutUnderRectTransform(*layer, *background, c.at, c.area, sine, cosine, c.scaled, box);
    ASSERT_NE(fast, nullptr);
    EXPECT_TRUE(testimg::SamePixels(*fast, *direct)) << "angle " << c.degrees;
  }
}

namespace {

// One placement of a layer: its frame, box and where the box lands.
struct Placement {
  double sine, cosine;
  CSize scaled, box;
  CPoint at;
};

// The box the program gives a layer scaled to `scaled` and turned.
CSize BoxOf(CSize scaled, double sine, double cosine) {
  return CSize(static_cast<int>(std::ceil(std::abs(scaled.cx * cosine) + std::abs(scaled.cy * sine))),
               static_cast<int>(std::ceil(std::abs(scaled.cx * sine) + std::abs(scaled.cy * cosine))));
}

// Draws the placement with both library variants and the direct formula and
// reports where they part.
::testing::AssertionResult AllThreeAgree(CDibAlpha& layer, CDib& background, const Placement& p, CRect area) {
  std::unique_ptr<CDib> copied(
      layer.PutUnderRectTransform(&background, p.at, area, p.sine, p.cosine, p.scaled, p.box));
  auto direct = reference::PutUnderRectTransform(layer, background, p.at, area, p.sine, p.cosine, p.scaled, p.box);
  if (!copied || !testimg::SamePixels(*copied, *direct)) return ::testing::AssertionFailure() << "into a copy";

  CDib under(background);
  const HGLOBAL block = under.GetHandle();
  if (!layer.PutUnderRectTransformInPlace(&under, p.at, p.sine, p.cosine, p.scaled, p.box))
    return ::testing::AssertionFailure() << "in place refused";
  if (under.GetHandle() != block) return ::testing::AssertionFailure() << "in place replaced the raster";
  const CRect whole(0, 0, background.Width(), background.Height());
  auto directWhole =
      reference::PutUnderRectTransform(layer, background, p.at, whole, p.sine, p.cosine, p.scaled, p.box);
  if (!testimg::SamePixels(under, *directWhole)) return ::testing::AssertionFailure() << "in place";

  // The kept samples laid under the whole background, and under a copy of
  // the area alone, give the in-place drawing's pixels.
  std::unique_ptr<CLayerSamples> samples =
      layer.SampleRectTransform(background.GetSize(), p.at, p.sine, p.cosine, p.scaled, p.box);
  CDib sampled(background);
  if (samples) samples->PutUnder(sampled, CPoint(0, 0));
  if (!testimg::SamePixels(sampled, *directWhole)) return ::testing::AssertionFailure() << "samples";
  std::unique_ptr<CDib> part(background.Edit_Copy(area));
  std::unique_ptr<CDib> expectedPart(directWhole->Edit_Copy(area));
  if (samples) samples->PutUnder(*part, area.TopLeft());
  if (!testimg::SamePixels(*part, *expectedPart)) return ::testing::AssertionFailure() << "samples of the area";
  return ::testing::AssertionSuccess();
}

}  // namespace

// Random frames over everything the walk treats apart: exact quarter turns
// and their computed near-zero sines, tiny and negative angles, enlarging and
// shrinking scales, boxes hanging off each side, partial areas, opacities
// (also above 100) and all three table modes with scrambled tables.
TEST(PutUnderRectTransform, BothVariantsMatchTheDirectFormulaOverRandomFrames) {
  std::mt19937 random(7);
  auto pick = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
  const double exactTurns[][2] = {{0.0, 1.0}, {1.0, 0.0}, {0.0, -1.0}, {-1.0, 0.0}, {-0.0, 1.0}};
  const double angles[] = {0, 90, 180, 270, -90, 1e-7, -1e-7, 0.5, 17, -33, 45, 135, -170, 359.9};

  for (int trial = 0; trial < 240; ++trial) {
    SCOPED_TRACE(trial);
    auto layer = RandomLayer(pick(1, 40), pick(1, 40), 1000 + trial);
    auto background = testimg::RandomImage(pick(1, 70), pick(1, 60), 2000 + trial);
    Placement p;
    if (trial % 4 == 0) {
      const auto& turn = exactTurns[pick(0, 4)];
      p.sine = turn[0], p.cosine = turn[1];
    } else {
      const double degrees = trial % 4 == 1 ? angles[pick(0, 13)] : pick(-36000, 36000) / 100.0;
      const double radians = degrees * 3.141592653589793 / 180;
      p.sine = std::sin(radians), p.cosine = std::cos(radians);
    }
    // From a quarter to four times the layer's size, each side on its own.
    // With quarter turns, sizes of tens make decimal steps (0.1, 0.35, ...)
    // whose running sums meet whole numbers, where only the exact order of
    // additions truncates right.
    const int tens[] = {10, 20, 40, 50};
    p.scaled = trial % 4 == 0 ? CSize(tens[pick(0, 3)], tens[pick(0, 3)])
                              : CSize(std::max(1, layer->Width() * pick(25, 400) / 100),
                                      std::max(1, layer->Height() * pick(25, 400) / 100));
    p.box = BoxOf(p.scaled, p.sine, p.cosine);
    // Anywhere from fully off the left or top to fully off the right or bottom.
    p.at = CPoint(pick(-p.box.cx - 2, background->Width() + 2), pick(-p.box.cy - 2, background->Height() + 2));
    CRect area(pick(0, background->Width() - 1), pick(0, background->Height() - 1), 0, 0);
    area.right = pick(area.left + 1, background->Width());
    area.bottom = pick(area.top + 1, background->Height());

    const int opacities[] = {0, 1, 50, 99, 100, 150};
    layer->SetOpacity(opacities[pick(0, 5)]);
    const int tableMode = pick(0, 2);
    if (tableMode == 0) {
      delete layer->m_pLut;
      layer->m_pLut = nullptr;
    } else {
      for (int i = 0; i < 768; ++i) layer->m_pLut->Data()[i] = static_cast<unsigned char>(random());
    }
    layer->m_bGrayIndex = tableMode == 2;

    ASSERT_TRUE(AllThreeAgree(*layer, *background, p, area));
  }
}

// Every blend term against colours as far apart as bytes go, in rows long
// enough for the eight-pixel path and with a ragged end for the plain one;
// runs the layer leaves alone, whole and partly, come in between.
TEST(PutUnderRectTransform, SamplesBlendEveryTermLikeTheFormula) {
  const int width = 259;
  auto layer = RandomLayer(width, 6, 71);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < width; ++x) {
      const int term = y % 2 == 0 ? (x + 37 * y) % 256 : (x / 9) % 3 == 0 ? x % 256 : 255;
      SetAlphaAt(*layer, x, y, static_cast<unsigned char>(term));
      if (y < 2) testimg::SetPixel(*layer, x, y, testimg::Grey(y == 0 ? 255 : 0));
    }
  delete layer->m_pLut;
  layer->m_pLut = nullptr;
  auto background = testimg::RandomImage(width + 3, 8, 72);
  for (int x = 0; x < width + 3; ++x) {
    testimg::SetPixel(*background, x, 1, {0, 0, 0});
    testimg::SetPixel(*background, x, 2, {255, 255, 255});
  }
  const Placement p{0.0, 1.0, CSize(width, 6), CSize(width, 6), CPoint(1, 1)};
  EXPECT_TRUE(AllThreeAgree(*layer, *background, p, CRect(0, 0, width + 3, 8)));
  EXPECT_TRUE(AllThreeAgree(*layer, *background, p, CRect(5, 0, width - 4, 8)));
}

// An area large enough to be shared between threads, with runs of columns
// longer than the walk's buffer and rows leaving the layer on either side.
TEST(PutUnderRectTransform, LargeAreasMatchTheDirectFormula) {
  auto layer = RandomLayer(210, 160, 51);
  layer->SetOpacity(80);
  layer->m_pLut->SetBrightness(25);
  auto background = testimg::RandomImage(620, 290, 52);
  // At 60 and 150 degrees the top rows meet the layer only past the first
  // run of columns.
  for (const double degrees : {0.0, 11.0, 60.0, 150.0, -100.0}) {
    SCOPED_TRACE(degrees);
    const double radians = degrees * 3.141592653589793 / 180;
    Placement p;
    p.sine = std::sin(radians), p.cosine = std::cos(radians);
    p.scaled = CSize(500, 333);
    p.box = BoxOf(p.scaled, p.sine, p.cosine);
    p.at = CPoint(40, -10);
    EXPECT_TRUE(AllThreeAgree(*layer, *background, p, CRect(0, 0, 620, 290)));
  }
}

// Frames whose positions leave any integer range: a zero scale divides by
// zero, and a frame with enormous sine and cosine steps far past the layer.
// Nothing may be read outside the layer and the bytes still follow the
// formula (which draws nothing where the position is not a number).
TEST(PutUnderRectTransform, DegenerateFramesFollowTheFormula) {
  auto layer = RandomLayer(30, 20, 61);
  auto background = testimg::RandomImage(50, 40, 62);
  const Placement frames[] = {
      {0.3, 0.9, CSize(0, 20), CSize(40, 30), CPoint(2, 3)},
      {0.0, 1.0, CSize(0, 0), CSize(40, 30), CPoint(2, 3)},
      {4e8, -3e8, CSize(30, 20), CSize(45, 35), CPoint(-4, -2)},
      {1e-300, 1.0, CSize(30, 20), CSize(30, 20), CPoint(5, 5)},
  };
  for (const Placement& p : frames) EXPECT_TRUE(AllThreeAgree(*layer, *background, p, CRect(3, 1, 47, 40)));
}

TEST(PutUnderRectTransformInPlace, RefusesWhatItCannotDrawIntoAndLeavesMissedRastersAlone) {
  auto layer = RandomLayer(8, 8, 71);
  CDib empty;
  EXPECT_FALSE(layer->PutUnderRectTransformInPlace(nullptr, CPoint(0, 0), 0, 1, CSize(8, 8), CSize(8, 8)));
  EXPECT_FALSE(layer->PutUnderRectTransformInPlace(&empty, CPoint(0, 0), 0, 1, CSize(8, 8), CSize(8, 8)));
  CDibAlpha before(*layer);
  EXPECT_FALSE(layer->PutUnderRectTransformInPlace(layer.get(), CPoint(0, 0), 0, 1, CSize(8, 8), CSize(8, 8)));
  EXPECT_TRUE(testimg::SamePixels(*layer, before));

  auto background = testimg::RandomImage(10, 10, 72);
  CDib under(*background);
  EXPECT_TRUE(layer->PutUnderRectTransformInPlace(&under, CPoint(10, 0), 0, 1, CSize(8, 8), CSize(8, 8)));
  EXPECT_TRUE(layer->PutUnderRectTransformInPlace(&under, CPoint(0, -8), 0, 1, CSize(8, 8), CSize(8, 8)));
  EXPECT_TRUE(testimg::SamePixels(under, *background));
}

TEST(PutUnderRectTransform, AreaNotAtTheOriginKeepsResultAndBackgroundAligned) {
  CDibAlpha layer;
  layer.Create(CSize(2, 2), 0ul);
  layer.Fill_Color(0xFFFFFFul, 0);
  auto background = testimg::RandomImage(10, 10, 5);
  CRect area(3, 4, 9, 10);
  std::unique_ptr<CDib> result(
      layer.PutUnderRectTransform(background.get(), CPoint(5, 6), area, 0.0, 1.0, CSize(2, 2), CSize(2, 2)));
  ASSERT_NE(result, nullptr);
  ASSERT_EQ(result->GetSize(), CSize(6, 6));
  // The layer covers background (5..6, 6..7), which is result (2..3, 2..3).
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 6; ++x) {
      const bool covered = x >= 2 && x < 4 && y >= 2 && y < 4;
      EXPECT_EQ(testimg::GetPixel(*result, x, y),
                covered ? testimg::Grey(255) : testimg::GetPixel(*background, x + 3, y + 4))
          << x << "," << y;
    }
}

TEST(PutUnderRectTransform, OpacityAndRefusedAreas) {
  auto layer = RandomLayer(6, 6, 21);
  layer->Fill_Color(0xFFFFFFul, 0);
  auto background = Uniform(CSize(6, 6), testimg::Grey(0));
  const CRect whole(0, 0, 6, 6);

  layer->SetOpacity(0);
  std::unique_ptr<CDib> none(
      layer->PutUnderRectTransform(background.get(), CPoint(0, 0), whole, 0, 1, CSize(6, 6), CSize(6, 6)));
  EXPECT_TRUE(testimg::SamePixels(*none, *background));

  layer->SetOpacity(50);  // adds 127: 255 - trunc(127 x c x 255) = 128
  std::unique_ptr<CDib> half(
      layer->PutUnderRectTransform(background.get(), CPoint(0, 0), whole, 0, 1, CSize(6, 6), CSize(6, 6)));
  EXPECT_EQ(testimg::GetPixel(*half, 3, 3), testimg::Grey(128));

  // A stored opacity above 100 draws fully opaque instead of overshooting.
  layer->SetOpacity(200);
  std::unique_ptr<CDib> over(
      layer->PutUnderRectTransform(background.get(), CPoint(0, 0), whole, 0, 1, CSize(6, 6), CSize(6, 6)));
  EXPECT_EQ(testimg::GetPixel(*over, 3, 3), testimg::Grey(255));

  EXPECT_EQ(layer->PutUnderRectTransform(background.get(), CPoint(0, 0), CRect(-1, 0, 3, 3), 0, 1, {6, 6}, {6, 6}),
            nullptr);
  EXPECT_EQ(layer->PutUnderRectTransform(background.get(), CPoint(0, 0), CRect(0, 0, 7, 3), 0, 1, {6, 6}, {6, 6}),
            nullptr);
}

// Unrotated and unscaled, the transform lands every layer pixel where
// DrawToDib does. The blends group their products differently
// ((t x c) x diff against (t x diff) x c), so a truncated channel may differ
// by one; nothing else may.
TEST(PutUnderRectTransform, UnrotatedReproducesDrawToDibUpToRounding) {
  auto layer = RandomLayer(23, 17, 31);
  auto background = testimg::RandomImage(40, 30, 32);
  std::unique_ptr<CDib> drawn(layer->DrawToDib(background.get(), CPoint(9, 4), nullptr));
  std::unique_ptr<CDib> put(layer->PutUnderRectTransform(background.get(), CPoint(9, 4), CRect(0, 0, 40, 30), 0.0,
                                                         1.0, layer->GetSize(), layer->GetSize()));
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x)
      for (int k = 0; k < 3; ++k)
        ASSERT_LE(std::abs(testimg::GetPixel(*drawn, x, y)[k] - testimg::GetPixel(*put, x, y)[k]), 1);
}

TEST(MergeTransformed, IdentityCopiesTheSourceKeepingTheSmallerTransparency) {
  CDibAlpha target;
  target.Create(CSize(6, 5), 0ul);
  target.Fill_Color(0x000000ul, 100);
  auto source = RandomLayer(3, 2, 41);
  SetAlphaAt(*source, 0, 0, 0);
  SetAlphaAt(*source, 1, 0, 255);
  SetAlphaAt(*source, 2, 0, 51);
  ASSERT_TRUE(target.MergeTransformed(source.get(), CPoint(2, 1), 0.0, 1.0, 1.0, CPoint(0, 0)));

  EXPECT_EQ(AlphaAt(target, 2, 1), 0);
  EXPECT_EQ(AlphaAt(target, 3, 1), 100);
  EXPECT_EQ(AlphaAt(target, 4, 1), 51);
  EXPECT_EQ(AlphaAt(target, 1, 1), 100);  // outside the source
  EXPECT_EQ(testimg::GetPixel(target, 2, 1), testimg::GetPixel(*source, 0, 0));  // opaque: the source colour
  EXPECT_EQ(testimg::GetPixel(target, 3, 1), testimg::Grey(0));                 // hidden: unchanged
  const testimg::Pixel src = testimg::GetPixel(*source, 2, 0);
  const double z = (255 - 51) * 0.00392156862745098;
  EXPECT_EQ(testimg::GetPixel(target, 4, 1)[1], static_cast<unsigned char>(z * src[1]));
}

TEST(MergeTransformed, TurnsAboutThePivotAndSurvivesDegenerateScales) {
  CDibAlpha target;
  target.Create(CSize(9, 9), 0ul);
  target.Fill_Color(0ul, 255);
  CDibAlpha source;
  source.Create(CSize(3, 1), 0ul);
  source.Fill_Color(0xFFFFFFul, 0);
  // A quarter turn about the source's first pixel, landing on (4, 4): the
  // row of three becomes a column. The bounding box is three rows tall, but
  // the inverse mapping samples half a pixel further out, so its first row
  // falls past the source's end and two pixels are drawn.
  ASSERT_TRUE(target.MergeTransformed(&source, CPoint(4, 4), 3.141592653589793 / 2, 1.0, 1.0, CPoint(0, 0)));
  int opaque = 0;
  for (int y = 0; y < 9; ++y)
    for (int x = 0; x < 9; ++x)
      if (AlphaAt(target, x, y) == 0) {
        ++opaque;
        EXPECT_EQ(x, 4) << y;
      }
  EXPECT_EQ(opaque, 2);

  // A zero scale leaves no defined box: nothing is merged. A tiny one
  // enlarges the source beyond any size; only the target's part is walked.
  CDibAlpha before(target);
  EXPECT_TRUE(target.MergeTransformed(&source, CPoint(4, 4), 0.3, 0.0, 1.0, CPoint(1, 0)));
  EXPECT_TRUE(testimg::SamePixels(target, before));
  EXPECT_TRUE(target.MergeTransformed(&source, CPoint(4, 4), 0.3, 1e-300, 1e-300, CPoint(1, 0)));
}
