// The category choice of a kind's list as the settings keep it ("CurSel1"
// to "CurSel5": 0 for "all", else a label's place from 1 in that level's
// list) and as the filter takes it (one label per level).
#pragma once

#include "app/bases/base_database.h"
#include "app/shell/items/item_application.h"
#include "app/shell/settings/settings.h"

// Level by level: a saved value from 1 to the length of the level's list
// chooses that label; anything else, a damaged profile's included, leaves
// "all". Each level's list is computed from the choices above it.
static_assert(kCategoryLevels == kCategoryChoiceLevels);

CategoryChoice RestoreCategoryChoice(const CBaseDatabase& base, const CategorySelections& saved);

// The saved form of `choice`: a label's place in its level's list, 0 for
// "all" or a label the list does not hold.
CategorySelections SaveCategoryChoice(const CBaseDatabase& base, const CategoryChoice& choice);
