// The category choosers' lists from the version 3.0 tree: every label of a
// level under "all", narrowing with the choices above, case ignored, and a
// damaged tree walked without leaving its arrays or running away.
#include <gtest/gtest.h>

#include "app/bases/base_database.h"

namespace {

using Lists = std::vector<std::vector<std::string>>;
using Labels = std::vector<std::string>;

// Women{Long{Wavy{Blonde{Fringe, Parted}}}, Short{Curly{Grey{Natural}}}},
// Men{Short{Straight{Black{Parted}}}}, labelled in depth-first order.
class CategoryLists : public ::testing::Test {
 protected:
  void SetUp() override {
    base.ValueGroups() = {{{0, 1}, {2}}, {{0}, {1}, {2}}, {{0}, {1}, {2}}, {{5, 6}, {10}, {15}}};
    base.NameTable().rowNames.assign(kNameTableRows, "");
    base.NameTable().cells.assign(kNameTableRows, {});
    base.NameTable().cells[0] = {"Women", "Long",  "Wavy",  "Blonde", "Fringe",   "Parted", "Short", "Curly",
                                 "Grey",  "Natural", "Men", "Short",  "Straight", "Black",  "Parted"};
  }
  Lists For(const Labels& choice) const { return base.CategoryLists(choice); }
  CBaseDatabase base;
};

TEST_F(CategoryLists, AllOffersEveryLabelOfEachLevelOnce) {
  const Lists lists = For({"all", "all", "all", "all", "all"});
  ASSERT_EQ(lists.size(), 5u);
  EXPECT_EQ(lists[0], (Labels{"Women", "Men"}));
  EXPECT_EQ(lists[1], (Labels{"Long", "Short"}));
  EXPECT_EQ(lists[2], (Labels{"Wavy", "Curly", "Straight"}));
  EXPECT_EQ(lists[4], (Labels{"Fringe", "Parted", "Natural"}));
}

TEST_F(CategoryLists, DeeperListsNarrowWithTheChoicesAboveIgnoringCase) {
  Lists lists = For({"MEN", "all", "all", "all", "all"});
  EXPECT_EQ(lists[0], (Labels{"Women", "Men"})) << "a level's own list does not narrow with its choice";
  EXPECT_EQ(lists[1], (Labels{"Short"}));
  EXPECT_EQ(lists[4], (Labels{"Parted"}));
  lists = For({"all", "short", "", "all", "all"});
  EXPECT_EQ(lists[2], (Labels{"Curly", "Straight"})) << "an empty label stands for any";
  lists = For({"Women", "Nothing like it", "all", "all", "all"});
  EXPECT_TRUE(lists[2].empty());
}

TEST_F(CategoryLists, RowsOutsideTheirGroupsArePassedOverAndTheWalkEndsWithTheLabels) {
  base.ValueGroups()[0] = {{0, 29, 1, 4000000000u}, {2}};
  EXPECT_EQ(For({"all"})[1], (Labels{"Long", "Short"}));

  // Every row shared by thirty parents: 30^5 paths, but one step per label.
  BaseValueGroupRows everyRowToRowZero(30, std::vector<std::uint32_t>(30, 0));
  base.ValueGroups() = {everyRowToRowZero, everyRowToRowZero, everyRowToRowZero, everyRowToRowZero};
  base.NameTable().cells[0].assign(kNameTableColumns, "Same");
  const Lists lists = For({"all"});
  for (const Labels& list : lists) EXPECT_LE(list.size(), 1u);

  base.NameTable().cells[0].resize(3);
  EXPECT_EQ(For({"all"})[3], Labels{}) << "no label, no node";
}

TEST_F(CategoryLists, WithoutATreeTheHeadersListsServeWithoutTheSeparator) {
  base.ValueGroups().clear();
  base.CategoryListsInMemory() = {{"-------", "Gold", "Silver"}, {"-------"}, {}, {}, {}};
  const Lists lists = For({"all"});
  EXPECT_EQ(lists[0], (Labels{"Gold", "Silver"}));
  EXPECT_TRUE(lists[1].empty());
  EXPECT_EQ(lists.size(), 5u);
}

TEST_F(CategoryLists, ANameRowOutsideTheTableReadsRowZero) {
  EXPECT_EQ(base.CategoryLists({"all"}, 42)[0], (Labels{"Women", "Men"}));
  EXPECT_EQ(base.CategoryLists({"all"}, -1)[0], (Labels{"Women", "Men"}));
}

}  // namespace
