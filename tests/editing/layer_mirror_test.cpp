// The mirror commands and the rule that picks the edited layer.
#include <gtest/gtest.h>

#include <cmath>

#include "app/editing/edited_layer.h"
#include "app/editing/layer_mirror.h"
#include "tests/document/document_fixture.h"
#include "tests/editing/hair_test_layers.h"

namespace {

class LayerMirrorTest : public testdocument::DocumentTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(document.SetPhoto(testdocument::MakePhoto(120, 100)));
    item = document.PutItem(hairtest::RandomLayer(30, 20, 1), 1, 2, 27, 2, 0);
    ASSERT_TRUE(item);
  }
  CLayer* item = nullptr;
};

TEST_F(LayerMirrorTest, ATurnedLayerIsTurnedTheOtherWayAndLosesItsSteps) {
  const double radians = 10 * 3.141592653589793 / 180;
  item->SetRotation(std::sin(radians), std::cos(radians));
  item->PushGeometryUndo("Rotate");
  const CDoubleRect frame = item->GetBaseRect();
  CDibAlpha before(*item->GetImage());

  CEditMode mode;
  mode.currentKind = 0;
  ASSERT_TRUE(MirrorEditedLayers(document, mode, MirrorAxis::leftRight));
  EXPECT_EQ(item->GetSine(), -std::sin(radians));
  EXPECT_EQ(item->GetCosine(), std::cos(radians));
  EXPECT_EQ(item->GetBaseRect(), frame);
  EXPECT_FALSE(item->CanUndo());
  EXPECT_GT(host.waitCursors, 0);
  CDibAlpha& image = *item->GetImage();
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) {
      ASSERT_EQ(testimg::GetPixel(image, x, y), testimg::GetPixel(before, 29 - x, y));
      ASSERT_EQ(hairtest::AlphaAt(image, x, y), hairtest::AlphaAt(before, 29 - x, y));
    }

  ASSERT_TRUE(MirrorEditedLayers(document, mode, MirrorAxis::topBottom));
  EXPECT_EQ(item->GetSine(), std::sin(radians));
  EXPECT_EQ(testimg::GetPixel(image, 0, 0), testimg::GetPixel(before, 29, 19));
}

TEST_F(LayerMirrorTest, PhotoAndMakeupAreMirroredTogetherInEitherMode) {
  CDibAlpha itemBefore(*item->GetImage());
  CDibAlpha photoBefore(*document.GetPhotoLayer()->GetImage());
  unsigned char* paint = document.GetMakeupLayer()->GetImage()->LockAlpha();
  paint[0] = 0;  // one painted pixel in the top-left corner
  document.GetMakeupLayer()->GetImage()->UnlockAlpha();

  CEditMode makeup;
  makeup.makeupMode = true;
  ASSERT_TRUE(MirrorEditedLayers(document, makeup, MirrorAxis::topBottom));
  CDibAlpha& photo = *document.GetPhotoLayer()->GetImage();
  EXPECT_EQ(testimg::GetPixel(photo, 5, 0), testimg::GetPixel(photoBefore, 5, photo.Height() - 1));
  CDibAlpha& makeupImage = *document.GetMakeupLayer()->GetImage();
  EXPECT_EQ(hairtest::AlphaAt(makeupImage, 0, makeupImage.Height() - 1), 0);
  EXPECT_EQ(hairtest::AlphaAt(makeupImage, 0, 0), 255);
  EXPECT_TRUE(hairtest::SameLayer(*item->GetImage(), itemBefore));

  CEditMode nothing;
  EXPECT_FALSE(MirrorEditedLayers(document, nothing, MirrorAxis::leftRight));
}

TEST_F(LayerMirrorTest, TheEditedLayerFollowsTheKindThenThePhotoThenTheMakeup) {
  CEditMode mode;
  mode.photoMode = true;
  EXPECT_EQ(EditedLayer(document, mode), document.GetPhotoLayer());
  mode.photoMode = false;
  mode.makeupMode = true;
  EXPECT_EQ(EditedLayer(document, mode), document.GetMakeupLayer());
  mode.currentKind = 0;
  EXPECT_EQ(EditedLayer(document, mode), item);
  document.SetCurrentLayer(nullptr);
  EXPECT_EQ(EditedLayer(document, mode), nullptr);  // a kind is up but has no layer: nothing
  EXPECT_EQ(EditedLayer(document, CEditMode{}), nullptr);
}

}  // namespace
