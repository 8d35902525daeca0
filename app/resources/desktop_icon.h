// The program's icon for the desktop's icon theme: the same teal tile with
// its white "K" as resource 128, drawn at any size with smooth edges and
// transparent corners (the theme's sizes run from 16 to 256 pixels).
#pragma once

#include <cstdint>
#include <vector>

// Top-down rows of RGBA pixels, `side` x `side`; empty for a side below 1
// or above 1024.
std::vector<std::uint8_t> DrawDesktopIcon(int side);
