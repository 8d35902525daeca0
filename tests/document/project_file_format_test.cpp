// The project file's layout: fields land where the table puts them, every
// field survives a write and a read, and files from before kinds 4 to 8 had
// slots read as they did.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "tests/document/project_file_fixtures.h"

using namespace projecttest;

namespace {

constexpr std::size_t kRecordStart = kProjectThumbnailOffset + kProjectThumbnailBytes;

std::vector<unsigned char> WithoutThumbnail(std::vector<unsigned char> bytes) {
  if (bytes.size() >= kRecordStart) bytes.erase(bytes.begin() + kProjectThumbnailOffset, bytes.begin() + kRecordStart);
  return bytes;
}

std::uint32_t MaskOf(const std::vector<unsigned char>& bytes) {
  std::uint32_t mask = 0;
  std::memcpy(&mask, bytes.data() + kRecordStart + 4 * 8 + 2 * 8 + 3 * 16 + 4 * 8, 4);
  return mask;
}

}  // namespace

TEST(ProjectFileFormat, TabledFileReadsIntoEveryFieldAndWritesBackTheSameRecord) {
  TemporaryFolder folder;
  LayerSpec photo{.width = 3, .height = 2, .rotation = {0.6, 0.8}, .adjustments = {61, 38, 73, 55}, .filterOn = 1,
                  .strength = 44, .colour = 0x00A0B0C0, .number = 11};
  const std::string path = folder.Write("tabled.kvp", TabledFile(0, 2, {0, 3}, photo));
  CKelvoraDoc document;
  std::string reason;
  ASSERT_TRUE(RestoreProjectFile(document, path, 3, &reason)) << reason;

  CProjection& projection = *document.GetProjection(2);
  EXPECT_EQ(document.GetProjectionIndex(-1), 2);
  EXPECT_EQ(projection.FaceFrame().GetBaseRect(), (CDoubleRect{2.0, 3.0, 18.5, 20.0}));  // stored l, t, b, r
  EXPECT_EQ(projection.EyesLine().GetPoint0(), CPoint(4, 5));
  EXPECT_EQ(projection.EyesLine().GetPoint1(), CPoint(14, 6));
  EXPECT_EQ(projection.UnderarmLine().GetPoint1(), CPoint(21, 20));
  EXPECT_EQ(projection.PrintArea().GetBaseRect(), (CDoubleRect{0.0, 0.0, 24.0, 16.0}));
  EXPECT_EQ(projection.StretchFrame(3)->GetBaseRect(), (CDoubleRect{3.0, 1.0, 43.0, 30.0}));

  const CLayer& layer = *projection.GetPhoto();
  EXPECT_EQ(layer.GetImage()->GetSize(), CSize(3, 2));
  EXPECT_EQ(layer.GetCosine(), 0.6);
  EXPECT_EQ(layer.GetSine(), 0.8);
  EXPECT_EQ(layer.GetBrightness(), 61);
  EXPECT_EQ(layer.GetContrast(), 38);
  EXPECT_EQ(layer.GetHue(), 73);
  EXPECT_EQ(layer.GetImageOpacity(), 55);
  EXPECT_EQ(layer.GetImage()->m_nOpacity, 55);  // the adjustments reached the image
  EXPECT_TRUE(layer.IsFilterOn());
  EXPECT_TRUE(layer.GetImage()->m_bGrayIndex);
  EXPECT_EQ(layer.GetFilterStrength(), 44);
  EXPECT_EQ(layer.GetFilterColour(), 0x00A0B0C0u);
  EXPECT_EQ(layer.GetFilterNumber(), 11);
  EXPECT_EQ(layer.GetImage()->LockAlpha()[5], 250);
  layer.GetImage()->UnlockAlpha();
  EXPECT_EQ(document.GetCurrentLayer(), projection.GetSlot(3));
  EXPECT_EQ(projection.GetSlot(1), nullptr);
  EXPECT_EQ(projection.GetSlot(4), nullptr);

  EXPECT_EQ(WithoutThumbnail(Written(document, 2, folder)), WithoutThumbnail(TemporaryFolder::Read(path)));
}

TEST(ProjectFileFormat, EveryKindsLayerAndFieldRoundTripsToTheSameBytes) {
  TemporaryFolder folder;
  for (int set : {kFaceSet, kBodySet}) {
    CKelvoraDoc original;
    MakeLook(original, set, set == kBodySet ? 0 : 1, {0, 1, 2, 3, 4, 5, 6, 7, 8});
    const std::vector<unsigned char> first = Written(original, -1, folder);
    ASSERT_FALSE(first.empty());
    EXPECT_EQ(MaskOf(first), 0xFFEu);
    EXPECT_EQ(first[0], set);

    CKelvoraDoc copy;
    std::string reason;
    ASSERT_TRUE(RestoreProjectFile(copy, folder.File("written.kvp"), -1, &reason)) << reason;
    EXPECT_EQ(copy.GetCurrentLayer(), nullptr);
    const CLayer& headDress = *copy.GetProjection(-1)->GetSlot(kKindHeadDress);
    EXPECT_EQ(headDress.GetBrightness(), 48);
    EXPECT_TRUE(headDress.ShowsMidHandles());
    EXPECT_FALSE(copy.GetPhotoLayer()->ShowsMidHandles());
    // The thumbnail is rendered again from the read layers: same look, same bytes.
    EXPECT_EQ(Written(copy, -1, folder), first) << "set " << set;
  }
}

TEST(ProjectFileFormat, OldStyleFileWithTheFirstFourSlotsReadsAsBefore) {
  TemporaryFolder folder;
  const std::vector<unsigned char> old = TabledFile(0, 0, {0, 1, 2, 3});
  ASSERT_EQ(MaskOf(old), 0x7Eu);
  CKelvoraDoc document;
  ASSERT_TRUE(RestoreProjectFile(document, folder.Write("old.kvp", old), 1));
  const CProjection& projection = *document.GetProjection(0);
  for (int slot = 0; slot < kSlotCount; ++slot) EXPECT_EQ(projection.GetSlot(slot) != nullptr, slot < 4) << slot;
  EXPECT_EQ(projection.GetSlot(3)->GetImage()->GetSize(), CSize(1, 3));
  EXPECT_EQ(WithoutThumbnail(Written(document, 0, folder)), WithoutThumbnail(old));
}

TEST(ProjectFileFormat, PhotoOnlyEntryEndsAfterThePhotoAndReadsWithAFreshMakeupLayer) {
  TemporaryFolder folder;
  CKelvoraDoc document;
  MakeLook(document, kFaceSet, 0, {});
  document.GetProjection(0)->SetMakeup(nullptr);
  document.RefreshLayerPointers();
  const std::vector<unsigned char> bytes = Written(document, 0, folder);
  EXPECT_EQ(MaskOf(bytes), 2u);
  const std::size_t photoRecord = 8 + 120 * 30 + 40 * 30 + 32 + 16 + 16 + 1 + 12;
  EXPECT_EQ(bytes.size(), kRecordStart + 4 * 8 + 2 * 8 + 3 * 16 + 4 * 8 + 4 + photoRecord);

  CProjection read;
  ASSERT_TRUE(LoadProjectFile(folder.File("written.kvp"), read));
  const CLayer& makeup = *read.GetMakeup();
  EXPECT_EQ(makeup.GetBaseRect(), read.GetPhoto()->GetBaseRect());
  EXPECT_EQ(makeup.GetImage()->GetSize(), CSize(40, 30));
  EXPECT_EQ(testimages::PixelAt(*makeup.GetImage(), 17, 9), (testimages::Bgr{0, 0, 0}));
  const unsigned char* plane = makeup.GetImage()->LockAlpha();
  EXPECT_EQ(std::count(plane, plane + 40 * 30, 255), 40 * 30);
  makeup.GetImage()->UnlockAlpha();
}

TEST(ProjectFileFormat, ThumbnailIsTheRenderedLookShrunkOnWhite) {
  TemporaryFolder folder;
  CKelvoraDoc document;
  MakeLook(document, kFaceSet, 3, {0});
  ASSERT_TRUE(WriteProjectFile(document, 3, folder.File("a.kvp")));
  std::unique_ptr<CDib> stored = ReadProjectThumbnail(folder.File("a.kvp"));
  ASSERT_NE(stored, nullptr);
  std::unique_ptr<CDib> rendered = document.RenderProjection(*document.GetProjection(3));
  std::unique_ptr<CDib> expected(rendered->CreateThumbNail(64, 0xFFFFFF));
  unsigned char* bits = expected->LockBits();
  std::vector<unsigned char> expectedBits(bits, bits + expected->Length());
  expected->UnlockBits();
  bits = stored->LockBits();
  EXPECT_EQ(std::vector<unsigned char>(bits, bits + stored->Length()), expectedBits);
  stored->UnlockBits();
  EXPECT_EQ(testimages::PixelAt(*stored, 32, 2), (testimages::Bgr{255, 255, 255}));  // 40 x 30 leaves bands
}

TEST(ProjectFileFormat, ProjectionWithoutPhotoIsNotWritten) {
  TemporaryFolder folder;
  CKelvoraDoc document;
  std::string reason;
  EXPECT_FALSE(WriteProjectFile(document, 1, folder.File("none.kvp"), &reason));
  EXPECT_FALSE(reason.empty());
  EXPECT_FALSE(std::filesystem::exists(folder.File("none.kvp")));
  EXPECT_FALSE(WriteProjectFile(document, 5, folder.File("none.kvp")));
}
