// Composing against a direct per-pixel composition of the same layers, in
// the order the user sees them stacked: the view, dirty rectangles, the
// sets' draw orders, and rendering projections into rasters.
#include <gtest/gtest.h>

#include <cmath>

#include "app/document/cross_dissolve.h"
#include "app/document/projection_render.h"
#include "tests/document/document_fixture.h"
#include "tests/imagelib/reference_alpha.h"

using testdocument::DocumentTest;
using testdocument::MakeItem;
using testdocument::MakePhoto;
using testimages::PixelAt;

namespace {

// `base`'s part `area` with `layers` pushed under it one by one by the
// direct formula.
std::unique_ptr<CDib> DirectComposition(CDib& base, const CRect& area, const std::vector<CLayer*>& layers) {
  std::unique_ptr<CDib> under(base.Edit_Copy(area));
  for (CLayer* layer : layers) {
    const CRect box = layer->GetBoundingRect();
    under = reference::PutUnderRectTransform(*layer->GetImage(), *under,
                                             CPoint(box.left - area.left, box.top - area.top),
                                             CRect(0, 0, under->Width(), under->Height()), layer->GetSine(),
                                             layer->GetCosine(), layer->GetSize(), box.Size());
  }
  return under;
}

// Counts the surface's pixels in `area` that differ from `expected`.
int Differences(const CRasterDC& surface, CDib& expected, const CRect& area) {
  int differences = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) {
      const testimages::Bgr e = PixelAt(expected, x - area.left, y - area.top);
      if (surface.GetPixel(x, y) != RGB(e.red, e.green, e.blue)) ++differences;
    }
  return differences;
}

class Composing : public DocumentTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(document.SetPhoto(MakePhoto(640, 480)));  // fitted to 399 x 299, so scaled
    CProjection& projection = *document.GetProjection(-1);
    projection.FaceFrame().SetRect(120, 60, 260, 220);
    projection.FaceFrame().SetRotation(std::sin(0.3), std::cos(0.3));
    projection.EyesLine().SetPoints(150, 120, 230, 110);
    projection.LipsLine().SetPoints(170, 190, 215, 192);
  }
  CProjection& Current() { return *document.GetProjection(-1); }
  CLayer* Put(int kind, int width, int height, unsigned char shade = 0) {
    CLayer* layer = document.PutItem(MakeItem(width, height, shade), 1, 2, width - 3, 2, kind);
    EXPECT_NE(layer, nullptr);
    return layer;
  }
  const CRect whole{0, 0, 400, 300};
};

TEST_F(Composing, APhotoAloneComposesToThePhotoWithItsAdjustmentsOverTheBackground) {
  document.GetPhotoLayer()->SetBrightness(65);
  document.GetPhotoLayer()->SetImageOpacity(70);
  document.ComposeToView(&host.surface, whole, false);
  auto expected = DirectComposition(host.background, whole, {document.GetPhotoLayer(), document.GetMakeupLayer()});
  EXPECT_EQ(Differences(host.surface, *expected, whole), 0);
  EXPECT_EQ(host.waitCursors, 1);
}

TEST_F(Composing, LayersStackInTheFaceSetsOrder) {
  CLayer* hair = Put(kKindHairstyle, 90, 70, 40);
  CLayer* glasses = Put(kKindGlasses, 60, 20);
  CLayer* moustache = Put(kKindMoustache, 30, 12, 10);
  CLayer* eyebrow = Put(kKindEyebrow, 50, 8);
  CLayer* nose = Put(kKindNose, 16, 24);
  CLayer* accessory = Put(kKindAccessories, 40, 40, 90);
  CLayer* headDress = Put(kKindHeadDress, 100, 30, 20);
  hair->SetHue(30);
  glasses->SetImageOpacity(55);
  document.ComposeToView(&host.surface, whole, true);
  auto expected = DirectComposition(host.background, whole,
                                    {document.GetPhotoLayer(), nose, document.GetMakeupLayer(), eyebrow, moustache,
                                     accessory, glasses, hair, headDress});
  EXPECT_EQ(Differences(host.surface, *expected, whole), 0);
}

TEST_F(Composing, ADirtyRectangleRecomposesToTheSamePixelsAsTheWholeView) {
  Put(kKindHairstyle, 90, 70, 40);
  Put(kKindGlasses, 60, 20);
  document.ComposeToView(&host.surface, whole, true);
  CRasterDC full(400, 300);
  document.ComposeToView(&full, whole, true);
  CRasterDC partial(400, 300, RGB(1, 2, 3));
  const CRect dirty(150, 95, 210, 140);
  document.ComposeToView(&partial, CRect(dirty.right, dirty.bottom, dirty.left, dirty.top), true);  // any order
  for (int y = 0; y < 300; ++y)
    for (int x = 0; x < 400; ++x) {
      const bool inside = dirty.PtInRect(CPoint(x, y));
      ASSERT_EQ(partial.GetPixel(x, y), inside ? full.GetPixel(x, y) : RGB(1, 2, 3)) << x << "," << y;
    }
}

// During a drag the layers under the dragged one come from the raster kept
// at the press; what is composed must still be the formula's picture, and
// a layer put under the dragged one meanwhile must not be lost.
TEST_F(Composing, ADraggedLayerRecomposedOverTheKeptLayersGivesTheWholePicture) {
  CLayer* hair = Put(kKindHairstyle, 90, 70, 40);
  CLayer* glasses = Put(kKindGlasses, 60, 20);
  CLayer* moustache = Put(kKindMoustache, 30, 12, 10);
  CLayer* eyebrow = Put(kKindEyebrow, 50, 8);
  document.ComposeToView(&host.surface, whole, true);
  document.BeginLayerDrag(*moustache);
  for (int move = 0; move < 6; ++move) {
    const CRect before = moustache->GetBoundingRect();
    const CDoubleRect r = moustache->GetBaseRect();
    moustache->SetRect(r.left + 7, r.top - 3, r.right + 7, r.bottom - 3);
    moustache->SetRotation(moustache->GetSine(), moustache->GetCosine());
    document.ComposeToView(&host.surface, UnionOf(before, moustache->GetBoundingRect()), true);
  }
  auto expected = DirectComposition(host.background, whole,
                                    {document.GetPhotoLayer(), document.GetMakeupLayer(), eyebrow, moustache,
                                     glasses, hair});
  EXPECT_EQ(Differences(host.surface, *expected, whole), 0);

  CLayer* nose = Put(kKindNose, 16, 24);  // drawn under the moustache
  document.ComposeToView(&host.surface, whole, true);
  expected = DirectComposition(host.background, whole,
                               {document.GetPhotoLayer(), nose, document.GetMakeupLayer(), eyebrow, moustache,
                                glasses, hair});
  EXPECT_EQ(Differences(host.surface, *expected, whole), 0);
  document.EndLayerDrag();
}

// The dragged layer itself is drawn from samples of its box while it only
// moves inside the view; hanging over the edge, grown or turned it must be
// drawn afresh, and each step still composes the formula's picture.
TEST_F(Composing, ADraggedLayerLeavingTheViewOrChangingShapeStillGivesTheWholePicture) {
  CLayer* hair = Put(kKindHairstyle, 90, 70, 40);
  CLayer* glasses = Put(kKindGlasses, 60, 20);
  CLayer* eyebrow = Put(kKindEyebrow, 50, 8);
  glasses->SetRotation(std::sin(0.4), std::cos(0.4));
  document.ComposeToView(&host.surface, whole, true);
  document.BeginLayerDrag(*glasses);
  const auto expectWhole = [&](const char* step) {
    auto expected = DirectComposition(host.background, whole,
                                      {document.GetPhotoLayer(), document.GetMakeupLayer(), eyebrow, glasses, hair});
    EXPECT_EQ(Differences(host.surface, *expected, whole), 0) << step;
  };
  const auto moveTo = [&](double left, double top, double width, double height, double angle) {
    const CRect before = glasses->GetBoundingRect();
    glasses->SetRect(left, top, left + width, top + height);
    glasses->SetRotation(std::sin(angle), std::cos(angle));
    document.ComposeToView(&host.surface, UnionOf(before, glasses->GetBoundingRect()), true);
  };
  const CDoubleRect start = glasses->GetBaseRect();
  const double width = start.right - start.left, height = start.bottom - start.top;
  moveTo(start.left + 11, start.top + 5, width, height, 0.4);
  expectWhole("moved inside");
  moveTo(-17, start.top + 5, width, height, 0.4);
  expectWhole("over the left edge");
  moveTo(400 - width / 2, 300 - height / 2, width, height, 0.4);
  expectWhole("over the bottom right corner");
  moveTo(start.left, start.top, width + 9, height + 4, 0.4);
  expectWhole("grown");
  moveTo(start.left + 3, start.top, width + 9, height + 4, 0.7);
  expectWhole("turned");
  document.EndLayerDrag();
}

TEST_F(Composing, ARectangleOutsideEveryLayerShowsThePlainBackground) {
  document.GetPhotoLayer()->SetRect(0, 0, 100, 100);
  document.GetMakeupLayer()->SetRect(0, 0, 100, 100);
  const CRect empty(200, 150, 260, 190);
  document.ComposeToView(&host.surface, empty, true);
  std::unique_ptr<CDib> background(host.background.Edit_Copy(empty));
  EXPECT_EQ(Differences(host.surface, *background, empty), 0);
}

TEST_F(Composing, WithoutAPhotoTheViewShowsTheBackground) {
  document.SelectProjection(1, false, false);
  document.ComposeToView(&host.surface, whole, true);
  std::unique_ptr<CDib> background(host.background.Edit_Copy(whole));
  EXPECT_EQ(Differences(host.surface, *background, whole), 0);
  EXPECT_EQ(document.RenderProjection(*document.GetProjection(1)), nullptr);
  EXPECT_FALSE(document.SampleSkinColour(kKindNose));
}

TEST_F(Composing, ACustomItemIsNeverComposed) {
  Put(kKindCustom, 80, 80);
  document.ComposeToView(&host.surface, whole, true);
  auto expected = DirectComposition(host.background, whole, {document.GetPhotoLayer(), document.GetMakeupLayer()});
  EXPECT_EQ(Differences(host.surface, *expected, whole), 0);
  std::unique_ptr<CDib> rendered = document.RenderProjection(Current());
  auto white = std::make_unique<CDib>();
  white->Create(CSize(399, 299), 0xFFFFFFUL);
  auto direct = DirectComposition(*white, CRect(0, 0, 399, 299), {document.GetPhotoLayer(), document.GetMakeupLayer()});
  ASSERT_NE(rendered, nullptr);
  EXPECT_EQ(testimages::BlockBytes(*rendered), testimages::BlockBytes(*direct));
}

// The body set shows photo, breast and make-up; the face items a body
// projection may hold are drawn neither by the view nor by the renderer,
// so the gallery and prints show what the view showed.
TEST_F(Composing, TheBodyProjectionDrawsItsOwnOrderInTheViewAndInRasters) {
  document.SwitchProjectionSet(kBodySet);
  ASSERT_TRUE(document.SetPhoto(MakePhoto(300, 280)));
  document.GetProjection(-1)->UnderarmLine().SetPoints(80, 150, 200, 150);
  CLayer* hair = Put(kKindHairstyle, 60, 60);
  CLayer* breast = Put(kKindBreast, 70, 30, 30);
  ASSERT_EQ(document.GetProjection(4)->GetSlot(kKindHairstyle), hair);
  document.ComposeToView(&host.surface, whole, true);
  auto expected =
      DirectComposition(host.background, whole, {document.GetPhotoLayer(), breast, document.GetMakeupLayer()});
  EXPECT_EQ(Differences(host.surface, *expected, whole), 0);

  const CRect area(0, 0, 300, 280);
  std::unique_ptr<CDib> rendered = document.RenderProjection(*document.GetProjection(4), &area, &host.background);
  ASSERT_NE(rendered, nullptr);
  EXPECT_EQ(Differences(host.surface, *rendered, area), 0);
}

TEST_F(Composing, RenderingWithoutABaseUsesWhiteOverThePhotosRectangle) {
  CLayer* hair = Put(kKindHairstyle, 90, 70, 40);
  std::unique_ptr<CDib> rendered = document.RenderProjection(Current());
  ASSERT_NE(rendered, nullptr);
  EXPECT_EQ(rendered->GetSize(), CSize(399, 299));
  CDib white;
  white.Create(CSize(399, 299), 0xFFFFFFUL);
  auto direct = DirectComposition(white, CRect(0, 0, 399, 299),
                                  {document.GetPhotoLayer(), document.GetMakeupLayer(), hair});
  EXPECT_EQ(testimages::BlockBytes(*rendered), testimages::BlockBytes(*direct));

  // The same with the free function and the projection's own set.
  std::unique_ptr<CDib> again = RenderProjectionLayers(Current(), false, nullptr, nullptr);
  EXPECT_EQ(testimages::BlockBytes(*again), testimages::BlockBytes(*rendered));
}

TEST_F(Composing, FlatteningBakesTheLookIntoANewPhotoOverThePrintArea) {
  Put(kKindHairstyle, 90, 70, 40);
  Current().PrintArea().SetRect(10.4, 20.5, 210.6, 220.49);
  Current().FaceFrame().PushGeometryUndo("Move");
  const CRect area(10, 21, 211, 220);
  std::unique_ptr<CDib> look = document.RenderCurrent(area);
  ASSERT_TRUE(document.FlattenImage());
  EXPECT_EQ(Current().GetSlot(kKindHairstyle), nullptr);
  EXPECT_EQ(document.GetCurrentLayer(), nullptr);
  EXPECT_FALSE(Current().FaceFrame().CanUndo());
  ASSERT_NE(document.GetPhotoLayer(), nullptr);
  CDibAlpha& photo = *document.GetPhotoLayer()->GetImage();
  EXPECT_EQ(photo.GetSize(), area.Size());
  EXPECT_EQ(PixelAt(photo, 100, 50), PixelAt(*look, 100, 50));
  EXPECT_EQ(Current().PrintArea().GetBaseRect(), (CDoubleRect{0, 0, 201, 199}));
  // Only the first photo is new; the flattened look keeps the face where it was.
  EXPECT_EQ(host.photosEntered, std::vector<int>{0});
}

TEST(CrossDissolve, ThirtyOneFramesFromBeforeToAlmostAfter) {
  CDib before, after;
  before.Create(CSize(4, 4), 0x000000UL);
  after.Create(CSize(4, 4), 0xFFFFFFUL);
  std::vector<double> ts;
  EXPECT_EQ(ForEachDissolveFrame(before, after, [&](CDib&, double t) { ts.push_back(t); }), 31);
  ASSERT_EQ(ts.size(), 31u);
  EXPECT_EQ(ts.front(), 0.0);
  EXPECT_LT(ts.back(), 1.0);
  EXPECT_GT(ts.back(), 0.999);
  CDib other;
  other.Create(CSize(5, 4), 0UL);
  EXPECT_EQ(ForEachDissolveFrame(before, other, nullptr), 0);
  EXPECT_EQ(DissolveWindowRect(CRect(10, 20, 30, 50), 5, 5, 1.5), CRect(7, 22, 37, 67));
}

}  // namespace
