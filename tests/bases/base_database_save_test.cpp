#include <gtest/gtest.h>

#include <filesystem>

#include "tests/bases/database_builders.h"

using testbases::MarkedPayload;
using testbases::MarkedThumbnail;
using testbases::Record;
using testbases::StoredBlock;

namespace {

std::uintmax_t SizeOf(const std::string& path) { return std::filesystem::file_size(path); }

// A custom base (version 3.0) with items named "item0", "item1", ... whose
// blocks are marked 10, 11, ...
std::string MakeCustomBase(const TemporaryFolder& folder, int items) {
  std::string path = folder.File("Cust1.hbd");
  CBaseDatabase base;
  EXPECT_TRUE(base.Create(path, "Custom", "3.0", 5));
  for (int i = 0; i < items; ++i) {
    auto marker = static_cast<unsigned char>(10 + i);
    EXPECT_TRUE(base.AddItemBlock(MarkedPayload(marker), MarkedThumbnail(marker), Record("item" + std::to_string(i))));
  }
  EXPECT_TRUE(base.Save());
  return path;
}

TEST(BaseSave, ZeroItemsOfAnOldVersionWriteOnlyTheHeader) {
  TemporaryFolder folder;
  CBaseDatabase base;
  ASSERT_TRUE(base.Create(folder.File("old.hbd"), "Old", "2.0", 0));
  ASSERT_TRUE(base.Save());
  EXPECT_EQ(SizeOf(folder.File("old.hbd")), kBaseHeaderBytes);
}

TEST(BaseSave, EmptyVersionThreeBaseKeepsItsTreeAcrossSaveAndLoad) {
  // Writing only the header here would make the next load fail (or read stale
  // record bytes as the tree); the extension is written even without items.
  TemporaryFolder folder;
  std::string path = folder.File("tree.hbd");
  {
    CBaseDatabase base;
    ASSERT_TRUE(base.Create(path, "Tree", "3.0", 0));
    base.ValueGroups()[0] = {{1, 2}};
    base.NameTable().rowNames[0] = "Labels";
    base.NameTable().cells[0][0] = "Hair";
    ASSERT_TRUE(base.Save());
  }
  EXPECT_EQ(SizeOf(path), kBaseHeaderBytes + kBaseExtensionBytes);
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(path, true) && base.Load());
  EXPECT_EQ(base.ValueGroups()[0], (BaseValueGroupRows{{1, 2}}));
  EXPECT_EQ(base.NameTable().cells[0][0], "Hair");
}

TEST(BaseSave, SeparatorDoesNotPileUpAcrossSaveAndReload) {
  TemporaryFolder folder;
  std::string path = MakeCustomBase(folder, 1);
  for (int round = 0; round < 3; ++round) {
    CBaseDatabase base;
    ASSERT_TRUE(base.Open(path, false) && base.Load());
    if (round == 0) base.CategoryListsInMemory()[0].push_back("Blonde");
    ASSERT_TRUE(base.Save());
  }
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(path, true) && base.Load());
  EXPECT_EQ(base.CategoryListsInMemory()[0], (std::vector<std::string>{"-------", "Blonde"}));
}

TEST(BaseSave, ListsLongerThanTheStoredArraysAreCutAtSave) {
  TemporaryFolder folder;
  std::string path = MakeCustomBase(folder, 0);
  {
    CBaseDatabase base;
    ASSERT_TRUE(base.Open(path, false) && base.Load());
    for (int i = 0; i < 80; ++i) base.CategoryListsInMemory()[3].push_back("v" + std::to_string(i));
    base.ValueGroups()[2].assign(40, std::vector<std::uint32_t>(45, 1));
    ASSERT_TRUE(base.Save());
  }
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(path, true) && base.Load());
  EXPECT_EQ(base.CategoryListsInMemory()[3].size(), 1u + kCategorySlots);
  EXPECT_EQ(base.ValueGroups()[2].size(), static_cast<std::size_t>(kValueGroupRows));
  EXPECT_EQ(base.ValueGroups()[2][0].size(), static_cast<std::size_t>(kValueGroupColumns));
}

TEST(BaseSave, ReadOnlyBasesAreNeverWritten) {
  TemporaryFolder folder;
  std::string path = MakeCustomBase(folder, 1);
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(path, true) && base.Load());
  EXPECT_FALSE(base.Save());
  EXPECT_FALSE(base.AddItemBlock(MarkedPayload(1), MarkedThumbnail(1), Record("x")));
  EXPECT_FALSE(base.DeleteItem(0));
}

TEST(BaseItems, AddedBlocksAndThumbnailsLandAtTheStoresEnds) {
  TemporaryFolder folder;
  std::string path = MakeCustomBase(folder, 2);
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(path, true) && base.Load());
  ASSERT_EQ(base.Records().size(), 2u);
  const BaseItemRecord& second = base.Records()[1];
  EXPECT_EQ(second.imageOffset, 20u + 24 + 6);
  EXPECT_EQ(second.imageBlockSize, 20u + 24 + 6);
  EXPECT_EQ(second.thumbOffset, 48u * 48 * 3);
  EXPECT_EQ(second.thumbSize, 48u * 48 * 3);
  std::vector<unsigned char> block = StoredBlock(base, second);
  ASSERT_EQ(block.size(), 50u);
  EXPECT_EQ(std::memcmp(block.data(), "ZOR", 3), 0);
  EXPECT_EQ(block[20], 11);
  std::unique_ptr<CDib> thumbnail(base.LoadThumbnail(second.thumbOffset));
  ASSERT_TRUE(thumbnail);
  EXPECT_EQ(thumbnail->LockBits()[0], 11);
  thumbnail->UnlockBits();
}

TEST(BaseCompact, DeleteThenCompactKeepsExactlyTheRemainingBlocksInOrder) {
  TemporaryFolder folder;
  std::string path = MakeCustomBase(folder, 3);
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(path, false) && base.Load());
  ASSERT_TRUE(base.DeleteItem(1));
  EXPECT_EQ(base.DeleteCount(), 1u);
  std::vector<int> progress;
  ASSERT_TRUE(base.Compact([&](int index) { progress.push_back(index); }));
  EXPECT_EQ(progress, (std::vector<int>{0, 1}));

  EXPECT_EQ(SizeOf(folder.File("Cust1.hbi")), 2u * 50);
  EXPECT_EQ(SizeOf(folder.File("Cust1.hbp")), 2u * 48 * 48 * 3);
  for (char last : {'x', 'y', 'w', 'z'}) EXPECT_FALSE(std::filesystem::exists(CBaseDatabase::CompanionPath(path, last)));

  CBaseDatabase reloaded;
  ASSERT_TRUE(reloaded.Open(path, true) && reloaded.Load());
  EXPECT_EQ(reloaded.DeleteCount(), 0u);
  ASSERT_EQ(reloaded.Records().size(), 2u);
  EXPECT_EQ(GetItemName(reloaded.Records()[1]), "item2");
  EXPECT_EQ(reloaded.Records()[1].imageOffset, 50u);
  EXPECT_EQ(StoredBlock(reloaded, reloaded.Records()[1])[20], 12);
}

TEST(BaseCompact, RecordPointingOutsideItsStoreLeavesEverythingAsItWas) {
  TemporaryFolder folder;
  std::string path = MakeCustomBase(folder, 2);
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(path, false) && base.Load());
  std::filesystem::resize_file(folder.File("Cust1.hbi"), 60);  // second block cut short
  EXPECT_FALSE(base.Compact());
  EXPECT_EQ(SizeOf(folder.File("Cust1.hbi")), 60u);
  EXPECT_FALSE(std::filesystem::exists(folder.File("Cust1.hbx")));
  EXPECT_EQ(base.Records().size(), 2u);
}

}  // namespace
