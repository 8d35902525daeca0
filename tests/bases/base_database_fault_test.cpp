// Interrupting every write of the custom base in turn. Each change is run
// once per file operation it makes, with that operation failing: either just
// that one (a full disk that clears again) or that one and every later one (the
// process died there, so no clean-up ran). Opening the files afterwards must
// show the base exactly as it was before or exactly as it is after the change,
// with every item's block and thumbnail intact.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>

#include "platform/core/io_faults.h"
#include "tests/bases/database_builders.h"

using testbases::MarkedPayload;
using testbases::MarkedThumbnail;
using testbases::Record;
using testbases::StoredBlock;

namespace {

struct Snapshot {
  std::vector<std::string> names;
  std::vector<std::vector<unsigned char>> blocks;
  std::vector<std::vector<unsigned char>> thumbnails;
  std::vector<std::vector<std::string>> categories;
  bool operator==(const Snapshot&) const = default;
};

Snapshot Take(const std::string& path) {
  Snapshot snapshot;
  CBaseDatabase base;
  if (!base.Open(path, false) || !base.Load()) return snapshot;
  snapshot.categories = base.CategoryListsInMemory();
  for (const BaseItemRecord& record : base.Records()) {
    snapshot.names.push_back(GetItemName(record));
    snapshot.blocks.push_back(StoredBlock(base, record));
    std::unique_ptr<CDib> thumbnail(base.LoadThumbnail(record.thumbOffset));
    unsigned char* bits = thumbnail->LockBits();
    snapshot.thumbnails.emplace_back(bits, bits + thumbnail->Length());
    thumbnail->UnlockBits();
  }
  return snapshot;
}

void CopyBase(const std::string& fromFolder, const std::string& toFolder) {
  for (const char* name : {"Cust1.hbd", "Cust1.hbi", "Cust1.hbp"})
    std::filesystem::copy_file(fromFolder + "/" + name, toFolder + "/" + name);
}

using Change = std::function<void(const std::string& path)>;

void AddItemAndSave(const std::string& path) {
  CBaseDatabase base;
  if (!base.Open(path, false) || !base.Load()) return;
  if (base.AddItemBlock(MarkedPayload(50, 300, 100), MarkedThumbnail(50), Record("added"))) base.Save();
}

void DeleteAndCompact(const std::string& path) {
  CBaseDatabase base;
  if (!base.Open(path, false) || !base.Load()) return;
  if (base.DeleteItem(1)) base.Compact();
}

void ChangeListsAndSave(const std::string& path) {
  CBaseDatabase base;
  if (!base.Open(path, false) || !base.Load()) return;
  base.CategoryListsInMemory()[0].push_back("Red");
  base.Save();
}

class InterruptedChange : public testing::TestWithParam<std::tuple<const char*, Change, IoFaultMode>> {};

TEST_P(InterruptedChange, LeavesTheStateBeforeOrAfterAndLosesNoItem) {
  const auto& [label, change, mode] = GetParam();
  TemporaryFolder original;
  {
    CBaseDatabase base;
    ASSERT_TRUE(base.Create(original.File("Cust1.hbd"), "Custom", "3.0", 0));
    for (int i = 0; i < 3; ++i) {
      auto marker = static_cast<unsigned char>(10 + i);
      ASSERT_TRUE(base.AddItemBlock(MarkedPayload(marker), MarkedThumbnail(marker), Record("item" + std::to_string(i))));
    }
    ASSERT_TRUE(base.Save());
  }
  std::string originalFolder = std::filesystem::path(original.File("Cust1.hbd")).parent_path();
  const Snapshot before = Take(original.File("Cust1.hbd"));
  ASSERT_EQ(before.names.size(), 3u);
  Snapshot after;
  {
    TemporaryFolder clean;
    CopyBase(originalFolder, std::filesystem::path(clean.File("x")).parent_path());
    change(clean.File("Cust1.hbd"));
    after = Take(clean.File("Cust1.hbd"));
    ASSERT_NE(after, before) << label << ": the change must change something";
  }

  int interrupted = 0;
  for (int failAt = 0;; ++failAt) {
    TemporaryFolder work;
    CopyBase(originalFolder, std::filesystem::path(work.File("x")).parent_path());
    ArmIoFault(failAt, mode);
    change(work.File("Cust1.hbd"));
    bool fired = IoFaultFired();
    DisarmIoFault();
    if (!fired) break;  // every operation of the change has been interrupted once
    ++interrupted;
    Snapshot seen = Take(work.File("Cust1.hbd"));
    EXPECT_TRUE(seen == before || seen == after)
        << label << ": interrupted at file operation " << failAt << " shows " << seen.names.size() << " items";
  }
  EXPECT_GT(interrupted, 3) << label;
}

INSTANTIATE_TEST_SUITE_P(
    EveryStep, InterruptedChange,
    testing::Values(std::make_tuple("add", Change(AddItemAndSave), IoFaultMode::FailOnce),
                    std::make_tuple("add", Change(AddItemAndSave), IoFaultMode::FailFromThenOn),
                    std::make_tuple("delete and compact", Change(DeleteAndCompact), IoFaultMode::FailOnce),
                    std::make_tuple("delete and compact", Change(DeleteAndCompact), IoFaultMode::FailFromThenOn),
                    std::make_tuple("save", Change(ChangeListsAndSave), IoFaultMode::FailOnce),
                    std::make_tuple("save", Change(ChangeListsAndSave), IoFaultMode::FailFromThenOn)),
    [](const auto& info) {
      std::string name = std::get<0>(info.param);
      std::replace(name.begin(), name.end(), ' ', '_');
      return name + (std::get<2>(info.param) == IoFaultMode::FailOnce ? "_failing_once" : "_dying");
    });

TEST(InterruptedAdd, FailedAppendLeavesTheStoresAsTheyWere) {
  TemporaryFolder folder;
  CBaseDatabase base;
  ASSERT_TRUE(base.Create(folder.File("c.hbd"), "Custom", "3.0", 0));
  ASSERT_TRUE(base.AddItemBlock(MarkedPayload(1), MarkedThumbnail(1), Record("one")));
  std::uintmax_t images = std::filesystem::file_size(folder.File("c.hbi"));
  ArmIoFault(2, IoFaultMode::FailOnce);  // the alpha payload's write
  EXPECT_FALSE(base.AddItemBlock(MarkedPayload(2), MarkedThumbnail(2), Record("two")));
  DisarmIoFault();
  EXPECT_EQ(std::filesystem::file_size(folder.File("c.hbi")), images);
  EXPECT_EQ(base.Records().size(), 1u);
}

}  // namespace
