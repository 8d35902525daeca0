// What a tracker holds to draw itself and to show cursors over its handles.
// The cursors belong to the document, which loads them once and destroys them
// at the end; trackers only keep the handles. Every tracker has its own pens
// and brush, made with it.
#pragma once

#include "platform/core/device_context.h"

#include "platform/core/cursor_handle.h"

inline const CPen kDottedBlackPen{PS_DOT, 1, RGB(0, 0, 0)};
inline const CPen kSolidWhitePen{PS_SOLID, 1, RGB(255, 255, 255)};
inline const CPen kDashedCyanPen{PS_DASH, 1, RGB(0, 255, 255)};
inline const CBrush kSolidBlueBrush = CBrush::Solid(RGB(0, 0, 255));
