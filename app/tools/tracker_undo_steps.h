// The two undo states of the trackers: a frame's full geometry and a line's
// two points. Neither can tell which pixels its owner covers, so both report
// no changed area; the caller recomposes the bounding rectangles instead.
#pragma once

#include "app/tools/undo_step.h"

class CQuadTracker;
class CLineTracker;

std::unique_ptr<CUndoStep> MakeGeometryUndoStep(std::string name, CQuadTracker& owner);
std::unique_ptr<CUndoStep> MakeLineUndoStep(std::string name, CLineTracker& owner);
