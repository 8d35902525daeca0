// The tooltips that tell the user where each handle of the face frame and
// the key-point lines belongs, while the face-rectangle tool is armed, and
// which lines a projection uses at all.
#pragma once

#include "app/document/projection.h"

struct ProjectionHandles {
  bool faceFrame, eyesLine, lipsLine, underarmLine;
};
// Eyes in the front and half projections, lips in the front one, underarms
// in the body projection, the face frame in the four face projections.
ProjectionHandles HandlesOfProjection(int projectionIndex);

// The string id of the tooltip for the handle at document point `p`, or 0.
unsigned KeyPointTooltipAt(const CProjection& projection, int projectionIndex, CPoint p);
