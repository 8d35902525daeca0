#include <gtest/gtest.h>

#include "controls/dib_list_model.h"

namespace {

// Items without pictures; each item's data is its first index.
CDibListModel Items(int count) {
  CDibListModel model;
  for (int i = 0; i < count; ++i) model.Add(std::make_unique<CZORDibListCtrlItem>(nullptr, "", i));
  return model;
}

std::vector<int> States(const CDibListModel& model) {
  std::vector<int> states;
  for (int i = 0; i < model.Count(); ++i) states.push_back(model.Item(i)->state);
  return states;
}

constexpr bool kControl = true, kShift = true, kMultiple = true;

}  // namespace

TEST(DibListModel, PlainClicksSelectOneItemAndClicksBesideTheItemsSelectNone) {
  CDibListModel model = Items(4);
  EXPECT_EQ(model.Click(1, false, false, false), (std::vector<int>{1}));
  EXPECT_EQ(model.Click(2, false, false, false), (std::vector<int>{1, 2}));
  EXPECT_EQ(model.CurSel(), 2);
  EXPECT_EQ(model.Anchor(), 2);
  for (int nowhere : {4, 99, -1}) {
    model.Click(2, false, false, false);
    EXPECT_EQ(model.Click(nowhere, false, false, false), (std::vector<int>{2}));
    EXPECT_TRUE(model.Selection().empty());
  }
  EXPECT_EQ(States(model), (std::vector<int>{1, 1, 1, 1}));
}

TEST(DibListModel, ShiftSelectsFromTheAnchorWhichCountsAsTheFirstItemBeforeAnyClick) {
  CDibListModel model = Items(6);
  model.Click(3, false, kShift, kMultiple);
  EXPECT_EQ(model.Selection(), (CWordArray{0, 1, 2, 3}));
  EXPECT_EQ(model.Anchor(), -1);

  model.Click(4, kControl, false, kMultiple);  // adds 4, anchors there
  model.Click(2, kControl, false, kMultiple);  // takes 2 out
  EXPECT_EQ(model.Selection(), (CWordArray{0, 1, 3, 4}));
  EXPECT_EQ(States(model), (std::vector<int>{4, 4, 1, 4, 4, 1}));
  model.Click(1, false, kShift, kMultiple);
  EXPECT_EQ(model.Selection(), (CWordArray{1, 2}));  // from the anchor 2, in increasing order
}

TEST(DibListModel, ControlOrShiftWithoutMultipleSelectionChangeNothing) {
  CDibListModel model = Items(4);
  model.Click(1, false, false, false);
  EXPECT_TRUE(model.Click(3, kControl, false, false).empty());
  EXPECT_TRUE(model.Click(3, false, kShift, false).empty());
  EXPECT_EQ(model.Selection(), (CWordArray{1}));
  EXPECT_EQ(model.Anchor(), 1);
}

TEST(DibListModel, HoverLightsOnlyNormalItems) {
  CDibListModel model = Items(3);
  model.Click(2, false, false, false);
  EXPECT_EQ(model.Hover(0), (std::vector<int>{0}));
  EXPECT_EQ(model.Item(0)->state, kDibListItemHot);
  EXPECT_EQ(model.Hover(2), (std::vector<int>{0}));  // a selected item stays selected
  EXPECT_EQ(model.Item(2)->state, kDibListItemSelected);
  EXPECT_TRUE(model.Hover(7).empty());  // past the items
  EXPECT_EQ(model.Hover(1), (std::vector<int>{1}));
  EXPECT_EQ(model.ClearHover(), (std::vector<int>{1}));
  EXPECT_EQ(model.Hot(), -1);
}

TEST(DibListModel, SetCurSelLeavesNoOtherItemDrawnSelected) {
  CDibListModel model = Items(4);
  model.Click(0, false, kShift, kMultiple);
  model.Click(2, kControl, false, kMultiple);
  model.SetCurSel(3);
  EXPECT_EQ(States(model), (std::vector<int>{1, 1, 1, 4}));
  EXPECT_EQ(model.CurSel(), 3);
  EXPECT_TRUE(model.SetCurSel(4).empty());
  EXPECT_EQ(model.CurSel(), 3);
}

TEST(DibListModel, IndexesOfItemsLeftAfterDeletingFollowTheirItems) {
  CDibListModel model = Items(7);
  model.Hover(5);
  model.Click(1, kControl, false, kMultiple);
  model.Click(4, kControl, false, kMultiple);
  model.Click(6, kControl, false, kMultiple);  // the anchor
  EXPECT_TRUE(model.DeleteSelected());
  ASSERT_EQ(model.Count(), 4);
  EXPECT_EQ(model.Item(3)->data, 5u);
  EXPECT_EQ(model.Anchor(), -1);
  EXPECT_EQ(model.Hot(), 3);  // item 5 followed down over 1 and 4
  EXPECT_EQ(model.ClearHover(), (std::vector<int>{3}));
  EXPECT_FALSE(model.DeleteSelected());
}

TEST(DibListModel, ItemsPastTheSixteenBitIndexesCannotBeSelected) {
  // An index stored in 16 bits would name another item (70000 as 4464).
  CDibListModel model = Items(70000);
  model.Click(69999, false, false, false);
  EXPECT_TRUE(model.Selection().empty());
  EXPECT_EQ(model.Item(4464)->state, kDibListItemNormal);
  model.Click(65535, false, false, false);
  EXPECT_EQ(model.CurSel(), 65535);
}
