#include <gtest/gtest.h>

#include "app/bases/base_slots.h"
#include "app/bases/custom_base.h"
#include "app/bases/item_record.h"
#include "tests/bases/database_builders.h"

namespace {

std::string MakeBase(const TemporaryFolder& folder, const std::string& name) {
  CBaseDatabase base;
  EXPECT_TRUE(base.Create(folder.File(name), name, "3.0", 0));
  EXPECT_TRUE(base.Save());
  return folder.File(name);
}

TEST(BaseSlots, ShippedSlotsOpenReadOnlyAndTheCustomSlotForWriting) {
  TemporaryFolder folder;
  CBaseSlots slots;
  for (int slot = 0; slot < kBaseSlotCount; ++slot) {
    ASSERT_TRUE(slots.LoadBase(slot, MakeBase(folder, "b" + std::to_string(slot) + ".hbd")));
    ASSERT_NE(slots.Get(slot), nullptr);
    EXPECT_EQ(slots.Get(slot)->IsReadOnly(), slot != kCustomBaseSlot) << slot;
  }
}

TEST(BaseSlots, MissingEmptyOrOutOfRangeLeaveTheSlotEmpty) {
  TemporaryFolder folder;
  CBaseSlots slots;
  ASSERT_TRUE(slots.LoadBase(1, MakeBase(folder, "a.hbd")));
  EXPECT_FALSE(slots.LoadBase(1, folder.File("missing.hbd")));
  EXPECT_EQ(slots.Get(1), nullptr);
  ASSERT_TRUE(slots.LoadBase(1, folder.File("a.hbd")));
  EXPECT_FALSE(slots.LoadBase(1, ""));
  EXPECT_EQ(slots.Get(1), nullptr);
  EXPECT_FALSE(slots.LoadBase(4, folder.File("a.hbd")));
  EXPECT_FALSE(slots.LoadBase(-1, folder.File("a.hbd")));
  EXPECT_EQ(slots.Get(7), nullptr);
}

TEST(BaseSlots, BaseThatFailsToLoadIsKept) {
  TemporaryFolder folder;
  std::string path = folder.Write("short.hbd", std::vector<unsigned char>(100, 0));
  folder.Write("short.hbi", {});
  folder.Write("short.hbp", {});
  CBaseSlots slots;
  EXPECT_TRUE(slots.LoadBase(0, path));
  EXPECT_NE(slots.Get(0), nullptr);
}

TEST(BaseSlots, CustomBaseLivesInTheWritableFolder) {
  EXPECT_EQ(BaseSlotPath(0, "/usr/share/kelvora/Bases/", "/home/u/.local/share/Kelvora/BasesVar/", "Hdress1.hbd"),
            "/usr/share/kelvora/Bases/Hdress1.hbd");
  EXPECT_EQ(BaseSlotPath(3, "/usr/share/kelvora/Bases/", "/home/u/.local/share/Kelvora/BasesVar/", "Cust1.hbd"),
            "/home/u/.local/share/Kelvora/BasesVar/Cust1.hbd");
  EXPECT_EQ(BaseSlotPath(2, "/b/", "/v/", ""), "");
}

TEST(BaseSlots, CustomBaseIsCreatedEmptyOnFirstUseAndOpensForWriting) {
  TemporaryFolder folder;
  const std::string path = folder.File("Cust1.hbd");
  ASSERT_TRUE(EnsureCustomBase(path));
  CBaseSlots slots;
  ASSERT_TRUE(slots.LoadBase(kCustomBaseSlot, path));
  CBaseDatabase* custom = slots.Get(kCustomBaseSlot);
  EXPECT_FALSE(custom->IsReadOnly());
  EXPECT_TRUE(custom->Records().empty());
  EXPECT_GE(custom->GetVersion(), 3.0);
  ASSERT_TRUE(custom->AddItemBlock(testbases::MarkedPayload(1), testbases::MarkedThumbnail(1), testbases::Record("mine")));
  EXPECT_TRUE(custom->Save());
}

TEST(BaseSlots, ExistingCustomBaseIsLeftAsItIsAndAMissingFolderFails) {
  TemporaryFolder folder;
  const std::string path = folder.File("Cust1.hbd");
  {
    CBaseDatabase base;
    ASSERT_TRUE(base.Create(path, "Custom", "3.0", 0));
    ASSERT_TRUE(base.AddItemBlock(testbases::MarkedPayload(7), testbases::MarkedThumbnail(7), testbases::Record("kept")));
    ASSERT_TRUE(base.Save());
  }
  ASSERT_TRUE(EnsureCustomBase(path));
  CBaseDatabase reopened;
  ASSERT_TRUE(reopened.Open(path, true) && reopened.Load());
  ASSERT_EQ(reopened.Records().size(), 1u);
  EXPECT_EQ(GetItemName(reopened.Records()[0]), "kept");

  EXPECT_FALSE(EnsureCustomBase(folder.File("no such folder/Cust1.hbd")));
  EXPECT_FALSE(EnsureCustomBase(""));
}

}  // namespace
