// Automatic selection over a small hairstyle base: one gallery entry per
// listed item, each carrying the slot's adjustments, the slot's own layer
// back afterwards, Escape stopping after the current entry, and the
// command's questions with the category choice given back.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/bases/item_record.h"
#include "app/document/project_file.h"
#include "app/shell/gallery/automatic_selection.h"
#include "platform/core/message_box.h"
#include "tests/document/document_fixture.h"
#include "tests/gallery/gallery_fixture.h"
#include "tests/test_files.h"

using testdocument::MakeItem;
using testdocument::MakePhoto;
using testgallery::CPlainGalleryList;

namespace {

class CNamesList : public CItemListView {
 public:
  void ResetContent() override { names.clear(); }
  void AddItem(std::unique_ptr<CDib>, const std::string& caption) override { names.push_back(caption); }
  int GetCount() const override { return static_cast<int>(names.size()); }
  int GetCurSel() const override { return -1; }
  void SetCurSel(int) override {}
  int GetTopIndex() const override { return 0; }
  void SetTopIndex(int) override {}
  std::vector<std::string> names;
};

class AutomaticSelection : public testdocument::DocumentTest {
 protected:
  void SetUp() override {
    settings.bases = settings.basesVar = settings.data = folder.File("");
    settings.baseFiles[kKindHairstyle] = "Hair.hbd";
    CBaseDatabase base;
    ASSERT_TRUE(base.Create(folder.File("Hair.hbd"), "Hair", "3.0", 0));
    for (const char* name : {"Bob", "Crop", "Waves"}) {
      BaseItemRecord record{};
      SetItemName(record, name);
      SetItemCategory(record, 0, std::string(name) == "Crop" ? "Men" : "Women");
      SetItemPlacement(record, CRect(0, 0, 20, 0));
      CDib thumbnail;
      thumbnail.Create(CSize(48, 48), 0xFFFFFFUL);
      ASSERT_TRUE(base.AddItem(MakeItem(20, 16).get(), &thumbnail, record, true, false, 85, true));
    }
    base.ValueGroups() = {{{}, {}}, {}, {}, {}};
    base.NameTable().cells.assign(kNameTableRows, {});
    base.NameTable().cells[0] = {"Women", "Men"};
    ASSERT_TRUE(base.Save());
    ASSERT_TRUE(document.SetPhoto(MakePhoto(64, 48), 0));
    own = document.PutItem(MakeItem(10, 8), 0, 0, 10, 0, kKindHairstyle);
    ASSERT_NE(own, nullptr);
    own->StoreAdjustments(70, 40, 50, 20, false, 0, 0, -1);
    tryOn.Refill(kKindHairstyle, items);
    ASSERT_EQ(items.GetCount(), 3);
  }
  std::vector<std::string> GalleryFiles() const {
    std::vector<std::string> files;
    for (const auto& entry : std::filesystem::directory_iterator(folder.File("")))
      if (entry.path().extension() == ".kvp") files.push_back(entry.path().filename().string());
    std::ranges::sort(files);
    return files;
  }

  TemporaryFolder folder;
  CSettings settings;
  CItemTryOn tryOn{document, settings};
  CNamesList items;
  CPlainGalleryList galleryList;
  CGalleryBar gallery{GalleryNaming::padded, galleryList};
  CLayer* own = nullptr;
  CRecordingMessageBoxService messages;
};

TEST_F(AutomaticSelection, WritesOneEntryPerItemWithTheSlotsAdjustmentsAndPutsTheLayerBack) {
  std::vector<int> positions;
  const AutoSelectionOutcome outcome =
      RunAutomaticSelection(document, *tryOn.Database(kKindHairstyle), kKindHairstyle, gallery, settings.data,
                            [&](int position) { return positions.push_back(position), true; });
  EXPECT_EQ(outcome.written, 3);
  EXPECT_FALSE(outcome.stopped);
  EXPECT_EQ(positions, (std::vector<int>{0, 1, 2}));
  EXPECT_EQ(GalleryFiles(), (std::vector<std::string>{"001.kvp", "002.kvp", "003.kvp"}));
  EXPECT_EQ(gallery.Count(), 3);
  EXPECT_EQ(document.GetProjection(0)->GetSlot(kKindHairstyle), own) << "the slot's own layer is back";
  for (const std::string& name : GalleryFiles()) {
    CProjection read;
    ASSERT_TRUE(LoadProjectFile(folder.File(name), read));
    const CLayer* tried = read.GetSlot(kKindHairstyle);
    ASSERT_NE(tried, nullptr);
    EXPECT_EQ(tried->GetImage()->Width(), 20) << "the item, not the slot's own layer";
    EXPECT_EQ(tried->GetBrightness(), 70);
    EXPECT_EQ(tried->GetImageOpacity(), 20);
  }
}

TEST_F(AutomaticSelection, EscapeStopsAfterTheCurrentEntryAndProjectionsWithoutPhotoAreOnlyCounted) {
  AutoSelectionOutcome outcome =
      RunAutomaticSelection(document, *tryOn.Database(kKindHairstyle), kKindHairstyle, gallery, settings.data,
                            [](int position) { return position < 1; });
  EXPECT_EQ(outcome.written, 2);
  EXPECT_TRUE(outcome.stopped);

  document.ClearDocument();
  outcome = RunAutomaticSelection(document, *tryOn.Database(kKindHairstyle), kKindHairstyle, gallery, settings.data,
                                  {});
  EXPECT_EQ(outcome.entries, 3);
  EXPECT_EQ(outcome.written, 0);
}

TEST_F(AutomaticSelection, CancelDoesNothingNoKeepsTheListYesGivesTheChoiceBackOnRequest) {
  AutoSelectionWindow window;
  int opened = -1;
  window.openProgress = [&](int last) { opened = last; };
  messages.QueueAnswer(IDCANCEL);
  EXPECT_FALSE(RunAutomaticSelectionCommand(document, tryOn, settings, kKindHairstyle, items, gallery, window));
  EXPECT_TRUE(GalleryFiles().empty());

  messages.QueueAnswer(IDNO);
  AutoSelectionOutcome outcome;
  EXPECT_TRUE(
      RunAutomaticSelectionCommand(document, tryOn, settings, kKindHairstyle, items, gallery, window, &outcome));
  EXPECT_EQ(outcome.written, 3);
  EXPECT_EQ(opened, 2);
  EXPECT_EQ(messages.messages().size(), 2u) << "no question about restoring after No";
  EXPECT_EQ(messages.messages()[1].text, "Would you like make new selection?");

  // Yes: the user narrows the list to the men's items, then takes the old
  // choice back.
  window.chooseCategories = [&] {
    CategoryChoice men = AllCategories();
    men[0] = "Men";
    tryOn.SetCategories(kKindHairstyle, men);
    return true;
  };
  messages.QueueAnswer(IDYES);
  messages.QueueAnswer(IDYES);
  ASSERT_TRUE(
      RunAutomaticSelectionCommand(document, tryOn, settings, kKindHairstyle, items, gallery, window, &outcome));
  EXPECT_EQ(outcome.written, 1);
  EXPECT_EQ(opened, 0);
  EXPECT_EQ(messages.messages().back().text, "Restore previous selection?");
  EXPECT_EQ(settings.categorySelections[kKindHairstyle], CategorySelections{});
  EXPECT_EQ(items.GetCount(), 3) << "the list refilled with the old choice";
}

}  // namespace
