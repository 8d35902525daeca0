// The frame's item state without a window: each kind's own database, the
// saved category choice read back (out of range as "all"), face shapes by
// name, list positions kept per kind, the slideshow ticking through the
// list, and removing from the custom base only after the user agrees.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/bases/item_record.h"
#include "app/shell/items/category_choice.h"
#include "app/shell/items/custom_item.h"
#include "app/shell/items/item_try_on.h"
#include "tests/document/document_fixture.h"
#include "tests/test_files.h"

using testdocument::MakeItem;
using testdocument::MakePhoto;

namespace {

class CRecordedList : public CItemListView {
 public:
  void ResetContent() override { captions.clear(), selection = -1, top = 0; }
  void AddItem(std::unique_ptr<CDib> picture, const std::string& caption) override {
    EXPECT_TRUE(picture && picture->Width() == 48);
    captions.push_back(caption);
  }
  int GetCount() const override { return static_cast<int>(captions.size()); }
  int GetCurSel() const override { return selection; }
  void SetCurSel(int index) override { selection = index; }
  int GetTopIndex() const override { return top; }
  void SetTopIndex(int line) override { top = line; }
  std::vector<std::string> captions;
  int selection = -1;
  int top = 0;
};

class ItemTryOn : public testdocument::DocumentTest {
 protected:
  void SetUp() override {
    settings.bases = settings.basesVar = folder.File("");
    settings.baseFiles[kKindHairstyle] = "Hair.hbd";
    settings.baseFiles[kKindNose] = "Nose.hbd";
    settings.baseFiles[kKindCustom] = "Cust.hbd";
    MakeBase("Hair.hbd", {{"Bob", "Women", "Short", kFaceShapeOval},
                          {"Crop", "Men", "Short", kFaceShapeSquare},
                          {"Waves", "Women", "Long", kFaceShapeOval}});
    MakeBase("Nose.hbd", {{"Straight", "Narrow", "", kFaceShapeNone}});
    CBaseDatabase custom;
    ASSERT_TRUE(custom.Create(folder.File("Cust.hbd"), "Custom", "3.0", 0));
    custom.Save();
  }
  struct Entry {
    std::string name, level0, level1;
    int faceShape;
  };
  // A base whose tree is its items' first two levels, in order.
  void MakeBase(const std::string& file, const std::vector<Entry>& entries) {
    CBaseDatabase base;
    ASSERT_TRUE(base.Create(folder.File(file), file, "3.0", 0));
    for (const Entry& entry : entries) {
      BaseItemRecord record{};
      SetItemName(record, entry.name);
      SetItemCategory(record, 0, entry.level0);
      SetItemCategory(record, 1, entry.level1);
      record.faceShape = static_cast<std::uint16_t>(entry.faceShape);
      SetItemPlacement(record, CRect(0, 0, 20, 0));
      std::unique_ptr<CDibAlpha> image = MakeItem(20, 16);
      CDib thumbnail;
      thumbnail.Create(CSize(48, 48), 0xFFFFFFUL);
      ASSERT_TRUE(base.AddItem(image.get(), &thumbnail, record, true, false, 85, true));
    }
    // Women{Short, Long}, Men{Short}: columns Women, Short, Long, Men, Short.
    base.ValueGroups() = {{{0, 1}, {2}}, {{}, {}, {}}, {}, {}};
    base.NameTable().cells.assign(kNameTableRows, {});
    base.NameTable().cells[0] = {"Women", "Short", "Long", "Men", "Short"};
    if (entries.size() == 1) base.NameTable().cells[0] = {"Narrow"}, base.ValueGroups()[0] = {{}};
    ASSERT_TRUE(base.Save());
  }

  TemporaryFolder folder;
  CSettings settings;
  CItemTryOn tryOn{document, settings};
  CRecordedList list;
};

TEST_F(ItemTryOn, EveryKindListsItsOwnDatabaseAndIsEnabledOnlyWithAPhoto) {
  EXPECT_FALSE(tryOn.IsKindEnabled(kKindHairstyle)) << "no photo yet";
  ASSERT_TRUE(document.SetPhoto(MakePhoto(200, 200)));
  EXPECT_TRUE(tryOn.IsKindEnabled(kKindHairstyle));
  EXPECT_TRUE(tryOn.IsKindEnabled(kKindNose));
  EXPECT_FALSE(tryOn.IsKindEnabled(kKindBreast)) << "its database is missing";
  tryOn.Refill(kKindNose, list);
  EXPECT_EQ(list.captions, (std::vector<std::string>{"Straight"}));
  tryOn.Refill(kKindBreast, list);
  EXPECT_TRUE(list.captions.empty());
  EXPECT_TRUE(tryOn.Database(kKindHairstyle)->IsReadOnly()) << "shipped bases are read-only";
  EXPECT_FALSE(tryOn.Database(kKindCustom)->IsReadOnly());
}

TEST_F(ItemTryOn, SavedCategoryChoicesAreRestoredAndOutOfRangeReadsAsAll) {
  settings.categorySelections[kKindHairstyle] = {1, 2, 0, 0, 0};  // Women, then the second of {Short, Long}
  tryOn.Refill(kKindHairstyle, list);
  EXPECT_EQ(list.captions, (std::vector<std::string>{"Waves"}));

  for (CategorySelections damaged : {CategorySelections{3, 0, 0, 0, 0}, CategorySelections{-1, 99, 7, 0, 0},
                                     CategorySelections{0, 0, 0, 0, 2147483647}}) {
    settings.categorySelections[kKindHairstyle] = damaged;
    tryOn.Refill(kKindHairstyle, list);
    EXPECT_EQ(list.GetCount(), 3) << damaged[0] << " " << damaged[1];
  }
  settings.categorySelections[kKindHairstyle] = {2, 3, 0, 0, 0};  // Men has one child only
  EXPECT_EQ(tryOn.Categories(kKindHairstyle), (CategoryChoice{"Men", "all", "all", "all", "all"}));

  tryOn.SetCategories(kKindHairstyle, {"Men", "Short", "all", "all", "all"});
  EXPECT_EQ(settings.categorySelections[kKindHairstyle], (CategorySelections{2, 1, 0, 0, 0}));
  tryOn.Refill(kKindHairstyle, list);
  EXPECT_EQ(list.captions, (std::vector<std::string>{"Crop"}));
}

TEST_F(ItemTryOn, FaceShapesByNameFilterTheListAndForgetListPositions) {
  EXPECT_EQ(FaceShapeFromName("OVAL"), kFaceShapeOval);
  EXPECT_EQ(FaceShapeFromName("Heart"), -1);
  EXPECT_FALSE(tryOn.SetFaceShapeByName(kKindHairstyle, "", true)) << "cancelled with no filter: nothing changes";
  list.captions = {"a", "b", "c"};
  list.selection = 2, list.top = 1;
  tryOn.SavePosition(kKindHairstyle, list);
  ASSERT_TRUE(tryOn.SetFaceShapeByName(kKindHairstyle, "oval", false));
  tryOn.Refill(kKindHairstyle, list);
  EXPECT_EQ(list.captions, (std::vector<std::string>{"Bob", "Waves"}));
  tryOn.RestorePosition(kKindHairstyle, list);
  EXPECT_EQ(list.selection, -1) << "positions are forgotten";
  ASSERT_TRUE(tryOn.SetFaceShapeByName(kKindHairstyle, "", true));
  EXPECT_EQ(tryOn.FaceShape(kKindHairstyle), -1);
}

TEST_F(ItemTryOn, EachKindGetsBackItsOwnListPositionAsFarAsTheListReaches) {
  tryOn.Refill(kKindHairstyle, list);
  list.SetCurSel(2);
  list.SetTopIndex(1);
  tryOn.SavePosition(kKindHairstyle, list);
  tryOn.Refill(kKindNose, list);
  tryOn.RestorePosition(kKindNose, list);
  EXPECT_EQ(list.selection, -1);
  tryOn.Refill(kKindHairstyle, list);
  tryOn.RestorePosition(kKindHairstyle, list);
  EXPECT_EQ(list.selection, 2);
  EXPECT_EQ(list.top, 1);
  ASSERT_TRUE(tryOn.SetFaceShapeByName(kKindHairstyle, "square", false));
  list.SetCurSel(2);
  tryOn.SavePosition(kKindHairstyle, list);
  tryOn.Refill(kKindHairstyle, list);
  tryOn.RestorePosition(kKindHairstyle, list);
  EXPECT_EQ(list.selection, -1) << "entry 2 is no longer in the list";
}

TEST_F(ItemTryOn, TheSlideshowSelectsAndAppliesEachEntryInTurn) {
  ASSERT_TRUE(document.SetPhoto(MakePhoto(200, 200)));
  tryOn.Refill(kKindHairstyle, list);
  EXPECT_FALSE(tryOn.StartSlideshow(kKindBreast, list)) << "no database";
  list.SetCurSel(1);
  ASSERT_TRUE(tryOn.StartSlideshow(kKindHairstyle, list));
  CRecordingMessageBoxService messages;
  std::vector<int> shown;
  for (int tick = 0; tick < 4; ++tick) {
    EXPECT_EQ(tryOn.SlideshowTick(kKindHairstyle, list), ApplyResult::applied);
    shown.push_back(list.selection);
  }
  EXPECT_EQ(shown, (std::vector<int>{1, 2, 0, 1}));
  EXPECT_NE(document.GetProjection(0)->GetSlot(kKindHairstyle), nullptr);
  tryOn.StopSlideshow();
  EXPECT_EQ(tryOn.SlideshowTick(kKindHairstyle, list), ApplyResult::nothing);

  // Without a photo a running slideshow says nothing.
  document.ClearDocument();
  ASSERT_TRUE(tryOn.StartSlideshow(kKindHairstyle, list));
  EXPECT_EQ(tryOn.SlideshowTick(kKindHairstyle, list), ApplyResult::noPhoto);
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(ItemTryOn, RemovingFromTheCustomBaseAsksAndKeepsTheItemOnNo) {
  ASSERT_TRUE(document.SetPhoto(MakePhoto(200, 200)));
  EXPECT_FALSE(tryOn.AddCurrentLayerToCustomBase("Nothing")) << "no current layer";
  document.GetProjection(0)->EyesLine().SetPoints(80, 90, 120, 90);
  ASSERT_NE(document.PutItem(MakeItem(20, 16), 0, 0, 20, 0, kKindNose), nullptr);
  ASSERT_TRUE(tryOn.AddCurrentLayerToCustomBase("My nose"));
  tryOn.Refill(kKindCustom, list);
  ASSERT_EQ(list.captions, (std::vector<std::string>{"My nose"}));
  EXPECT_EQ(GetCustomItemLayer(tryOn.Database(kKindCustom)->Records()[0]), kKindNose);

  host.questions = true;
  CRecordingMessageBoxService messages;
  messages.QueueAnswer(IDNO);
  EXPECT_FALSE(tryOn.RemoveFromCustomBase(0));
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text, "Are you really want to delete this item from Custom base?");
  messages.QueueAnswer(IDYES);
  EXPECT_TRUE(tryOn.RemoveFromCustomBase(0));
  tryOn.Refill(kKindCustom, list);
  EXPECT_TRUE(list.captions.empty());
  CBaseDatabase reopened;
  ASSERT_TRUE(reopened.Open(folder.File("Cust.hbd"), true) && reopened.Load());
  EXPECT_TRUE(reopened.Records().empty());
}

}  // namespace

namespace {

TEST_F(ItemTryOn, AMissingCustomBaseStartsEmptyAndADamagedOneIsLeftAlone) {
  settings.baseFiles[kKindCustom] = "Fresh/Cust1.hbd";
  CBaseDatabase* fresh = tryOn.Database(kKindCustom);
  ASSERT_NE(fresh, nullptr);
  EXPECT_TRUE(fresh->Records().empty());
  EXPECT_FALSE(fresh->IsReadOnly());
  EXPECT_TRUE(std::filesystem::exists(folder.File("Fresh/Cust1.hbd")));

  const std::vector<unsigned char> junk(40, 0x5A);
  folder.Write("Broken.hbd", junk);
  settings.baseFiles[kKindCustom] = "Broken.hbd";
  CItemTryOn again(document, settings);
  again.Database(kKindCustom);
  std::ifstream file(folder.File("Broken.hbd"), std::ios::binary);
  EXPECT_EQ(std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {}), junk)
      << "the user's file is not replaced";
}

}  // namespace
