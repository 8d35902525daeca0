// The application-wide hover hook on Qt: an event filter on the application
// that sees every mouse move, finds the widget under the pointer and feeds
// it to the one CHoverTracker. Changes reach the widgets as the posted
// message "BGMouseMsg" with wParam 0 (entered) or 1 (left) and lParam the
// other window.
#pragma once

#include "platform/qt/hover_tracker.h"
#include "platform/qt/window_message.h"

// The number of "BGMouseMsg".
UINT HoverMessage();

bool StartHoverHook(HWND window);
void ReleaseHoverHook();

// For tests and diagnostics.
const CHoverTracker& HoverTracker();
