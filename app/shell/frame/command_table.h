// The main window's command set, one row a command: its label and who
// carries it. The frame runs its own rows; the application object carries
// options and help; rows of subsystems built apart (gallery, printing,
// camera, area operations, deformation, face and stretch tools) are run by
// the handler registered for them and stay disabled until one is.
#pragma once

#include <span>

#include "app/shell/frame/command_ids.h"

enum class CommandCarrier {
  frame,        // the frame's own dispatch
  application,  // handlers the application object registers at start-up
  handler,      // a subsystem's handler; disabled until it is registered
};

struct CommandSpec {
  CommandId id;
  const char* label;
  CommandCarrier carrier;
};

std::span<const CommandSpec> CommandTable();
// Null for a number that is not a command of the window.
const CommandSpec* FindCommand(CommandId id);
