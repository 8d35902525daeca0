// Cursor images as the program and the style library store them ("Custom
// Cursor" resources): a cursor file holding one 32 x 32 monochrome cursor.
// The hot spot is at byte offsets 10 and 12 (16 bits each), the XOR plane at
// 70..197 and the AND plane at 198..325, 32 rows of 4 bytes, bottom row
// first, most significant bit leftmost. Decoding turns the rows top-down so
// that the window system's cursor builder can read them in screen order.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "platform/core/geometry.h"

inline constexpr int kCursorSide = 32;
inline constexpr std::size_t kCursorDataSize = 326;

struct CursorPlanes {
  CPoint hotSpot;
  // Row-major, top row first; true where the plane's bit is set.
  std::array<bool, kCursorSide * kCursorSide> andPlane{};
  std::array<bool, kCursorSide * kCursorSide> xorPlane{};

  bool AndBit(int x, int y) const { return andPlane[y * kCursorSide + x]; }
  bool XorBit(int x, int y) const { return xorPlane[y * kCursorSide + x]; }
};

// Nothing when the data is too short to hold both planes.
std::optional<CursorPlanes> DecodeCursorPlanes(std::span<const unsigned char> data);

// The stored form of a cursor: 326 bytes as DecodeCursorPlanes reads them.
std::vector<unsigned char> EncodeCursorData(const CursorPlanes& planes);

// A cursor drawn as 32 text rows: 'X' black, 'o' white, anything else
// see-through; missing rows and columns are see-through. For the program's
// built-in cursors and for tests.
CursorPlanes CursorFromPicture(std::span<const char* const> rows, CPoint hotSpot);
