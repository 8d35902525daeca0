// A gallery bar without its window: naming and numbering new files, which
// files are listed, Add to gallery with a failing disk, Restore and View of
// good and damaged files, Delete and Delete all with and without asking.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/document/project_file.h"
#include "app/shell/gallery/gallery_bar.h"
#include "app/shell/gallery/gallery_commands.h"
#include "platform/core/io_faults.h"
#include "platform/core/message_box.h"
#include "tests/document/document_fixture.h"
#include "tests/gallery/gallery_fixture.h"
#include "tests/test_files.h"

using testdocument::MakeItem;
using testdocument::MakePhoto;
using testgallery::CPlainGalleryList;

namespace {

class GalleryBar : public testdocument::DocumentTest {
 protected:
  void SetUp() override { ASSERT_TRUE(document.SetPhoto(MakePhoto(40, 30), 0)); }
  std::string Data() const { return folder.File(""); }
  // A file written by the document, named as given.
  std::string WriteEntry(const std::string& name, int projection = 0) {
    const std::string path = folder.File(name);
    EXPECT_TRUE(WriteProjectFile(document, projection, path));
    return path;
  }
  static std::string Name(const std::string& path) { return std::filesystem::path(path).filename().string(); }

  TemporaryFolder folder;
  CPlainGalleryList list;
  CGalleryBar strip{GalleryNaming::padded, list};
  CRecordingMessageBoxService messages;
};

TEST_F(GalleryBar, NumbersSkipFilesInUseAndRestartAfterDeleteAll) {
  WriteEntry("001.kvp");
  WriteEntry("002.kvp");
  strip.FillFromFolder(Data());
  EXPECT_EQ(Name(strip.AddProjection(document, Data())), "003.kvp");
  EXPECT_EQ(strip.FileCounter(), 3u);
  messages.QueueAnswer(IDYES);
  EXPECT_TRUE(strip.DeleteAll(true));
  EXPECT_EQ(strip.Count(), 0);
  EXPECT_EQ(list.GetCount(), 0);
  EXPECT_FALSE(std::filesystem::exists(folder.File("001.kvp")));
  EXPECT_EQ(Name(strip.AddProjection(document, Data())), "001.kvp");
}

TEST_F(GalleryBar, RightPanelNumbersWithoutZerosAndBothListBothNamings) {
  WriteEntry("007.kvp");
  CPlainGalleryList panelList;
  CGalleryBar panel(GalleryNaming::plain, panelList);
  EXPECT_EQ(Name(panel.AddProjection(document, Data())), "1.kvp");
  EXPECT_EQ(Name(panel.AddProjection(document, Data())), "2.kvp");
  strip.FillFromFolder(Data());
  EXPECT_EQ(strip.Count(), 3);
  CPlainGalleryList againList;
  CGalleryBar again(GalleryNaming::plain, againList);
  again.FillFromFolder(Data());
  EXPECT_EQ(again.Count(), 3);
  EXPECT_EQ(againList.GetCount(), 3);
}

TEST_F(GalleryBar, LeavesOutMissingShortAndNonBmpFiles) {
  const std::string good = WriteEntry("good.kvp");
  std::vector<unsigned char> bytes = TemporaryFolder::Read(good);
  folder.Write("short.kvp", {bytes.begin(), bytes.begin() + 100});
  std::vector<unsigned char> notBmp = bytes;
  notBmp[kProjectThumbnailOffset] = 'X';
  folder.Write("notbmp.kvp", notBmp);
  std::vector<unsigned char> badHeader = bytes;
  badHeader[4] = 9;  // index 9 of the face set
  folder.Write("badheader.kvp", badHeader);
  folder.Write("other.txt", bytes);
  EXPECT_FALSE(strip.AddFile(folder.File("missing.kvp")));
  strip.FillFromFolder(Data());
  ASSERT_EQ(strip.Count(), 1);
  EXPECT_EQ(strip.EntryPath(0), good);
  EXPECT_TRUE(messages.messages().empty()) << "left out without a message";
}

TEST_F(GalleryBar, FailedAddLeavesNoFileGivesTheNumberBackAndNamesTheFile) {
  for (IoFaultMode mode : {IoFaultMode::FailOnce, IoFaultMode::FailFromThenOn}) {
    for (int failAt = 0;; ++failAt) {
      ArmIoFault(failAt, mode);
      const std::string path = strip.AddProjection(document, Data());
      const bool fired = IoFaultFired();
      DisarmIoFault();
      if (!path.empty()) {
        // A fault after the file was put in place (a folder sync) leaves a
        // complete entry, listed and readable.
        ASSERT_EQ(strip.Count(), 1);
        CProjection read;
        EXPECT_TRUE(LoadProjectFile(path, read)) << "fault at " << failAt;
        strip.DeleteAll(false);
        if (!fired) break;
        continue;
      }
      ASSERT_TRUE(fired);
      EXPECT_EQ(strip.FileCounter(), 0u);
      EXPECT_EQ(strip.Count(), 0);
      EXPECT_FALSE(std::filesystem::exists(folder.File("001.kvp"))) << "fault at " << failAt;
      CPlainGalleryList relisted;
      CGalleryBar again(GalleryNaming::padded, relisted);
      again.FillFromFolder(Data());
      EXPECT_EQ(again.Count(), 0) << "no half-written entry is listed";
      ASSERT_FALSE(messages.messages().empty());
      EXPECT_NE(messages.messages().back().text.find(folder.File("001.kvp")), std::string::npos);
    }
  }
}

TEST_F(GalleryBar, NoPhotoWritesNothing) {
  CPlainGalleryList otherList;
  CGalleryBar other(GalleryNaming::padded, otherList);
  EXPECT_TRUE(other.AddProjection(document, Data(), 1).empty());
  EXPECT_EQ(other.FileCounter(), 0u);
  EXPECT_FALSE(std::filesystem::exists(folder.File("001.kvp")));
}

TEST_F(GalleryBar, BodyEntryRestoresIntoProjectionFour) {
  document.SwitchProjectionSet(kBodySet);
  ASSERT_TRUE(document.SetPhoto(MakePhoto(24, 50), 0));
  const std::string path = WriteEntry("body.kvp", kBodyProjection);
  document.ClearDocument();
  document.SwitchProjectionSet(kFaceSet);
  strip.AddFile(path);
  list.Select({0});
  EXPECT_TRUE(strip.Restore(document, 0));
  EXPECT_EQ(document.GetMode(), kBodySet);
  EXPECT_EQ(document.GetProjectionIndex(-1), kBodyProjection);
  EXPECT_TRUE(document.GetProjection(kBodyProjection)->HasPhoto());
  EXPECT_EQ(document.GetPhotoLayer(), document.GetProjection(kBodyProjection)->GetPhoto());
}

TEST_F(GalleryBar, PhotoOnlyEntryHasMaskTwoAndEndsAfterThePhotoRecord) {
  // A loaded photo always comes with a make-up layer; without one, only
  // the photo is written.
  document.GetProjection(0)->SetMakeup(nullptr);
  document.RefreshLayerPointers();
  const std::string path = WriteEntry("photo.kvp");
  ProjectFileHeader header;
  CProjection projection;
  ASSERT_TRUE(LoadProjectFile(path, projection, &header));
  EXPECT_EQ(header.layerMask, kProjectMaskPhoto);
  // Header, thumbnail, frames, lines, print area and mask, then the 40 x 30
  // photo: sizes, pixels (rows of 120 bytes), alpha plane and its fields.
  const std::size_t record = 8 + 120 * 30 + 40 * 30 + 32 + 16 + 4 * 4 + 1 + 3 * 4;
  EXPECT_EQ(std::filesystem::file_size(path), 12 + kProjectThumbnailBytes + 32 + 16 + 48 + 32 + 4 + record);
}

TEST_F(GalleryBar, DamagedFileIsRefusedByRestoreAndViewWithTheDocumentUnchanged) {
  ASSERT_NE(document.PutItem(MakeItem(12, 10), 0, 0, 12, 0, kKindHairstyle), nullptr);
  const std::string path = WriteEntry("cut.kvp");
  std::vector<unsigned char> bytes = TemporaryFolder::Read(path);
  bytes.resize(bytes.size() - 30);
  folder.Write("cut.kvp", bytes);
  strip.AddFile(path);
  ASSERT_EQ(strip.Count(), 1) << "the thumbnail is whole";
  list.Select({0});
  document.ClearDocument();
  ASSERT_TRUE(document.SetPhoto(MakePhoto(20, 20), 1));
  document.SelectProjection(1, false, false);
  const CLayer* photoBefore = document.GetProjection(1)->GetPhoto();
  EXPECT_FALSE(strip.Restore(document, 0));
  EXPECT_EQ(document.GetProjectionIndex(-1), 1);
  EXPECT_EQ(document.GetProjection(1)->GetPhoto(), photoBefore);
  EXPECT_FALSE(document.GetProjection(0)->HasPhoto());
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_NE(messages.messages()[0].text.find(path), std::string::npos);
  EXPECT_TRUE(strip.RenderSelected().empty());
  ASSERT_EQ(messages.messages().size(), 2u);
  EXPECT_NE(messages.messages()[1].text.find(path), std::string::npos);
}

TEST_F(GalleryBar, ViewRendersEachSelectedEntry) {
  strip.AddFile(WriteEntry("a.kvp"));
  strip.AddFile(WriteEntry("b.kvp"));
  list.Select({1, 0});
  std::vector<std::unique_ptr<CDib>> pictures = strip.RenderSelected();
  ASSERT_EQ(pictures.size(), 2u);
  EXPECT_EQ(pictures[0]->Width(), 40);
  EXPECT_EQ(pictures[0]->Height(), 30);
}

TEST_F(GalleryBar, DeleteAsksOnlyWhenQuestionsAreOnAndKeepsEntriesInStep) {
  const std::string a = WriteEntry("a.kvp"), b = WriteEntry("b.kvp"), c = WriteEntry("c.kvp");
  strip.FillFromFolder(Data());
  list.Select({0, 2});
  messages.QueueAnswer(IDNO);
  EXPECT_FALSE(strip.DeleteSelected(true));
  EXPECT_EQ(strip.Count(), 3);
  EXPECT_TRUE(std::filesystem::exists(a));
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text, kGalleryDeleteQuestion);

  EXPECT_TRUE(strip.DeleteSelected(false));
  EXPECT_EQ(messages.messages().size(), 1u) << "no question with questions off";
  ASSERT_EQ(strip.Count(), 1);
  EXPECT_EQ(strip.EntryPath(0), b);
  EXPECT_EQ(list.GetCount(), 1);
  EXPECT_FALSE(std::filesystem::exists(a));
  EXPECT_FALSE(std::filesystem::exists(c));

  EXPECT_TRUE(strip.DeleteAll(false));
  EXPECT_EQ(messages.messages().size(), 1u);
  EXPECT_FALSE(std::filesystem::exists(b));
  EXPECT_FALSE(strip.DeleteAll(false)) << "nothing left";
}

TEST(GalleryCommands, LiveWhenTheirEntriesAreThereAndNothingBlocks) {
  GalleryBarFacts facts{.photoInProjection = true, .count = 3, .selected = 2};
  EXPECT_TRUE(IsGalleryCommandEnabled(ID_GALLERY_ADD, facts));
  EXPECT_TRUE(IsGalleryCommandEnabled(ID_GALLERY_DELETE, facts));
  EXPECT_FALSE(IsGalleryCommandEnabled(ID_GALLERY_RESTORE, facts)) << "two selected";
  EXPECT_TRUE(IsGalleryCommandEnabled(ID_GALLERY_VIEW, facts));
  facts.busy = true;
  EXPECT_FALSE(IsGalleryCommandEnabled(ID_GALLERY_DELETE, facts));
  EXPECT_FALSE(IsGalleryCommandEnabled(ID_GALLERY_DELETE_ALL, facts));
  facts = {.count = 3, .selected = 1};
  EXPECT_FALSE(IsGalleryCommandEnabled(ID_GALLERY_ADD, facts));
  EXPECT_TRUE(IsGalleryCommandEnabled(ID_GALLERY_RESTORE, facts));
  EXPECT_FALSE(IsGalleryCommandEnabled(ID_GALLERY_SCROLL_BACK, facts));
}

}  // namespace
