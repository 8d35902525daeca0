// The information strings of the main window's buttons and sliders: the
// status text the title bar shows and the tooltip.
#pragma once

#include "app/resources/string_table.h"

std::span<const StringTableEntry> ProgramCommandStrings();
