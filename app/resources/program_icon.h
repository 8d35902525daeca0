// The program's icon (resource 128): a 32 x 32 packed DIB, drawn in code so
// that no binary picture needs checking in.
#pragma once

#include "platform/core/resource_module.h"

inline constexpr unsigned kProgramIconId = 128;
inline constexpr int kProgramIconSide = 32;

void AddProgramIcon(CMemoryResourceModule& module);
