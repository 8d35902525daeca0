// What a tracker holds to draw itself and to show cursors over its handles.
// The cursors belong to the document, which loads them once and destroys them
// at the end; trackers only keep the handles. The pens and the brush are kept
// as descriptions (style, width, colour); every tracker has its own set,
// made with it, and the drawing code turns them into device objects.
#pragma once

#include "platform/core/device_context.h"

using HCURSOR = void*;

enum class PenStyle { Solid, Dash, Dot };

struct CTrackerPen {
  PenStyle style = PenStyle::Solid;
  int width = 1;
  COLORREF colour = RGB(0, 0, 0);
};

struct CTrackerBrush {
  COLORREF colour = RGB(0, 0, 0);
};

inline constexpr CTrackerPen kDottedBlackPen{PenStyle::Dot, 1, RGB(0, 0, 0)};
inline constexpr CTrackerPen kSolidWhitePen{PenStyle::Solid, 1, RGB(255, 255, 255)};
inline constexpr CTrackerPen kDashedCyanPen{PenStyle::Dash, 1, RGB(0, 255, 255)};
inline constexpr CTrackerBrush kSolidBlueBrush{RGB(0, 0, 255)};
