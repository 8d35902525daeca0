// When the item panels' commands are live: the select menu and its three
// dialogs need the current kind's database; the slideshow needs a list to
// run over (and stays live while it runs, so it can be stopped); adding to
// the custom base needs an item layer to store; removing needs the custom
// kind with an entry chosen.
#pragma once

#include <optional>

#include "app/shell/frame/command_ids.h"

struct ItemCommandFacts {
  int kind = -1;
  bool kindDatabaseOpen = false;
  int listCount = 0;
  int listSelection = -1;
  bool slideshowRunning = false;
  bool customBaseOpen = false;
  bool hasItemLayer = false;  // the current layer sits in an item slot
};

// None for a command that is not the item panels'.
std::optional<bool> IsItemCommandEnabled(CommandId id, const ItemCommandFacts& facts);
