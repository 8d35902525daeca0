// Automatic face fitting on the style's two sample portraits, on a photo
// without a face, on a moved, scaled and turned photo layer, and through Undo.
//
// Marked positions: each photo shown enlarged with a 10-pixel grid (crops of
// grace_hopper.jpg at 4 and 5 times, of astronaut.jpg at 6 times), the
// pupils' centres and the mouth corners read off the grid. Both photos are
// smaller than a 1024 x 768 client, so they keep their pixels and document =
// photo coordinates.
#include "app/editing/auto_face_fit.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "app/document/undo_routing.h"
#include "tests/document/document_fixture.h"

namespace {

const std::string kPhotos = std::string(KELVORA_SOURCE_DIR) + "/styles/Style_1/photos/";
const std::string kHopper = kPhotos + "grace_hopper.jpg";

void ExpectNear(CPoint found, CPoint marked, int tolerance) {
  EXPECT_LE(std::abs(found.x - marked.x), tolerance) << found.x << "," << found.y;
  EXPECT_LE(std::abs(found.y - marked.y), tolerance) << found.x << "," << found.y;
}

class FaceFit : public testdocument::DocumentTest {
 protected:
  void SetUp() override {
    host.client = {1024, 768};
    ASSERT_TRUE(SetPhotoFromFile(kHopper));
  }
  CProjection& Front() { return *document.GetProjection(0); }
};

TEST_F(FaceFit, TheSamplePortraitsEyesAndMouthCornersAreFoundAndOneUndoRestores) {
  const CQuadTracker::Geometry before = Front().FaceFrame().GetGeometry();
  const CPoint eyeBefore = Front().EyesLine().GetPoint0();
  const FaceFitResult result = FitFaceAutomatically(document, 0, SharedFaceFinder());
  ASSERT_EQ(result.status, FaceFitStatus::fitted);
  ExpectNear(Front().EyesLine().GetPoint0(), {222, 190}, 6);
  ExpectNear(Front().EyesLine().GetPoint1(), {306, 186}, 6);
  ExpectNear(Front().LipsLine().GetPoint0(), {228, 281}, 6);
  ExpectNear(Front().LipsLine().GetPoint1(), {302, 277}, 6);
  EXPECT_LT(Front().FaceFrame().GetSine(), 0.0);  // the eyes rise to the image's right
  EXPECT_NE(document.GetFittedFaceShape(0), 0);

  CEditMode mode;
  mode.faceRectangleTool = true;
  RunUndoCommand(document, mode, UndoDirection::undo);
  EXPECT_EQ(Front().FaceFrame().GetGeometry(), before);
  EXPECT_EQ(Front().EyesLine().GetPoint0(), eyeBefore);
}

TEST_F(FaceFit, AMovedAndScaledPhotoFitsWhereItIsShown) {
  CLayer& photo = *Front().GetPhoto();
  photo.SetRect(100, 50, 100 + 256, 50 + 300);  // half size, moved
  photo.SetRotation(0.0, 1.0);
  ASSERT_EQ(FitFaceAutomatically(document, 0, SharedFaceFinder()).status, FaceFitStatus::fitted);
  ExpectNear(Front().EyesLine().GetPoint0(), {100 + 111, 50 + 95}, 4);
  ExpectNear(Front().LipsLine().GetPoint1(), {100 + 151, 50 + 138}, 4);
}

TEST_F(FaceFit, APhotoWithoutAFaceChangesNothing) {
  ASSERT_TRUE(document.SetPhoto(testdocument::MakePhoto(400, 300), 0));
  const CQuadTracker::Geometry before = Front().FaceFrame().GetGeometry();
  EXPECT_EQ(FitFaceAutomatically(document, 0, SharedFaceFinder()).status, FaceFitStatus::noFace);
  EXPECT_EQ(Front().FaceFrame().GetGeometry(), before);
  EXPECT_FALSE(Front().FaceFrame().CanUndo());
  EXPECT_FALSE(Front().EyesLine().CanUndo());
}

// The astronaut's suit carries a round mission patch larger than her face
// that the detector accepts just over its threshold; the face must win.
TEST_F(FaceFit, TheAstronautsFaceIsFittedNotTheBadgeOnHerSuit) {
  ASSERT_TRUE(SetPhotoFromFile(kPhotos + "astronaut.jpg"));
  const FaceFitResult result = FitFaceAutomatically(document, 0, SharedFaceFinder());
  ASSERT_EQ(result.status, FaceFitStatus::fitted);
  ExpectNear(Front().EyesLine().GetPoint0(), {202, 101}, 5);
  ExpectNear(Front().EyesLine().GetPoint1(), {246, 103}, 5);
  ExpectNear(Front().LipsLine().GetPoint0(), {203, 139}, 5);
  ExpectNear(Front().LipsLine().GetPoint1(), {244, 141}, 5);
}

// Turned 30 degrees about its centre, the photo shows each marked point at
// centre + R(p - centre); the frame turns with it.
TEST_F(FaceFit, ATurnedPhotoFitsWhereItIsShown) {
  CLayer& photo = *Front().GetPhoto();
  ASSERT_EQ(photo.GetBoundingRect(), CRect(0, 0, 512, 600));
  const double sine = 0.5, cosine = std::sqrt(3.0) / 2;
  photo.SetRotation(sine, cosine);
  const CDoublePoint centre = photo.GetCentre();
  const auto shown = [&](CPoint p) {
    const double a = p.x - centre.x, b = p.y - centre.y;
    return CPoint(static_cast<int>(std::lround(centre.x + a * cosine - b * sine)),
                  static_cast<int>(std::lround(centre.y + a * sine + b * cosine)));
  };
  ASSERT_EQ(FitFaceAutomatically(document, 0, SharedFaceFinder()).status, FaceFitStatus::fitted);
  ExpectNear(Front().EyesLine().GetPoint0(), shown({222, 190}), 6);
  ExpectNear(Front().EyesLine().GetPoint1(), shown({306, 186}), 6);
  ExpectNear(Front().LipsLine().GetPoint1(), shown({302, 277}), 6);
  // Her eyes rise about 3 degrees in the photo: the frame turns by 30 less that.
  EXPECT_NEAR(std::atan2(Front().FaceFrame().GetSine(), Front().FaceFrame().GetCosine()) * 180 / M_PI, 27, 2);
}

FaceLandmarks Detection(CRect box, double confidence) {
  FaceLandmarks face;
  face.box = box;
  face.confidence = confidence;
  return face;
}

TEST(LikelyFaces, WeakDetectionsAreDroppedAndAloneAWeakOneStays) {
  const auto strongSmall = Detection({0, 0, 80, 80}, 1.4), weakLarge = Detection({0, 200, 100, 300}, 0.01),
             secondFace = Detection({200, 0, 300, 100}, 0.9);
  auto kept = LikelyFaces({weakLarge, strongSmall});
  ASSERT_EQ(kept.size(), 1u);
  EXPECT_EQ(kept[0].box, strongSmall.box);
  EXPECT_EQ(LikelyFaces({weakLarge, strongSmall, secondFace}).size(), 2u);  // two real faces
  EXPECT_EQ(LikelyFaces({weakLarge}).size(), 1u);
  EXPECT_TRUE(LikelyFaces({}).empty());
}

}  // namespace
