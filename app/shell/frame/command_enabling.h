// When a command's button, menu entry and key are live. Item kinds need a
// photo in the current projection and the kind's open database; Undo and
// Redo need a step on the lists the mode routes them to; commands carried by
// a handler need that handler registered (and live by its own rule).
#pragma once

#include <functional>

#include "app/shell/frame/command_handlers.h"

struct CommandFacts {
  bool currentHasPhoto = false;
  bool canUndo = false;
  bool canRedo = false;
  std::function<bool(int kind)> kindDatabaseOpen;
};

bool IsCommandEnabled(CommandId id, const CommandFacts& facts, const CCommandHandlers& handlers);
