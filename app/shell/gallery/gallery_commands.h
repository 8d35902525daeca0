// The gallery bars' commands and when each is live.
#pragma once

#include "app/shell/frame/command_ids.h"

// The bars' thumbnail lists.
inline constexpr unsigned kGalleryListVertId = 1243;
inline constexpr unsigned kGalleryListHorzId = 1244;

struct GalleryBarFacts {
  bool photoInProjection = false;
  int count = 0;
  int selected = 0;
  bool busy = false;
  bool hiddenBefore = false;  // entries out of view before the first shown
  bool hiddenAfter = false;
};

bool IsGalleryCommandEnabled(CommandId id, const GalleryBarFacts& facts);

#include <functional>
#include <vector>

#include "app/view/context_menu.h"

// Menu 158, the bars' context menu; `enabled` says which entries are live.
std::vector<MenuEntry> GalleryContextMenu(const std::function<bool(CommandId)>& enabled);
