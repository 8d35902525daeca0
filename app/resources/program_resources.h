// The program's own resources: its string table (messages, step names,
// tooltips and status texts of its controls) and its cursors. They live in
// one module, registered under the name "Kelvora" and made the current
// resource module by the program at start-up; the string-table lookups
// (LoadResourceString, the controls' information strings) read it there.
#pragma once

#include "platform/core/resource_module.h"

// The module, filled on first use.
CMemoryResourceModule& ProgramResources();

// Makes the program's module the current resource module; returns the
// previous one.
HINSTANCE UseProgramResources();
