// The program's own cursors as "CustomCursor" resources.
#pragma once

#include <array>
#include <string>

#include "platform/core/resource_module.h"

// The cursors every frame shares, numbered resources in the order the
// document loads them. The resize cursors go by axis class (vertical,
// horizontal, the diagonal running down to the right, the one running down
// to the left); 159 and 160 are loaded with them but shown by no frame, and
// are drawn as a cross-hair and a cross-hair with a ring.
inline constexpr std::array<unsigned, 4> kResizeCursorIds = {146, 154, 145, 161};
inline constexpr unsigned kMoveCursorId = 162;
inline constexpr unsigned kCrossHairCursorId = 159;
inline constexpr unsigned kRingedCrossHairCursorId = 160;
inline constexpr unsigned kLinePointCursorId = 147;
inline constexpr std::array<unsigned, 8> kFrameCursorIds = {146, 154, 145, 161, 162, 159, 160, 147};

// The two tables of eight direction cursors, by octant clockwise on screen
// from east: the rotation cursors ("IDC_CUR_ROTATE_0" to 7, a curved double
// arrow across the direction) and the pointing arrows ("IDC_CUR_DIRECTION_0"
// to 7).
std::string RotateCursorName(int octant);
std::string DirectionCursorName(int octant);

// The view's tool cursors.
inline constexpr unsigned kCombCursorId = 131;
inline constexpr unsigned kSnippersCursorId = 174;
inline constexpr unsigned kBrushCursorId = 130;
inline constexpr unsigned kSprayCursorId = 175;
inline constexpr unsigned kEyedropperCursorId = 158;
inline constexpr unsigned kHandCursorId = 155;
inline constexpr unsigned kZoomCursorId = 153;

// All of the above, and "IDC_CUR_CUSTOMBUTTON" (the pointing hand over
// skinned buttons) and "IDC_CUR_HANDCLOSE" (the closed hand that drags a
// thumb).
void AddProgramCursors(CMemoryResourceModule& module);
