// Automatic face fitting on the style's sample portrait, on a photo without
// a face, on a moved and scaled photo layer, and through Undo.
//
// Marked positions: the photo shown enlarged with a 10-pixel grid (a crop
// of grace_hopper.jpg at 4 and 5 times), the pupils' centres and the mouth
// corners read off the grid. The photo is 512 x 600, so fitted into a
// 1024 x 768 client it keeps its pixels and document = photo coordinates.
#include "app/editing/auto_face_fit.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "app/document/undo_routing.h"
#include "tests/document/document_fixture.h"

namespace {

const std::string kHopper = std::string(KELVORA_SOURCE_DIR) + "/styles/Style_1/photos/grace_hopper.jpg";

void ExpectNear(CPoint found, CPoint marked, int tolerance) {
  EXPECT_LE(std::abs(found.x - marked.x), tolerance) << found.x << "," << found.y;
  EXPECT_LE(std::abs(found.y - marked.y), tolerance) << found.x << "," << found.y;
}

class FaceFit : public testdocument::DocumentTest {
 protected:
  void SetUp() override {
    host.client = {1024, 768};
    auto photo = std::make_unique<CDib>();
    ASSERT_TRUE(photo->LoadFromFile(kHopper));
    ASSERT_TRUE(document.SetPhoto(std::move(photo), 0));
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

}  // namespace
