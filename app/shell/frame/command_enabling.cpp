#include "app/shell/frame/command_enabling.h"

#include "app/document/item_kinds.h"
#include "app/shell/frame/command_table.h"

bool IsCommandEnabled(CommandId id, const CommandFacts& facts, const CCommandHandlers& handlers) {
  if (const CommandSpec* spec = FindCommand(id); spec && spec->carrier == CommandCarrier::handler)
    return handlers.IsEnabled(id);
  if (id == ID_EDIT_UNDO) return facts.canUndo;
  if (id == ID_EDIT_REDO) return facts.canRedo;
  for (int kind = 0; kind < kItemKindCount; ++kind)
    if (FindItemKind(kind)->command == id)
      return facts.currentHasPhoto && facts.kindDatabaseOpen && facts.kindDatabaseOpen(kind);
  return true;
}
