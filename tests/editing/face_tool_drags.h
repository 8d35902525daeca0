// A drag of the face-rectangle or hair stretching tool as the view's loop
// runs it: press, the moves, release.
#pragma once

#include <vector>

#include "app/tools/tracker_drags.h"

namespace facetest {

// Returns the tool's Release result; false when the press started nothing.
template <typename Tool, typename... PressArgs>
bool DragWith(Tool& tool, CPoint press, const std::vector<CPoint>& moves, PressArgs... args) {
  CTrackerDrag* drag = tool.Press(press, args..., CViewMapping{});
  if (!drag) return false;
  if (drag->Begin(press))
    for (CPoint p : moves) drag->Move(p);
  return tool.Release(drag->End());
}

}  // namespace facetest
