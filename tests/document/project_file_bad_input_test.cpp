// Damaged and hostile project files: each is refused with a reason and the
// document keeps every object and frame it had.
#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <limits>

#include "tests/document/project_file_fixtures.h"

using namespace projecttest;

namespace {

constexpr std::size_t kFace = kProjectThumbnailOffset + kProjectThumbnailBytes;
constexpr std::size_t kMask = kFace + 4 * 8 + 2 * 8 + 3 * 16 + 4 * 8;
constexpr std::size_t kPhoto = kMask + 4;
// The 2 x 2 photo of TabledFile: 8-byte rows, a 4-byte plane.
constexpr std::size_t kPhotoSine = kPhoto + 8 + 16 + 4 + 32 + 8;
constexpr std::size_t kPhotoBrightness = kPhotoSine + 8;
constexpr std::size_t kPhotoHue = kPhotoBrightness + 8;
constexpr std::size_t kPhotoFilterNumber = kPhotoBrightness + 16 + 1 + 8;

struct Patch {
  std::size_t offset;
  std::vector<unsigned char> bytes;
};

template <class T>
Patch At(std::size_t offset, T value) {
  std::vector<unsigned char> bytes(sizeof(T));
  std::memcpy(bytes.data(), &value, sizeof(T));
  return {offset, bytes};
}

struct BadFile {
  const char* label;
  std::vector<Patch> patches;
};

// A document with a look in face projection 0, where the files go.
class ProjectFileDocument : public testing::Test {
 protected:
  void SetUp() override { MakeLook(document, kFaceSet, 0, {0, 4}); }

  void ExpectRefusedWithoutChange(const std::string& path, const std::string& label) {
    const DocumentState before = StateOf(document);
    std::string reason;
    EXPECT_FALSE(RestoreProjectFile(document, path, 0, &reason)) << label;
    EXPECT_FALSE(reason.empty()) << label;
    EXPECT_EQ(reason.find('\n'), std::string::npos);
    EXPECT_TRUE(StateOf(document) == before) << label;
  }

  CKelvoraDoc document;
  TemporaryFolder folder;
};

class DamagedProjectFile : public ProjectFileDocument, public testing::WithParamInterface<BadFile> {};

}  // namespace

TEST_P(DamagedProjectFile, IsRefusedAndTheDocumentKeepsItsLook) {
  const BadFile& bad = GetParam();
  std::vector<unsigned char> bytes = TabledFile(0, 0, {0, 5});
  for (const Patch& patch : bad.patches) std::memcpy(bytes.data() + patch.offset, patch.bytes.data(), patch.bytes.size());
  const std::vector<unsigned char> lookBefore = Written(document, 0, folder);
  ExpectRefusedWithoutChange(folder.Write("bad.kvp", bytes), bad.label);
  EXPECT_EQ(Written(document, 0, folder), lookBefore);
  CProjection untouched;
  EXPECT_FALSE(LoadProjectFile(folder.File("bad.kvp"), untouched));
  EXPECT_EQ(RenderProjectFile(folder.File("bad.kvp")), nullptr);
}

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Fields, DamagedProjectFile,
    testing::Values(BadFile{"wrong version", {At<std::int32_t>(8, 2)}},
                    BadFile{"face set index 4", {At<std::int32_t>(4, 4)}},
                    BadFile{"body set index 1", {At<std::int32_t>(0, 1), At<std::int32_t>(4, 1)}},
                    BadFile{"negative index", {At<std::int32_t>(4, -1)}},
                    BadFile{"NaN in the face frame", {At(kFace + 8, kNaN)}},
                    BadFile{"infinite print area", {At(kMask - 8, -kInfinity)}},
                    BadFile{"NaN layer sine", {At(kPhotoSine, kNaN)}},
                    BadFile{"face frame far off", {At(kFace + 16, 1e300)}},
                    BadFile{"line point at the int limit", {At<std::int32_t>(kFace + 48, INT_MIN)}},
                    BadFile{"cosine 2", {At(kFace + 32, 2.0)}},
                    BadFile{"negative width", {At<std::int32_t>(kPhoto, -2)}},
                    BadFile{"zero height", {At<std::int32_t>(kPhoto + 4, 0)}},
                    BadFile{"huge size", {At<std::int32_t>(kPhoto, 0x7FFFFFFF), At<std::int32_t>(kPhoto + 4, 0x7FFFFFFF)}},
                    BadFile{"beyond the memory cap", {At<std::int32_t>(kPhoto, 1 << 20), At<std::int32_t>(kPhoto + 4, 1 << 12)}},
                    BadFile{"larger than the file", {At<std::int32_t>(kPhoto, 4000), At<std::int32_t>(kPhoto + 4, 4000)}},
                    BadFile{"unknown mask bit", {At<std::uint32_t>(kMask, 0x1000 | 0x6 | 0x8 | 0x100)}},
                    BadFile{"no photo layer", {At<std::uint32_t>(kMask, 0x4 | 0x8 | 0x100)}},
                    BadFile{"brightness 101", {At<std::int32_t>(kPhotoBrightness, 101)}},
                    BadFile{"negative hue", {At<std::int32_t>(kPhotoHue, -1)}},
                    BadFile{"filter number 12", {At<std::int32_t>(kPhotoFilterNumber, 12)}}));

TEST_F(ProjectFileDocument, TruncatedAtEveryOffsetIsRefused) {
  const std::vector<unsigned char> bytes = TabledFile(0, 0, {0, 5});
  const std::string path = folder.Write("cut.kvp", bytes);
  std::string reason;
  CProjection whole;
  ASSERT_TRUE(LoadProjectFile(path, whole, nullptr, &reason)) << reason;
  for (std::size_t size = bytes.size(); size-- > 0;) {
    std::filesystem::resize_file(path, size);
    ExpectRefusedWithoutChange(path, "cut to " + std::to_string(size));
    if (HasFailure()) break;
  }
  EXPECT_EQ(ReadProjectThumbnail(path), nullptr);
  EXPECT_FALSE(RestoreProjectFile(document, folder.File("missing.kvp"), 0));
}

TEST_F(ProjectFileDocument, UnusedMaskBitZeroIsIgnored) {
  std::vector<unsigned char> bytes = TabledFile(0, 0, {});
  bytes[kMask] |= 1;
  std::string reason;
  EXPECT_TRUE(RestoreProjectFile(document, folder.Write("bit0.kvp", bytes), 0, &reason)) << reason;
  EXPECT_EQ(document.GetProjection(0)->GetSlot(0), nullptr);  // the look's own items are gone with it
}
