// Interrupting "Add to gallery" at every file operation: failing just that
// one (a full disk that clears) or that one and every later one (the process
// died there). The entry on disk must be the old one or the complete new one,
// and the writer must say which.
#include <gtest/gtest.h>

#include <filesystem>

#include "platform/core/io_faults.h"
#include "tests/document/project_file_fixtures.h"

using namespace projecttest;

namespace {

class InterruptedProjectWrite : public testing::TestWithParam<std::tuple<IoFaultMode, bool>> {};

std::size_t FilesIn(const TemporaryFolder& folder) {
  const auto folderPath = std::filesystem::path(folder.File("x")).parent_path();
  return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folderPath), {}));
}

}  // namespace

TEST_P(InterruptedProjectWrite, LeavesTheOldEntryOrTheCompleteNewOne) {
  const auto [mode, overwrite] = GetParam();
  TemporaryFolder folder;
  CKelvoraDoc oldLook;
  MakeLook(oldLook, kFaceSet, 0, {0});
  CKelvoraDoc newLook;
  MakeLook(newLook, kFaceSet, 0, {1, 7});
  const std::vector<unsigned char> before = Written(oldLook, 0, folder);
  const std::vector<unsigned char> after = Written(newLook, 0, folder);
  ASSERT_NE(before, after);
  std::filesystem::remove(folder.File("written.kvp"));

  const std::string path = folder.File("001.kvp");
  int interrupted = 0;
  for (int failAt = 0;; ++failAt) {
    if (overwrite) {
      ASSERT_TRUE(WriteProjectFile(oldLook, 0, path));
    }
    ArmIoFault(failAt, mode);
    std::string reason;
    const bool written = WriteProjectFile(newLook, 0, path, &reason);
    const bool fired = IoFaultFired();
    DisarmIoFault();
    if (!fired) {
      EXPECT_TRUE(written);
      break;
    }
    ++interrupted;
    const bool exists = std::filesystem::exists(path);
    const std::vector<unsigned char> seen = exists ? TemporaryFolder::Read(path) : std::vector<unsigned char>{};
    if (written) {
      EXPECT_EQ(seen, after) << "reported written at operation " << failAt;
    } else {
      EXPECT_FALSE(reason.empty());
      if (overwrite) {
        EXPECT_EQ(seen, before) << "operation " << failAt;
      } else {
        EXPECT_FALSE(exists) << "operation " << failAt;
      }
    }
    // A disk that clears lets the clean-up run: no temporary file stays.
    if (mode == IoFaultMode::FailOnce) {
      EXPECT_EQ(FilesIn(folder), exists ? 1u : 0u) << "operation " << failAt;
    }
    std::filesystem::remove(path);
  }
  EXPECT_GT(interrupted, 5);
}

INSTANTIATE_TEST_SUITE_P(EveryStep, InterruptedProjectWrite,
                         testing::Combine(testing::Values(IoFaultMode::FailOnce, IoFaultMode::FailFromThenOn),
                                          testing::Bool()));
