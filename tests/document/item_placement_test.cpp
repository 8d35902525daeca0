// Trying items on: fitting to the face frame and the key-point lines,
// replacing an item with its adjustments kept, the automatic skin colour of
// noses, the slots of every kind, and deleting.
#include <gtest/gtest.h>

#include <cmath>

#include "tests/document/document_fixture.h"

using testdocument::DocumentTest;
using testdocument::MakeItem;
using testdocument::MakePhoto;

namespace {

void ExpectNear(CDoublePoint actual, CDoublePoint expected) {
  EXPECT_NEAR(actual.x, expected.x, 1e-9);
  EXPECT_NEAR(actual.y, expected.y, 1e-9);
}

bool IsIdentity(const CLut& lut) {
  for (int i = 0; i < 256; ++i)
    if (lut.m_Red[i] != i || lut.m_Green[i] != i || lut.m_Blue[i] != i) return false;
  return true;
}

class Placement : public DocumentTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(document.SetPhoto(MakePhoto(400, 300)));
    Current().FaceFrame().SetRect(100, 50, 200, 170);
  }
  CProjection& Current() { return *document.GetProjection(-1); }
};

TEST_F(Placement, TheFirstAnchorLandsOnTheFaceFramesCornerAndTheAnchorsSpanItsTopEdge) {
  Current().FaceFrame().SetRect(100, 50, 200, 170);
  std::unique_ptr<CLayer> layer = document.CreateLayer(MakeItem(40, 60), 10, 5, 30, 5, kKindHairstyle);
  ASSERT_NE(layer, nullptr);
  // s = 100 / 20; the image becomes 200 x 300 with anchor (10, 5) at (100, 50).
  EXPECT_EQ(layer->GetBaseRect(), (CDoubleRect{50, 25, 250, 325}));
  EXPECT_TRUE(layer->ShowsMidHandles());
  EXPECT_EQ(layer->GetResizeNameId(), kResizeStepNameId);
}

TEST_F(Placement, AnItemTakesTheAngleOfATurnedFaceFrame) {
  CQuadTracker& face = Current().FaceFrame();
  face.SetRect(100, 50, 200, 170);
  const double sine = std::sin(0.5), cosine = std::cos(0.5);
  face.SetRotation(sine, cosine);
  std::unique_ptr<CLayer> layer = document.CreateLayer(MakeItem(40, 60), 10, 5, 30, 5, kKindAccessories);
  ASSERT_NE(layer, nullptr);
  EXPECT_EQ(layer->GetSine(), sine);
  EXPECT_EQ(layer->GetCosine(), cosine);
  const double s = 100.0 / 20;
  // Image pixel (10, 5) measured from the layer's turned top-left corner.
  const CDoublePoint anchor = layer->GetCorner(0) + CQuadTracker::RotatePoint({10 * s, 5 * s}, sine, cosine);
  ExpectNear(anchor, face.GetCorner(0));
  EXPECT_NEAR(layer->GetSizeExact().cx, 40 * s, 1e-9);
}

TEST_F(Placement, GlassesAreFittedToTheEyesLine) {
  Current().EyesLine().SetPoints(100, 100, 140, 130);  // 50 long, turned by (0.8, 0.6)
  std::unique_ptr<CLayer> layer = document.CreateLayer(MakeItem(20, 8), 2, 4, 12, 4, kKindGlasses);
  ASSERT_NE(layer, nullptr);
  EXPECT_DOUBLE_EQ(layer->GetCosine(), 0.8);
  EXPECT_DOUBLE_EQ(layer->GetSine(), 0.6);
  const CDoublePoint anchor = layer->GetCorner(0) + CQuadTracker::RotatePoint({2 * 5.0, 4 * 5.0}, 0.6, 0.8);
  ExpectNear(anchor, {100, 100});
  EXPECT_NEAR(layer->GetSizeExact().cx, 100, 1e-9);
}

TEST_F(Placement, AnItemWhoseAnchorsShareAnXIsRefusedAndNothingChanges) {
  CLayer* hair = document.PutItem(MakeItem(20, 20), 0, 0, 10, 0, kKindHairstyle);
  ASSERT_NE(hair, nullptr);
  EXPECT_EQ(document.PutItem(MakeItem(20, 20), 5, 0, 5, 9, kKindHairstyle), nullptr);
  EXPECT_EQ(Current().GetSlot(kKindHairstyle), hair);
  EXPECT_EQ(document.GetCurrentLayer(), hair);
  EXPECT_EQ(document.PutItem(nullptr, 0, 0, 10, 0, kKindHairstyle), nullptr);
  EXPECT_EQ(document.PutItem(MakeItem(20, 20), 0, 0, 10, 0, 9), nullptr);
}

TEST_F(Placement, ASecondHairstyleReplacesTheFirstAndKeepsItsAdjustments) {
  CLayer* first = document.PutItem(MakeItem(20, 20), 0, 0, 10, 0, kKindHairstyle);
  ASSERT_NE(first, nullptr);
  first->SetImageOpacity(40);
  first->SetBrightness(70);
  first->SetContrast(30);
  first->SetHue(20);
  first->SetFilter(RGB(200, 100, 50), 60, 3);

  CLayer* second = document.PutItem(MakeItem(30, 10), 1, 1, 21, 1, kKindHairstyle);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(Current().GetSlot(kKindHairstyle), second);
  EXPECT_EQ(document.GetCurrentLayer(), second);
  EXPECT_EQ(second->GetImageOpacity(), 40);
  EXPECT_EQ(second->GetBrightness(), 70);
  EXPECT_EQ(second->GetContrast(), 30);
  EXPECT_EQ(second->GetHue(), 20);
  EXPECT_EQ(second->GetFilterStrength(), 60);
  EXPECT_EQ(second->GetFilterNumber(), 3);
  EXPECT_EQ(second->GetFilterColour(), RGB(200, 100, 50));
  EXPECT_TRUE(second->IsFilterOn());
  ASSERT_FALSE(host.slidersFrom.empty());
  EXPECT_EQ(host.slidersFrom.back(), second);

  // The table is what the same adjustments give a fresh layer of that image.
  CLayer fresh(true);
  fresh.AttachImage(MakeItem(30, 10));
  fresh.StoreAdjustments(70, 30, 20, 40, true, 60, RGB(200, 100, 50), 3);
  fresh.ApplyAdjustments();
  EXPECT_EQ(std::memcmp(fresh.GetImage()->m_pLut, second->GetImage()->m_pLut, sizeof(CLut)), 0);
  EXPECT_EQ(second->GetImage()->m_nOpacity, 40);
  EXPECT_TRUE(second->GetImage()->m_bGrayIndex);
}

TEST_F(Placement, TheNeutralHueLeavesTheColourTableAsItIs) {
  CLayer layer(true);
  layer.AttachImage(MakeItem(8, 8));
  layer.ApplyAdjustments();  // every slider neutral
  EXPECT_TRUE(IsIdentity(*layer.GetImage()->m_pLut));
  layer.SetHue(0);  // the slider's far end turns half the circle
  EXPECT_FALSE(IsIdentity(*layer.GetImage()->m_pLut));
  layer.SetHue(50);
  EXPECT_FALSE(IsIdentity(*layer.GetImage()->m_pLut)) << "setters act on the table as it stands";
  layer.ApplyAdjustments();
  EXPECT_TRUE(IsIdentity(*layer.GetImage()->m_pLut));
}

TEST_F(Placement, TheNoseSampleIsTheSquareAroundTheRoundedUpMidpointOfTheEyes) {
  // The 400 x 300 photo is unscaled, so the sample is the photo's own pixels.
  Current().EyesLine().SetPoints(10, 20, 13, 20);  // m = 12, n = 20: (10, 18, 14, 22)
  const std::optional<COLORREF> colour = document.SampleSkinColour(kKindNose);
  ASSERT_TRUE(colour);
  unsigned red = 0, green = 0, blue = 0;
  for (int y = 18; y < 22; ++y)
    for (int x = 10; x < 14; ++x) {
      const testimages::Bgr p = testimages::PatternColour(x, y);
      red += p.red, green += p.green, blue += p.blue;
    }
  EXPECT_EQ(*colour, RGB(red / 16, green / 16, blue / 16));

  Current().EyesLine().SetPoints(0, 1, 1, 1);  // the square starts above the top edge
  EXPECT_FALSE(document.SampleSkinColour(kKindNose));
  Current().UnderarmLine().SetPoints(390, 100, 400, 100);  // widened to rows 99..100
  EXPECT_TRUE(document.SampleSkinColour(kKindBreast));
  Current().UnderarmLine().SetPoints(390, 100, 401, 100);
  EXPECT_FALSE(document.SampleSkinColour(kKindBreast));
}

TEST_F(Placement, OnlyTheFirstNoseTakesTheSkinColourAutomatically) {
  Current().EyesLine().SetPoints(100, 100, 140, 100);
  const std::optional<COLORREF> skin = document.SampleSkinColour(kKindNose);
  ASSERT_TRUE(skin);
  CLayer* nose = document.PutItem(MakeItem(10, 10), 0, 0, 5, 0, kKindNose);
  ASSERT_NE(nose, nullptr);
  EXPECT_TRUE(nose->IsFilterOn());
  EXPECT_EQ(nose->GetFilterStrength(), 95);
  EXPECT_EQ(nose->GetFilterColour(), *skin);
  EXPECT_FALSE(document.GetAutoColour());

  ASSERT_TRUE(document.SetPhoto(MakePhoto(400, 300), 1, true));
  document.GetProjection(-1)->EyesLine().SetPoints(100, 100, 140, 100);
  CLayer* second = document.PutItem(MakeItem(10, 10), 0, 0, 5, 0, kKindNose);
  ASSERT_NE(second, nullptr);
  EXPECT_FALSE(second->IsFilterOn());
  EXPECT_EQ(second->GetFilterColour(), 0u);

  host.mode.currentKind = kKindNose;
  EXPECT_TRUE(document.DeleteCurrentLayer());
  EXPECT_TRUE(document.GetAutoColour()) << "deleting a nose lets the next one sample again";
}

TEST_F(Placement, EveryKindKeepsItsLayerInItsOwnSlot) {
  std::vector<CLayer*> placed;
  for (int kind = 0; kind < kItemKindCount; ++kind) {
    placed.push_back(document.PutItem(MakeItem(10, 10), 0, 0, 5, 0, kind));
    ASSERT_NE(placed.back(), nullptr) << kind;
  }
  for (int kind = 0; kind < kItemKindCount; ++kind) EXPECT_EQ(Current().GetSlot(kind), placed[kind]) << kind;
  EXPECT_EQ(document.GetCurrentLayer(), placed.back());
}

TEST_F(Placement, PlacingEmptiesTheSlotsStretchFrameHistory) {
  CQuadTracker& stretch = *Current().StretchFrame(kKindEyebrow);
  stretch.PushGeometryUndo("Move");
  ASSERT_NE(document.PutItem(MakeItem(10, 10), 0, 0, 5, 0, kKindEyebrow), nullptr);
  EXPECT_FALSE(stretch.CanUndo());
}

TEST_F(Placement, MorphingShowsThirtyOneFramesOverTheUnionOfOldAndNew) {
  CLayer* first = document.PutItem(MakeItem(10, 10), 0, 0, 5, 0, kKindHairstyle);
  ASSERT_NE(first, nullptr);
  const CRect before = first->GetBoundingRect();
  host.morphing = true;
  CLayer* second = document.PutItem(MakeItem(10, 10), 0, 0, 2, 0, kKindHairstyle);
  ASSERT_NE(second, nullptr);
  CRect united;
  united.UnionRect(before, second->GetBoundingRect());
  ASSERT_EQ(host.dissolveFrames.size(), 31u);
  EXPECT_EQ(host.dissolveFrames.front(), united);
}

TEST_F(Placement, DeletingAskTheQuestionAndOnlyYesDeletes) {
  CRecordingMessageBoxService messages;
  CLayer* glasses = document.PutItem(MakeItem(10, 10), 0, 0, 5, 0, kKindGlasses);
  host.questions = true;
  messages.QueueAnswer(IDNO);
  EXPECT_FALSE(document.DeleteCurrentLayer());
  EXPECT_EQ(Current().GetSlot(kKindGlasses), glasses);
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text, "Are you really want to delete this layer?");
  messages.QueueAnswer(IDYES);
  EXPECT_TRUE(document.DeleteCurrentLayer());
  EXPECT_EQ(Current().GetSlot(kKindGlasses), nullptr);
  EXPECT_EQ(document.GetCurrentLayer(), nullptr);
  host.questions = false;
  EXPECT_FALSE(document.DeleteCurrentLayer()) << "no current layer";
}

TEST_F(Placement, DeletingInMakeupModeClearsTheMakeupLayerAndLeavesItOpaque) {
  CLayer* makeup = document.GetMakeupLayer();
  unsigned char* plane = makeup->GetImage()->LockAlpha();
  plane[0] = 0;  // a painted pixel
  makeup->GetImage()->UnlockAlpha();
  makeup->SetImageOpacity(30);
  makeup->SetBrightness(80);
  makeup->PushGeometryUndo("Move");
  host.mode.makeupMode = true;
  EXPECT_TRUE(document.DeleteCurrentLayer());
  EXPECT_EQ(document.GetMakeupLayer(), makeup);
  CDibAlpha& image = *makeup->GetImage();
  plane = image.LockAlpha();
  const std::size_t count = static_cast<std::size_t>(image.Width()) * image.Height();
  EXPECT_EQ(std::count(plane, plane + count, 255), static_cast<std::ptrdiff_t>(count));
  image.UnlockAlpha();
  EXPECT_EQ(makeup->GetImageOpacity(), 100) << "stored as the opacity it sets, so new paint shows";
  EXPECT_EQ(image.m_nOpacity, 100);
  EXPECT_EQ(makeup->GetBrightness(), 50);
  EXPECT_EQ(makeup->GetFilterStrength(), 95);
  EXPECT_FALSE(makeup->IsFilterOn());
  EXPECT_FALSE(makeup->CanUndo());
  EXPECT_TRUE(IsIdentity(*image.m_pLut));
}

}  // namespace
