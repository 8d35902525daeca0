// The window's keys as one list: each entry is one key with its modifiers
// and the command it posts. The frame's key handling and the README's list
// of keys are both read from here.
#pragma once

#include <optional>
#include <span>
#include <string>

#include "app/shell/frame/command_ids.h"

inline constexpr int kModifierCtrl = 1;
inline constexpr int kModifierAlt = 2;
inline constexpr int kModifierShift = 4;

struct AcceleratorEntry {
  int virtualKey;  // platform/core/virtual_keys.h; letters are their capitals
  int modifiers;   // kModifier... bits
  CommandId command;
};

std::span<const AcceleratorEntry> AcceleratorTable();
// The command of a key press; modifiers must match exactly.
std::optional<CommandId> FindAccelerator(int virtualKey, int modifiers);
// "Ctrl+Alt+C", "Shift+Insert", as the README and the menus show keys.
std::string AcceleratorText(const AcceleratorEntry& entry);
