// The style's icons: one line drawing per control, on a 24-unit grid with a
// 2-unit margin, stroked at 2 units with round ends and joins, in the ink of
// the control's state. Solid parts (dots, a drop, the play triangle) use the
// same ink, so every icon reads the same on every frame of its control.
#pragma once

#include <string>
#include <vector>

#include "styles/Style_1/control_pictures.h"

// The icon drawn for a control's skin base name; an empty glyph when the
// style has none for it.
Glyph IconGlyph(const std::string& base);

// Every base name that has an icon, for the tests and the contact sheet.
std::vector<std::string> IconNames();
