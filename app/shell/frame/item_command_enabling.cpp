#include "app/shell/frame/item_command_enabling.h"

#include "app/document/item_kinds.h"

std::optional<bool> IsItemCommandEnabled(CommandId id, const ItemCommandFacts& facts) {
  switch (id) {
    case ID_SELECT_MENU:
    case ID_SELECT_BY_CATEGORIES:
    case ID_SELECT_BY_NAME:
    case ID_SELECT_BY_FACE_TYPE: return facts.kindDatabaseOpen;
    case ID_SLIDESHOW: return facts.slideshowRunning || (facts.kindDatabaseOpen && facts.listCount > 0);
    case ID_CUSTOM_ADD: return facts.customBaseOpen && facts.hasItemLayer;
    case ID_CUSTOM_REMOVE:
      return facts.kind == kKindCustom && facts.customBaseOpen && facts.listSelection >= 0 &&
             facts.listSelection < facts.listCount;
    default: return std::nullopt;
  }
}
