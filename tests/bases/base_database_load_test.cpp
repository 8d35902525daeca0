#include <gtest/gtest.h>

#include "tests/bases/database_builders.h"

using testbases::AppendBytes;
using testbases::Header;
using testbases::Record;
using testbases::WriteDatabase;

namespace {

std::vector<unsigned char> MainFile(const BaseHeader& header, const std::vector<BaseItemRecord>& records,
                                    const BaseExtension* extension, std::size_t extensionBytes = kBaseExtensionBytes) {
  std::vector<unsigned char> bytes;
  AppendBytes(bytes, header);
  for (const BaseItemRecord& record : records) AppendBytes(bytes, record);
  if (extension) AppendBytes(bytes, *extension, extensionBytes);
  return bytes;
}

std::unique_ptr<BaseExtension> EmptyExtension() {
  auto extension = std::make_unique<BaseExtension>();
  std::memset(extension.get(), 0, sizeof(BaseExtension));
  return extension;
}

bool OpenAndLoad(CBaseDatabase& base, const std::string& path, bool readOnly = true) {
  return base.Open(path, readOnly) && base.Load();
}

TEST(BaseLoad, VersionTwoEndingAfterItsRecordsLoadsWithoutATree) {
  TemporaryFolder folder;
  auto header = Header("2.5", 2);
  std::string path = WriteDatabase(folder, MainFile(*header, {Record("a"), Record("b")}, nullptr));
  CBaseDatabase base;
  ASSERT_TRUE(OpenAndLoad(base, path));
  EXPECT_DOUBLE_EQ(base.GetVersion(), 2.5);
  EXPECT_EQ(base.Records().size(), 2u);
  EXPECT_TRUE(base.ValueGroups().empty());
  EXPECT_TRUE(base.NameTable().rowNames.empty());
}

TEST(BaseLoad, VersionThreeOneByteShortOfItsExtensionFails) {
  TemporaryFolder folder;
  auto header = Header("3.0", 1);
  auto extension = EmptyExtension();
  std::string path = WriteDatabase(folder, MainFile(*header, {Record("a")}, extension.get(), kBaseExtensionBytes - 1));
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(path, true));
  EXPECT_FALSE(base.Load());
}

TEST(BaseLoad, TreeAndListsAreReadAndSeparatorLeadsFromVersionOne) {
  TemporaryFolder folder;
  auto header = Header("3.0", 0);
  header->categories[0].count = 2;
  WriteFixedText(header->categories[0].entries[0], "Short");
  WriteFixedText(header->categories[0].entries[1], "Long");
  auto extension = EmptyExtension();
  extension->groups[1].rowCount = 1;
  extension->groups[1].rowLengths[0] = 3;
  extension->groups[1].rows[0][0] = 7;
  extension->groups[1].rows[0][2] = 9;
  extension->nameRowCount = 1;
  extension->nameColumnCount = 4;
  WriteFixedText(extension->rowNames[0], "English");
  WriteFixedText(extension->cells[0][3], "Curly");
  std::string path = WriteDatabase(folder, MainFile(*header, {}, extension.get()));

  CBaseDatabase base;
  ASSERT_TRUE(OpenAndLoad(base, path));
  const auto& lists = base.CategoryListsInMemory();
  ASSERT_EQ(lists.size(), 5u);
  EXPECT_EQ(lists[0], (std::vector<std::string>{"-------", "Short", "Long"}));
  EXPECT_EQ(lists[4], (std::vector<std::string>{"-------"}));
  EXPECT_EQ(base.ValueGroups()[1], (BaseValueGroupRows{{7, 0, 9}}));
  EXPECT_TRUE(base.ValueGroups()[0].empty());
  ASSERT_EQ(base.NameTable().rowNames.size(), 10u);
  EXPECT_EQ(base.NameTable().rowNames[0], "English");
  EXPECT_EQ(base.NameTable().cells[0].size(), 4u);
  EXPECT_EQ(base.NameTable().cells[0][3], "Curly");
  EXPECT_EQ(base.NameTable().cells[9].size(), 4u);
}

TEST(BaseLoad, VersionBelowOneHasNoSeparator) {
  TemporaryFolder folder;
  auto header = Header("0.9", 0);
  header->categories[2].count = 1;
  WriteFixedText(header->categories[2].entries[0], "Only");
  CBaseDatabase base;
  ASSERT_TRUE(OpenAndLoad(base, WriteDatabase(folder, MainFile(*header, {}, nullptr))));
  EXPECT_EQ(base.CategoryListsInMemory()[2], (std::vector<std::string>{"Only"}));
  EXPECT_TRUE(base.CategoryListsInMemory()[0].empty());
}

TEST(BaseLoad, RecordsAreSanitised) {
  TemporaryFolder folder;
  auto header = Header("2.0", 2);
  BaseItemRecord odd = Record("odd");
  odd.projection = 7;
  odd.faceShape = 4;
  odd.working = 1;
  BaseItemRecord fine = Record("fine");
  fine.projection = 3;
  CBaseDatabase base;
  ASSERT_TRUE(OpenAndLoad(base, WriteDatabase(folder, MainFile(*header, {odd, fine}, nullptr))));
  EXPECT_EQ(base.Records()[0].projection, 0);
  EXPECT_EQ(base.Records()[0].faceShape, 4);
  EXPECT_EQ(base.Records()[0].working, 0);
  EXPECT_EQ(base.Records()[1].projection, 3);
}

TEST(BaseLoad, CountsBeyondTheStoredArraysAreClamped) {
  TemporaryFolder folder;
  auto header = Header("3.0", 0);
  header->categories[1].count = 0xFFFFFFFF;
  auto extension = EmptyExtension();
  extension->groups[0].rowCount = 1000;
  for (auto& length : extension->groups[0].rowLengths) length = 5000;
  extension->nameRowCount = 99;
  extension->nameColumnCount = 100000;
  CBaseDatabase base;
  ASSERT_TRUE(OpenAndLoad(base, WriteDatabase(folder, MainFile(*header, {}, extension.get()))));
  EXPECT_EQ(base.CategoryListsInMemory()[1].size(), 1u + kCategorySlots);
  ASSERT_EQ(base.ValueGroups()[0].size(), static_cast<std::size_t>(kValueGroupRows));
  EXPECT_EQ(base.ValueGroups()[0][0].size(), static_cast<std::size_t>(kValueGroupColumns));
  EXPECT_EQ(base.NameTable().rowNames.size(), static_cast<std::size_t>(kNameTableRows));
  EXPECT_EQ(base.NameTable().cells[0].size(), static_cast<std::size_t>(kNameTableColumns));
}

TEST(BaseLoad, ItemCountLargerThanTheFileIsRefusedBeforeAllocating) {
  TemporaryFolder folder;
  auto header = Header("2.0", 0xFFFFFFF0);
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(WriteDatabase(folder, MainFile(*header, {Record("a")}, nullptr)), true));
  EXPECT_FALSE(base.Load());
  EXPECT_TRUE(base.Records().empty());
}

TEST(BaseLoad, ShortHeaderFails) {
  TemporaryFolder folder;
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(WriteDatabase(folder, std::vector<unsigned char>(5131, 0)), true));
  EXPECT_FALSE(base.Load());
}

TEST(BaseOpen, NeedsAllThreeFiles) {
  TemporaryFolder folder;
  auto header = Header("2.0", 0);
  std::string path = WriteDatabase(folder, MainFile(*header, {}, nullptr));
  std::filesystem::remove(folder.File("test.hbp"));
  CBaseDatabase base;
  EXPECT_FALSE(base.Open(path, true));
  EXPECT_FALSE(base.IsOpen());
  EXPECT_FALSE(base.Open(folder.File("none.hbd"), true));
}

TEST(BaseHeaderFields, TextsAreCutAndVersionsParsed) {
  TemporaryFolder folder;
  CBaseDatabase base;
  ASSERT_TRUE(base.Create(folder.File("n.hbd"), std::string(100, 'n'), "3.0 beta", 77));
  EXPECT_EQ(base.GetName().size(), 79u);
  EXPECT_DOUBLE_EQ(base.GetVersion(), 3.0);
  EXPECT_EQ(base.GetTag(), 77u);
  base.SetVersionText(std::string(30, '1'));
  EXPECT_EQ(base.GetVersionText().size(), 19u);
  base.SetVersionText("new");
  EXPECT_EQ(base.GetVersion(), 0.0);
}

TEST(BaseSearch, FindersAndFilters) {
  TemporaryFolder folder;
  auto header = Header("2.0", 3);
  BaseItemRecord a = Record("Long Curls");
  SetItemCategory(a, 0, "Female");
  a.faceShape = kFaceShapeOval;
  a.imageOffset = 40;
  BaseItemRecord b = Record("short bob");
  SetItemCategory(b, 0, "female");
  b.projection = 1;
  b.imageOffset = 80;
  BaseItemRecord c = Record("Crew cut");
  SetItemCategory(c, 0, "Male");
  CBaseDatabase base;
  ASSERT_TRUE(OpenAndLoad(base, WriteDatabase(folder, MainFile(*header, {a, b, c}, nullptr))));

  EXPECT_EQ(base.FindItemByImageOffset(80), 1);
  EXPECT_EQ(base.FindItemByImageOffset(81), CBaseDatabase::kNoItem);
  EXPECT_EQ(base.FindNextByName("cu", 0), 0);
  EXPECT_EQ(base.FindNextByName("cu", 1), 2);
  EXPECT_EQ(base.FindNextByName("cu", 3), -1);
  EXPECT_EQ(base.CountNameMatches("Cu"), 1);  // case-sensitive: "Curls" only
  EXPECT_EQ(base.CountNameMatches("cu"), 1);  // "Crew cut" only

  std::vector<std::string> all(5, "all");
  base.FilterItems(all, -1, -1);
  EXPECT_EQ(base.Selection().size(), 3u);
  std::vector<std::string> female = {"FEMALE", "", "all", "all", "all"};
  base.FilterItems(female, -1, 0);
  EXPECT_EQ(base.Selection().size(), 2u);
  base.FilterItems(female, 1, -1);
  ASSERT_EQ(base.Selection().size(), 1u);
  EXPECT_EQ(GetItemName(base.Selection()[0]), "short bob");
  base.FilterItems(all, -1, kFaceShapeOval);
  EXPECT_EQ(base.Selection().size(), 1u);
  base.FilterByCategories(female);  // an empty label matches only empty values
  EXPECT_EQ(base.Selection().size(), 2u);
  std::vector<std::string> withValue = {"female", "x", "all", "all", "all"};
  base.FilterByCategoriesAgain(withValue);
  EXPECT_TRUE(base.Selection().empty());

  CBaseDatabase empty;
  EXPECT_EQ(empty.FindItemByImageOffset(0), CBaseDatabase::kNoItem);
}

TEST(ItemRecords, CustomLayerDigitsShareTheNameField) {
  BaseItemRecord record{};
  SetCustomItemNameAndLayer(record, std::string(60, 'x'), 2);
  EXPECT_EQ(GetItemName(record).size(), 51u);
  EXPECT_EQ(record.name[53], 0);
  EXPECT_EQ(record.name[54], 2);
  EXPECT_EQ(GetCustomItemLayer(record), 2);
  SetCustomItemNameAndLayer(record, "Mine", 13);
  EXPECT_EQ(GetItemName(record), "Mine");
  EXPECT_EQ(GetCustomItemLayer(record), 13);
}

}  // namespace
