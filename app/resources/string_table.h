// The program's string table: every text the program shows by number.
#pragma once

#include <span>

struct StringTableEntry {
  unsigned id;
  const char* text;
};

std::span<const StringTableEntry> ProgramStringTable();
