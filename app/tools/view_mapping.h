// How the view shows the document: its scroll origin in document units and
// its zoom. Trackers keep a copy, set by the view before every interaction,
// to turn the pointer's window pixels into document units.
#pragma once

#include <cmath>

#include "platform/core/geometry.h"
#include "platform/core/rounding.h"

struct CViewMapping {
  int originX = 0;
  int originY = 0;
  double zoom = 1.0;

  // Truncates toward zero like all pixel arithmetic: during a drag the pointer
  // may leave the window, and a negative window position then moves toward
  // the origin, not away from it. Summed in doubles so that a zoom of zero
  // saturates instead of overflowing.
  CPoint MapClientPoint(int x, int y) const {
    return {TruncateToInt(std::trunc(x / zoom) + originX), TruncateToInt(std::trunc(y / zoom) + originY)};
  }
};
