#include <gtest/gtest.h>

#include <filesystem>
#include <stdexcept>

#include "platform/core/atomic_file.h"
#include "platform/core/file.h"
#include "platform/core/memory_block.h"
#include "tests/test_files.h"

namespace {

TEST(MemoryBlock, IsZeroFilledAndCountsLocks) {
  HGLOBAL block = MemoryBlockAlloc(16);
  ASSERT_NE(block, nullptr);
  EXPECT_EQ(MemoryBlockSize(block), 16u);
  unsigned char* bytes = MemoryBlockLock(block);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(bytes[i], 0);
  EXPECT_EQ(MemoryBlockLock(block), bytes);
  EXPECT_EQ(MemoryBlockLockCount(block), 2);
  EXPECT_TRUE(MemoryBlockUnlock(block));
  EXPECT_FALSE(MemoryBlockUnlock(block));
  EXPECT_FALSE(MemoryBlockUnlock(block));  // unlocking an unlocked block changes nothing
  EXPECT_EQ(MemoryBlockLockCount(block), 0);
  MemoryBlockFree(block);
}

TEST(MemoryBlock, NullAndOversizedRequestsAreHandled) {
  EXPECT_EQ(MemoryBlockAlloc(kMaxMemoryBlockBytes + 1), nullptr);
  EXPECT_EQ(MemoryBlockLock(nullptr), nullptr);
  EXPECT_EQ(MemoryBlockSize(nullptr), 0u);
  MemoryBlockFree(nullptr);
  HGLOBAL empty = MemoryBlockAlloc(0);
  ASSERT_NE(empty, nullptr);
  EXPECT_NE(MemoryBlockLock(empty), nullptr);
  MemoryBlockFree(empty);
}

TEST(File, ReadsWritesSeeksAndReportsLength) {
  TemporaryFolder folder;
  CFile file;
  ASSERT_TRUE(file.Open(folder.File("f.bin"), CFile::modeCreate | CFile::modeWrite));
  file.Write("hello world", 11);
  file.Close();
  ASSERT_TRUE(file.Open(folder.File("f.bin"), CFile::modeRead));
  EXPECT_EQ(file.GetLength(), 11u);
  EXPECT_EQ(file.Seek(6, CFile::begin), 6u);
  char word[16] = {};
  EXPECT_EQ(file.Read(word, sizeof word), 5u);
  EXPECT_STREQ(word, "world");
  EXPECT_EQ(file.Read(word, 4), 0u);
  file.SeekToBegin();
  EXPECT_EQ(file.GetPosition(), 0u);
}

TEST(File, OpeningMissingFilesOrFoldersFails) {
  TemporaryFolder folder;
  CFile file;
  EXPECT_FALSE(file.Open(folder.File("missing"), CFile::modeRead));
  EXPECT_FALSE(file.Open(folder.File(""), CFile::modeRead));  // the folder itself
  EXPECT_FALSE(file.IsOpen());
}

TEST(File, FailedWriteThrowsWithTheFileName) {
  CFile full;
  if (!full.Open("/dev/full", CFile::modeWrite)) GTEST_SKIP() << "no /dev/full";
  try {
    full.Write("x", 1);
    FAIL() << "no exception";
  } catch (const CFileException& error) {
    EXPECT_EQ(error.m_strFileName, "/dev/full");
    EXPECT_NE(error.m_lOsError, 0);
  }
}

TEST(AtomicFile, ReplacesOnlyWhenTheWriterSucceeds) {
  TemporaryFolder folder;
  std::string target = folder.Write("settings.ini", {'o', 'l', 'd'});
  auto writeNew = [](const std::string& path) {
    CFile file;
    file.Open(path, CFile::modeCreate | CFile::modeWrite);
    file.Write("new", 3);
    return true;
  };
  auto failHalfway = [](const std::string& path) {
    CFile file;
    file.Open(path, CFile::modeCreate | CFile::modeWrite);
    file.Write("ne", 2);
    return false;
  };
  auto throwHalfway = [](const std::string& path) -> bool {
    CFile file;
    file.Open(path, CFile::modeCreate | CFile::modeWrite);
    file.Write("n", 1);
    throw std::runtime_error("interrupted");
  };

  EXPECT_FALSE(WriteFileAtomically(target, failHalfway));
  EXPECT_EQ(TemporaryFolder::Read(target), (std::vector<unsigned char>{'o', 'l', 'd'}));
  EXPECT_THROW(WriteFileAtomically(target, throwHalfway), std::runtime_error);
  EXPECT_EQ(TemporaryFolder::Read(target), (std::vector<unsigned char>{'o', 'l', 'd'}));
  EXPECT_TRUE(WriteFileAtomically(target, writeNew));
  EXPECT_EQ(TemporaryFolder::Read(target), (std::vector<unsigned char>{'n', 'e', 'w'}));

  int files = 0;
  for (auto& entry : std::filesystem::directory_iterator(std::filesystem::path(target).parent_path())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 1) << "temporary files left behind";
}

TEST(AtomicFile, MissingFolderFailsWithoutCallingTheWriter) {
  bool called = false;
  EXPECT_FALSE(WriteFileAtomically("/nonexistent/folder/x", [&](const std::string&) { return called = true; }));
  EXPECT_FALSE(called);
}

}  // namespace
