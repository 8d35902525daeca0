// When the item panels' commands are live: a running slideshow can always
// be stopped, and removing needs a real entry of the custom list.
#include <gtest/gtest.h>

#include "app/document/item_kinds.h"
#include "app/shell/frame/item_command_enabling.h"

namespace {

TEST(ItemCommandEnabling, ASlideshowStaysStoppableAndRemovingNeedsAChosenCustomEntry) {
  ItemCommandFacts facts;
  facts.kind = kKindHairstyle;
  facts.kindDatabaseOpen = true;
  EXPECT_FALSE(*IsItemCommandEnabled(ID_SLIDESHOW, facts)) << "nothing to show";
  facts.slideshowRunning = true;
  EXPECT_TRUE(*IsItemCommandEnabled(ID_SLIDESHOW, facts)) << "the list emptied while it ran";

  facts = {};
  facts.kind = kKindCustom;
  facts.kindDatabaseOpen = facts.customBaseOpen = true;
  facts.listCount = 2;
  for (int selection : {-1, 2}) {
    facts.listSelection = selection;
    EXPECT_FALSE(*IsItemCommandEnabled(ID_CUSTOM_REMOVE, facts)) << selection;
  }
  facts.listSelection = 1;
  EXPECT_TRUE(*IsItemCommandEnabled(ID_CUSTOM_REMOVE, facts));
  facts.kind = kKindHairstyle;
  EXPECT_FALSE(*IsItemCommandEnabled(ID_CUSTOM_REMOVE, facts)) << "only from the custom list";
  EXPECT_FALSE(IsItemCommandEnabled(ID_NEXT_VIEW, facts).has_value());
}

}  // namespace
