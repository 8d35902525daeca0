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

// The cursor a tracker asks for at a point. The trackers only choose; the view
// shows the choice, so the choice is tested without a window system.
struct CTrackerCursor {
  enum class Kind { none, resize, move, rotate, endPoint };
  Kind kind = Kind::none;
  // The axis class (resize, 0 to 3), the direction octant (rotate, 0 to 7)
  // or the end point (endPoint, 0 or 1); -1 otherwise.
  int index = -1;
  // The tracker's cursor for it. Null means the system arrow for resize and
  // move, and no cursor for the others.
  HCURSOR cursor;

  // Whether the view sets a cursor at all.
  bool IsSet() const { return kind == Kind::resize || kind == Kind::move || cursor != nullptr; }
};
