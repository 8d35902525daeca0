// Cursors built from cursor data, and cursor confinement. A cursor handle is
// shared: the control that loaded it and the widget showing it both keep it.
#pragma once

#include <QCursor>

#include <memory>
#include <optional>

#include "platform/core/cursor_data.h"
#include "platform/core/geometry.h"

#include "platform/core/cursor_handle.h"

// A 32 x 32 cursor from the two planes: AND 0 is painted (XOR 0 black,
// XOR 1 white), AND 1 is see-through (XOR 1 inverts where the platform can).
HCURSOR CreateCursorFromPlanes(const CursorPlanes& planes);

// Confines the pointer to a rectangle in screen coordinates; null lifts it.
// Qt cannot hold the pointer inside a rectangle on every platform, so this
// records the confinement for the code that asks; the controls that confine
// the cursor also hold the mouse grab, which keeps the drag theirs.
void ClipCursor(const CRect* rect);
std::optional<CRect> GetClipCursor();
