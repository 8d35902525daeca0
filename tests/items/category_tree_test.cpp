#include <gtest/gtest.h>

#include "items/collection.h"

namespace {

std::vector<GeneratedItem> ItemsWith(const std::vector<std::vector<std::string>>& paths) {
  std::vector<GeneratedItem> items;
  for (const auto& path : paths) {
    GeneratedItem item;
    item.categories = path;
    items.push_back(std::move(item));
  }
  return items;
}

TEST(CategoryTree, RowsPointAtChildRowsAndColumnsFollowADepthFirstWalk) {
  CategoryTree tree;
  std::string reason;
  ASSERT_TRUE(BuildCategoryTree(ItemsWith({{"Women", "Long", "Wavy", "Blonde", "Fringe"},
                                            {"Men", "Short", "Straight", "Black", "Parted"},
                                            {"Women", "Short", "Curly", "Grey", "Natural"},
                                            {"Women", "Long", "Wavy", "Blonde", "Parted"}}),
                                &tree, &reason))
      << reason;
  // Level 1: Women (row 0), Men (row 1); Women's children are rows 0 and 1
  // of group 1 (Long, Short), Men's row 2 (rows are numbered in breadth order).
  ASSERT_EQ(tree.valueGroups.size(), 4u);
  EXPECT_EQ(tree.valueGroups[0], (std::vector<std::vector<std::uint32_t>>{{0, 1}, {2}}));
  EXPECT_EQ(tree.valueGroups[1].size(), 3u);
  // Depth first: a node, then its whole subtree.
  EXPECT_EQ(tree.labels, (std::vector<std::string>{"Women", "Long", "Wavy", "Blonde", "Fringe", "Parted", "Short",
                                                   "Curly", "Grey", "Natural", "Men", "Short", "Straight", "Black",
                                                   "Parted"}));
  // A level-4 row lists its level-5 children by column number (from 1).
  EXPECT_EQ(tree.valueGroups[3][0], (std::vector<std::uint32_t>{5, 6}));
  EXPECT_EQ(tree.levelLists[1], (std::vector<std::string>{"Long", "Short"}));
  EXPECT_EQ(tree.levelLists[4], (std::vector<std::string>{"Fringe", "Parted", "Natural"}));
}

TEST(CategoryTree, ShallowPathsStopTheirBranchAndEmptyValuesEndAPath) {
  CategoryTree tree;
  std::string reason;
  ASSERT_TRUE(BuildCategoryTree(ItemsWith({{"Earrings", "Gold"}, {"Bows", "", "Ignored"}, {}}), &tree, &reason));
  EXPECT_EQ(tree.labels, (std::vector<std::string>{"Earrings", "Gold", "Bows"}));
  EXPECT_EQ(tree.valueGroups[0], (std::vector<std::vector<std::uint32_t>>{{0}, {}}));
  EXPECT_TRUE(tree.levelLists[2].empty());
}

TEST(CategoryTree, TreesBeyondWhatTheFileHoldsAreRefused) {
  CategoryTree tree;
  std::string reason;
  std::vector<std::vector<std::string>> wide;
  for (int i = 0; i < 31; ++i) wide.push_back({"Kind " + std::to_string(i)});
  EXPECT_FALSE(BuildCategoryTree(ItemsWith(wide), &tree, &reason));
  EXPECT_NE(reason.find("30"), std::string::npos) << reason;

  std::vector<std::vector<std::string>> bushy;
  for (int i = 0; i < 31; ++i) bushy.push_back({"Hats", "Colour " + std::to_string(i)});
  EXPECT_FALSE(BuildCategoryTree(ItemsWith(bushy), &tree, &reason));

  EXPECT_FALSE(BuildCategoryTree(ItemsWith({{"A label far too long for its field"}}), &tree, &reason));
}

}  // namespace
