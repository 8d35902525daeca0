// The select dialogs' rules: cascading category lists that fall back to
// "all" when a choice above no longer holds a deeper one, and the name
// search with its wrap and a count that agrees with it.
#include <gtest/gtest.h>

#include "app/bases/item_record.h"
#include "app/shell/items/category_chooser.h"
#include "app/shell/items/item_name_search.h"
#include "tests/test_files.h"

namespace {

using Labels = std::vector<std::string>;

TEST(CategoryChooser, DeeperListsFollowTheChoiceAndFallBackToAll) {
  CBaseDatabase base;
  // Women{Short, Long}, Men{Short, Bald}.
  base.ValueGroups() = {{{0, 1}, {2, 3}}, {{}, {}, {}, {}}, {}, {}};
  base.NameTable().cells.assign(kNameTableRows, {});
  base.NameTable().cells[0] = {"Women", "Short", "Long", "Men", "Short", "Bald"};

  CCategoryChooser chooser(base, {"Women", "Long", "all", "all", "all"});
  EXPECT_EQ(chooser.Offered(0), (Labels{"all", "Women", "Men"}));
  EXPECT_EQ(chooser.Offered(1), (Labels{"all", "Short", "Long"}));
  EXPECT_EQ(chooser.ChosenIndex(1), 2);
  chooser.Choose(0, 2);
  EXPECT_EQ(chooser.Offered(1), (Labels{"all", "Short", "Bald"}));
  EXPECT_EQ(chooser.Choice()[1], "all") << "Long is not a man's length";
  chooser.Choose(1, 1);
  EXPECT_EQ(chooser.Choice()[1], "Short");
  chooser.Choose(0, 0);
  EXPECT_EQ(chooser.Choice()[1], "Short") << "all keeps every label available";
  EXPECT_EQ(chooser.Offered(1), (Labels{"all", "Short", "Long", "Bald"}));
  chooser.Choose(1, 99);
  EXPECT_EQ(chooser.Choice()[1], "all");
  chooser.Choose(7, 1);  // no such level: nothing
  EXPECT_EQ(chooser.Offered(4), (Labels{"all"}));
}

TEST(ItemNameSearch, FindsOnwardWrapsOnceAndCountsAsItFinds) {
  TemporaryFolder folder;
  CBaseDatabase base;
  ASSERT_TRUE(base.Create(folder.File("Names.hbd"), "Names", "3.0", 0));
  for (const char* name : {"Bob", "Long waves", "Short bob", "Crop"}) {
    BaseItemRecord record{};
    SetItemName(record, name);
    ASSERT_TRUE(base.AddItemBlock({}, {}, record));
  }
  CItemNameSearch search(base);
  search.SetText("BOB");
  EXPECT_EQ(search.Text(), "bob");
  EXPECT_EQ(search.Count(), 2) << "the count ignores case as the search does";
  EXPECT_EQ(base.CountNameMatches("bob"), 1) << "the base's own count is case-sensitive";
  EXPECT_EQ(search.FindNext(), 0);
  EXPECT_EQ(search.FindNext(), 2);
  EXPECT_EQ(search.FindNext(), 0) << "round to the start";
  search.SetText("zebra");
  EXPECT_EQ(search.FindNext(), -1);
  EXPECT_EQ(search.Count(), 0);
}

}  // namespace
