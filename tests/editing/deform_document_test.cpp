// "Start simulation" on the document: one "Modelling" step that undoes the
// warp, the contours discarded; a cancelled warp leaves the photo alone.
#include <gtest/gtest.h>

#include "app/editing/deform.h"
#include "tests/document/document_fixture.h"
#include "tests/imagelib/image_builders.h"

namespace {

class DeformDocumentTest : public testdocument::DocumentTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(document.SetPhoto(testdocument::MakePhoto(200, 150)));
    document.CreateContours();
    document.GetInitialContour()->SetVertices({{90, 40}, {92, 80}, {95, 110}});
    document.GetFinalContour()->SetVertices({{100, 40}, {104, 80}, {105, 110}});
    document.GetDeformationArea()->SetVertices({{60, 20}, {140, 20}, {140, 130}, {60, 130}});
  }
};

TEST_F(DeformDocumentTest, TheSimulationIsOneModellingStepAndDiscardsTheContours) {
  CLayer* photo = document.GetPhotoLayer();
  ASSERT_TRUE(photo);
  CDibAlpha before(*photo->GetImage());
  ASSERT_EQ(Deform(document), DeformResult::done);
  EXPECT_FALSE(testimg::SamePixels(*photo->GetImage(), before));
  EXPECT_EQ(photo->GetUndoName(), "Modelling");
  EXPECT_EQ(document.GetInitialContour(), nullptr);
  EXPECT_EQ(document.GetActiveTool(), nullptr);
  photo->Undo();
  EXPECT_TRUE(testimg::SamePixels(*photo->GetImage(), before));
}

TEST_F(DeformDocumentTest, EscapeInTheProgressWindowLeavesThePhotoAsItWas) {
  CLayer* photo = document.GetPhotoLayer();
  CDibAlpha before(*photo->GetImage());
  int calls = 0;
  EXPECT_EQ(Deform(document, [&](int) { return ++calls < 3; }), DeformResult::cancelled);
  EXPECT_TRUE(testimg::SamePixels(*photo->GetImage(), before));
  EXPECT_FALSE(photo->CanUndo());
  EXPECT_NE(document.GetInitialContour(), nullptr);  // kept for another try
}

TEST_F(DeformDocumentTest, ShortContoursDoNothing) {
  document.GetFinalContour()->SetVertices({{100, 40}});
  EXPECT_EQ(Deform(document), DeformResult::notReady);
  EXPECT_FALSE(document.GetPhotoLayer()->CanUndo());
}

}  // namespace
