// "Restore" and "View" of gallery entries: where a file goes in the
// document, what becomes current, and that viewing leaves the document alone.
#include <gtest/gtest.h>

#include "tests/document/project_file_fixtures.h"

using namespace projecttest;

namespace {

std::vector<unsigned char> Pixels(CDib& image) {
  unsigned char* bits = image.LockBits();
  std::vector<unsigned char> pixels(bits, bits + image.Length());
  image.UnlockBits();
  return pixels;
}

}  // namespace

TEST(ProjectFileRestore, BodySetEntryRestoresIntoProjectionFourAndSwitchesTheSet) {
  TemporaryFolder folder;
  CKelvoraDoc saved;
  MakeLook(saved, kBodySet, 0, {6});
  ProjectFileHeader header;
  ASSERT_TRUE(WriteProjectFile(saved, 4, folder.File("body.kvp")));
  ASSERT_TRUE(ReadProjectFileHeader(folder.File("body.kvp"), &header));
  EXPECT_EQ(header.mode, kBodySet);
  EXPECT_EQ(header.index, 0);

  CKelvoraDoc document;
  MakeLook(document, kFaceSet, 2, {0});
  const CLayer* facePhoto = document.GetProjection(2)->GetPhoto();
  ASSERT_TRUE(RestoreProjectFile(document, folder.File("body.kvp"), kKindBreast));
  const CProjection& body = *document.GetProjection(4);
  EXPECT_EQ(document.GetMode(), kBodySet);
  EXPECT_EQ(document.GetProjectionIndex(-1), 4);
  EXPECT_EQ(document.GetPhotoLayer(), body.GetPhoto());
  EXPECT_EQ(document.GetMakeupLayer(), body.GetMakeup());
  EXPECT_EQ(document.GetCurrentLayer(), body.GetSlot(kKindBreast));
  ASSERT_NE(body.GetSlot(kKindBreast), nullptr);
  EXPECT_EQ(document.GetProjection(2)->GetPhoto(), facePhoto);  // the face set keeps its work
  EXPECT_EQ(document.GetRememberedProjection(kFaceSet), 2);
}

TEST(ProjectFileRestore, RestoringOverTheCurrentLookReplacesItWholly) {
  TemporaryFolder folder;
  CKelvoraDoc document;
  MakeLook(document, kFaceSet, 1, {1});
  ASSERT_TRUE(WriteProjectFile(document, 1, folder.File("glasses.kvp")));
  document.PutItem(ItemImage(8, 8, 3), 0, 0, 4, 0, kKindHairstyle);  // current, and not in the file
  ASSERT_NE(document.GetCurrentLayer(), nullptr);
  document.GetProjection(1)->FaceFrame().PushUndo("Move");
  document.SelectProjection(3, false, true);

  ASSERT_TRUE(RestoreProjectFile(document, folder.File("glasses.kvp"), 9));
  const CProjection& projection = *document.GetProjection(1);
  EXPECT_EQ(document.GetProjectionIndex(-1), 1);
  EXPECT_EQ(projection.GetSlot(kKindHairstyle), nullptr);
  EXPECT_NE(projection.GetSlot(kKindGlasses), nullptr);
  EXPECT_EQ(document.GetCurrentLayer(), nullptr);  // slot 9 does not exist
  EXPECT_FALSE(projection.FaceFrame().CanUndo());
  EXPECT_EQ(document.GetPhotoLayer(), projection.GetPhoto());
}

TEST(ProjectFileRestore, ViewRendersTheEntryAndLeavesTheDocumentAlone) {
  TemporaryFolder folder;
  CKelvoraDoc document;
  MakeLook(document, kFaceSet, 0, {0, 2, 8});
  ASSERT_TRUE(WriteProjectFile(document, 0, folder.File("look.kvp")));
  const DocumentState before = StateOf(document);
  std::unique_ptr<CDib> viewed = RenderProjectFile(folder.File("look.kvp"));
  ASSERT_NE(viewed, nullptr);
  std::unique_ptr<CDib> original = document.RenderProjection(*document.GetProjection(0));
  EXPECT_EQ(Pixels(*viewed), Pixels(*original));
  EXPECT_TRUE(StateOf(document) == before);

  const CRect area(-5, -5, 20, 10);
  CDib base;
  base.Create(CSize(50, 40), 0x00FF00ul);
  std::unique_ptr<CDib> part = RenderProjectFile(folder.File("look.kvp"), &area, &base);
  ASSERT_NE(part, nullptr);
  EXPECT_EQ(part->GetSize(), CSize(20, 10));
}
