// Applying items from a database through the document: the kind of the slot
// or of the custom record, the photo check, replacement keeping the
// adjustments, filtering for the projection, and the slideshow's order.
#include <gtest/gtest.h>

#include "app/bases/item_record.h"
#include "app/shell/items/item_application.h"
#include "tests/document/document_fixture.h"
#include "tests/test_files.h"

using testdocument::MakeItem;
using testdocument::MakePhoto;

namespace {

class ItemApplication : public testdocument::DocumentTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(base.Create(folder.File("Items.hbd"), "Test items", "3.0", 0));
    AddItem("Bob", 0, 1, kFaceShapeOval);
    AddItem("Side view", 2, 1, kFaceShapeRound);
    AddItem("Long waves", 0, 1, kFaceShapeSquare);
    RefreshSelection(base, AllCategories(), -1, -1);
  }
  void AddItem(const std::string& name, int projection, int layer, int faceShape) {
    BaseItemRecord record{};
    SetCustomItemNameAndLayer(record, name, layer);
    record.projection = static_cast<std::uint16_t>(projection);
    record.faceShape = static_cast<std::uint16_t>(faceShape);
    SetItemPlacement(record, CRect(2, 3, 12, 3));
    std::unique_ptr<CDibAlpha> image = MakeItem(20, 16);
    CDib thumbnail;
    thumbnail.Create(CSize(48, 48), 0xFFFFFFUL);
    ASSERT_TRUE(base.AddItem(image.get(), &thumbnail, record, true, false, 85, true));
  }
  TemporaryFolder folder;
  CBaseDatabase base;
};

TEST_F(ItemApplication, WithoutAPhotoTheUserIsToldAndNothingIsPlaced) {
  CRecordingMessageBoxService messages;
  EXPECT_EQ(ApplySelectedItem(document, base, kKindHairstyle, 0, false), ApplyResult::noPhoto);
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text, "Photo not loaded for this projection.");
  EXPECT_EQ(ApplySelectedItem(document, base, kKindHairstyle, 0, true), ApplyResult::noPhoto);
  EXPECT_EQ(messages.messages().size(), 1u) << "the slideshow does not ask";
  EXPECT_EQ(ApplySelectedItem(document, base, kKindHairstyle, 7, false), ApplyResult::nothing);
}

TEST_F(ItemApplication, AnItemGoesToItsKindsSlotAndTheNextReplacesItKeepingTheAdjustments) {
  ASSERT_TRUE(document.SetPhoto(MakePhoto(300, 300)));
  document.GetProjection(0)->FaceFrame().SetRect(100, 50, 200, 170);
  ASSERT_EQ(ApplySelectedItem(document, base, kKindHairstyle, 0, false), ApplyResult::applied);
  CLayer* first = document.GetProjection(0)->GetSlot(kKindHairstyle);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->GetImage()->GetSize(), CSize(20, 16));
  first->SetBrightness(75);
  ASSERT_EQ(ApplySelectedItem(document, base, kKindHairstyle, 2, false), ApplyResult::applied);
  CLayer* second = document.GetProjection(0)->GetSlot(kKindHairstyle);
  EXPECT_NE(second, first);
  EXPECT_EQ(second->GetBrightness(), 75);
}

TEST_F(ItemApplication, ACustomItemGoesToTheLayerItsRecordKeeps) {
  ASSERT_TRUE(document.SetPhoto(MakePhoto(300, 300)));
  document.GetProjection(0)->FaceFrame().SetRect(100, 50, 200, 170);
  ASSERT_EQ(ApplySelectedItem(document, base, kCustomBaseSlot, 0, false), ApplyResult::applied);
  EXPECT_NE(document.GetProjection(0)->GetSlot(kKindGlasses), nullptr) << "layer 1 is the glasses' slot";
  EXPECT_EQ(document.GetProjection(0)->GetSlot(kKindCustom), nullptr);
}

TEST_F(ItemApplication, AnItemOfAnotherProjectionSwitchesToIt) {
  ASSERT_TRUE(document.SetPhoto(MakePhoto(300, 300), 2, false));
  ASSERT_EQ(ApplySelectedItem(document, base, kKindHairstyle, 1, false), ApplyResult::applied);
  EXPECT_EQ(document.GetProjectionIndex(-1), 2);
}

TEST_F(ItemApplication, SelectByOrientFiltersByTheCurrentProjectionButNotTheCustomBase) {
  document.SelectProjection(2, false, false);
  EXPECT_EQ(ProjectionFilterFor(document, kKindHairstyle, true), 2);
  EXPECT_EQ(ProjectionFilterFor(document, kCustomBaseSlot, true), -1);
  EXPECT_EQ(ProjectionFilterFor(document, kKindHairstyle, false), -1);
  RefreshSelection(base, AllCategories(), 2, -1);
  ASSERT_EQ(base.Selection().size(), 1u);
  EXPECT_EQ(GetItemName(base.Selection()[0]), "Side view");
  RefreshSelection(base, AllCategories(), -1, 0);
  EXPECT_EQ(base.Selection().size(), 3u) << "face shape 0 matches every item";
  RefreshSelection(base, AllCategories(), -1, kFaceShapeSquare);
  EXPECT_EQ(base.Selection().size(), 1u);
  EXPECT_EQ(base.SelectionThumbnails().size(), 1u);
}

TEST(ItemSlideshow, StartsAtTheChosenEntryAndWraps) {
  CItemSlideshow slideshow;
  EXPECT_FALSE(slideshow.Start(0, -1));
  ASSERT_TRUE(slideshow.Start(3, 1));
  EXPECT_FALSE(slideshow.Start(3, 0)) << "already running";
  EXPECT_EQ(slideshow.Tick(3), 1);
  EXPECT_EQ(slideshow.Tick(3), 2);
  EXPECT_EQ(slideshow.Tick(3), 0);
  EXPECT_EQ(slideshow.Tick(2), 1);
  EXPECT_EQ(slideshow.Tick(2), 0) << "a shorter list wraps sooner";
  slideshow.Stop();
  EXPECT_EQ(slideshow.Tick(3), -1);
  ASSERT_TRUE(slideshow.Start(3, -1));
  EXPECT_EQ(slideshow.Tick(3), 0);
}

}  // namespace
