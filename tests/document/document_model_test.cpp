// The document's projections and photos: the current projection of each
// set, the placements read from the style, fitted photo frames, and
// clearing.
#include <gtest/gtest.h>

#include "app/document/default_placements.h"
#include "tests/document/document_fixture.h"

using testdocument::DocumentTest;
using testdocument::MakeItem;
using testdocument::MakePhoto;

namespace {

std::vector<unsigned char> Text(const char* text) { return {text, text + std::strlen(text)}; }

TEST_F(DocumentTest, AFreshDocumentHasNoPhotoAndEmptySlots) {
  EXPECT_FALSE(document.HasPhoto(false));
  EXPECT_FALSE(document.HasPhoto(true));
  for (int p = 0; p < kProjectionCount; ++p)
    for (int slot = 0; slot < kSlotCount; ++slot) EXPECT_EQ(document.GetProjection(p)->GetSlot(slot), nullptr);
  EXPECT_EQ(document.GetProjection(-1), document.GetProjection(0));
  EXPECT_EQ(document.GetProjection(5), nullptr);
  EXPECT_EQ(document.GetProjection(-2), nullptr);
}

TEST_F(DocumentTest, TheBodySetHasOneProjectionNumberedFour) {
  document.SwitchProjectionSet(kBodySet);
  EXPECT_EQ(document.GetProjectionIndex(-1), 4);
  EXPECT_EQ(document.GetProjectionIndex(0), 4);
  EXPECT_EQ(document.GetProjection(-1), document.GetProjection(4));
  document.SwitchProjectionSet(kFaceSet);
  document.SelectProjection(2, false, false);
  EXPECT_EQ(document.GetProjectionIndex(-1), 2);
  document.SwitchProjectionSet(kBodySet);
  document.SwitchProjectionSet(kFaceSet);
  EXPECT_EQ(document.GetProjectionIndex(-1), 2) << "each set remembers its own projection";
  document.SelectProjection(4, false, false);  // not in the face set
  EXPECT_EQ(document.GetProjectionIndex(-1), 2);
}

TEST(DefaultPlacements, AreReadFromTheStyleAndMissingOnesAreZero) {
  CMemoryResourceModule style;
  style.AddResource("IDR_FACE_HALF_FACE", "wndrect", Text("10, 20, 110, 160"));
  style.AddResource("IDR_FACE_HALF_EYES", "wndrect", Text("30,60,90,62"));
  style.AddResource("IDR_BODY_FRONT_BREAST", "wndrect", Text("5, 6, 7, 8"));
  style.AddResource("IDR_FACE_HALF_LIPS", "wndrect", Text("1, 2, x, 4"));  // malformed
  style.AddString(63566, "10, 20, 30");
  CKelvoraDoc document(&style);
  const DefaultPlacementTable& table = document.GetDefaultPlacements();
  EXPECT_EQ(table[1].face, (CDoubleRect{10, 20, 110, 160}));
  EXPECT_EQ(table[1].eyes, CRect(30, 60, 90, 62));
  EXPECT_EQ(table[1].lips, CRect());
  EXPECT_EQ(table[4].underarm, CRect(5, 6, 7, 8));
  EXPECT_EQ(table[0].face, CDoubleRect{});
  const CProjection& half = *document.GetProjection(1);
  EXPECT_EQ(half.FaceFrame().GetCorner(2), CDoublePoint(110, 160));
  EXPECT_EQ(half.EyesLine().GetPoint1(), CPoint(90, 62));

  document.CreateContours();
  EXPECT_EQ(document.GetInitialContour()->GetLineColour(), RGB(10, 20, 30));
  EXPECT_EQ(document.GetFinalContour()->GetLineColour(), 0x0000FFu);
  document.ClearContours();
  EXPECT_EQ(document.GetInitialContour(), nullptr);
}

struct FitCase {
  CSize photo, client, fitted;
};

class FitPhotoSize : public ::testing::TestWithParam<FitCase> {};

TEST_P(FitPhotoSize, ShrinksToTheClientAreaKeepingProportions) {
  EXPECT_EQ(CKelvoraDoc::FitPhotoSize(GetParam().photo, GetParam().client), GetParam().fitted);
}

INSTANTIATE_TEST_SUITE_P(Photos, FitPhotoSize,
                         ::testing::Values(FitCase{{1600, 1200}, {801, 601}, {800, 600}},
                                           FitCase{{400, 1000}, {801, 601}, {240, 600}},
                                           FitCase{{300, 200}, {801, 601}, {300, 200}},
                                           FitCase{{2000, 400}, {1001, 101}, {500, 100}}));

TEST_F(DocumentTest, SetPhotoMakesPhotoAndMakeupLayersAndResetsThePrintArea) {
  ASSERT_TRUE(document.SetPhoto(MakePhoto(800, 600), -1, false));
  CProjection& projection = *document.GetProjection(0);
  ASSERT_NE(projection.GetPhoto(), nullptr);
  ASSERT_NE(projection.GetMakeup(), nullptr);
  EXPECT_EQ(document.GetPhotoLayer(), projection.GetPhoto());
  EXPECT_EQ(document.GetMakeupLayer(), projection.GetMakeup());
  // 800 x 600 into 400 x 300: k = 800 / 399.
  EXPECT_EQ(projection.GetPhoto()->GetBaseRect(), (CDoubleRect{0, 0, 399, 299}));
  EXPECT_EQ(projection.GetPhoto()->GetImage()->GetSize(), CSize(800, 600)) << "the photo is never resampled";
  EXPECT_EQ(projection.GetMakeup()->GetImage()->GetSize(), CSize(399, 299));
  EXPECT_EQ(testimages::PixelAt(*projection.GetMakeup()->GetImage(), 5, 5), (testimages::Bgr{0, 0, 0}));
  EXPECT_EQ(projection.PrintArea().GetBaseRect(), (CDoubleRect{0, 0, 399, 299}));
  EXPECT_FALSE(projection.GetPhoto()->ShowsMidHandles());
  EXPECT_TRUE(document.HasPhoto(true));
  EXPECT_GT(host.refreshes, 0);
}

// The program fits the face to each new photo from this notice, so it must
// name the projection the photo went into, and a refused photo gives none.
TEST_F(DocumentTest, EveryNewPhotoIsAnnouncedWithItsProjection) {
  ASSERT_TRUE(document.SetPhoto(MakePhoto(80, 60), 2, false));
  ASSERT_TRUE(document.SetPhoto(MakePhoto(80, 60)));
  EXPECT_FALSE(document.SetPhoto(std::make_unique<CDib>()));
  EXPECT_EQ(host.photosEntered, (std::vector<int>{2, 0}));
}

TEST_F(DocumentTest, SetPhotoRefusesARasterWithoutPixelsAndKeepsWhatWasThere) {
  CRecordingMessageBoxService messages;
  ASSERT_TRUE(document.SetPhoto(MakePhoto(40, 30)));
  CLayer* photo = document.GetPhotoLayer();
  EXPECT_FALSE(document.SetPhoto(std::make_unique<CDib>()));
  EXPECT_FALSE(document.SetPhoto(nullptr));
  ASSERT_EQ(messages.messages().size(), 2u);
  EXPECT_EQ(messages.messages()[0].text, "Incompatible file format.\nFile should contain a True Color image.");
  EXPECT_EQ(messages.messages()[0].icon, MessageIcon::Stop);
  EXPECT_EQ(document.GetPhotoLayer(), photo);
}

TEST_F(DocumentTest, ANewPhotoKeepsTheItemsWhereTheyWere) {
  ASSERT_TRUE(document.SetPhoto(MakePhoto(200, 200)));
  CLayer* hair = document.PutItem(MakeItem(20, 20), 0, 0, 10, 0, kKindHairstyle);
  ASSERT_NE(hair, nullptr);
  const CQuadTracker::Geometry geometry = hair->GetGeometry();
  ASSERT_TRUE(document.SetPhoto(MakePhoto(100, 100)));
  EXPECT_EQ(document.GetProjection(0)->GetSlot(kKindHairstyle), hair);
  EXPECT_EQ(hair->GetGeometry(), geometry);
}

TEST_F(DocumentTest, APhotoForAnotherProjectionIsSelectedWhenNotifying) {
  ASSERT_TRUE(document.SetPhoto(MakePhoto(50, 50), 2, false));
  EXPECT_EQ(document.GetProjectionIndex(-1), 0) << "without notification the current projection stays";
  EXPECT_EQ(document.GetPhotoLayer(), nullptr);
  ASSERT_TRUE(document.SetPhoto(MakePhoto(50, 50), 3, true));
  EXPECT_EQ(document.GetProjectionIndex(-1), 3);
  EXPECT_EQ(document.GetPhotoLayer(), document.GetProjection(3)->GetPhoto());
  EXPECT_EQ(host.pictures.back(), 3);
  EXPECT_TRUE(document.HasPhoto(false));
  EXPECT_FALSE(document.SetPhoto(MakePhoto(50, 50), 4, false)) << "4 is not a face-set index";
}

TEST_F(DocumentTest, ClearingDeletesEveryLayerAndRestoresTheDefaults) {
  ASSERT_TRUE(document.SetPhoto(MakePhoto(100, 100)));
  ASSERT_NE(document.PutItem(MakeItem(10, 10), 0, 0, 5, 0, kKindGlasses), nullptr);
  CProjection& projection = *document.GetProjection(0);
  projection.FaceFrame().PushGeometryUndo("Move");
  projection.FaceFrame().SetRect(1, 2, 3, 4);
  projection.FaceFrame().SetRotation(0.5, std::sqrt(0.75));
  projection.EyesLine().SetPoints(1, 1, 2, 2);
  document.SwitchProjectionSet(kBodySet);

  document.ClearDocument();
  EXPECT_FALSE(document.HasPhoto(false));
  EXPECT_EQ(projection.GetSlot(kKindGlasses), nullptr);
  EXPECT_EQ(document.GetCurrentLayer(), nullptr);
  EXPECT_FALSE(projection.FaceFrame().CanUndo());
  EXPECT_EQ(projection.FaceFrame().GetBaseRect(), CDoubleRect{});
  EXPECT_EQ(projection.FaceFrame().GetCosine(), 1.0);
  EXPECT_EQ(projection.EyesLine().GetPoint1(), CPoint(0, 0));
  EXPECT_EQ(document.GetRememberedProjection(kFaceSet), 0);
  EXPECT_EQ(host.panelResets, 1);
}

TEST_F(DocumentTest, ViewMappingReachesFramesAsGivenAndContoursInWindowPixels) {
  ASSERT_TRUE(document.SetPhoto(MakePhoto(100, 100)));
  document.CreateContours();
  document.SetViewMapping(7, 9, 2.5);
  EXPECT_EQ(document.GetProjection(3)->PrintArea().GetViewMapping().originX, 7);
  EXPECT_EQ(document.GetPhotoLayer()->GetViewMapping().zoom, 2.5);
  EXPECT_EQ(document.GetProjection(4)->UnderarmLine().GetViewMapping().originY, 9);
  EXPECT_EQ(document.GetInitialContour()->GetOriginX(), 17);  // trunc(7 x 2.5)
  EXPECT_EQ(document.GetDeformationArea()->GetOriginY(), 22);  // trunc(9 x 2.5)
}

}  // namespace
