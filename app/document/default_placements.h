// Where the face frame and the key points of each projection start, and the
// colours of the deformation contours: read once from the style library.
// A placement or colour the style lacks leaves an all-zero rectangle or the
// built-in colour.
#pragma once

#include <array>

#include "app/document/projection.h"
#include "platform/core/device_context.h"
#include "platform/core/resource_module.h"

using DefaultPlacementTable = std::array<ProjectionPlacements, kProjectionCount>;

DefaultPlacementTable LoadDefaultPlacements(HINSTANCE style);

// Line and fill colours of the initial contour, the final contour and the
// deformation area, in that order.
struct ContourColours {
  COLORREF line;
  COLORREF fill;
};
std::array<ContourColours, 3> LoadContourColours(HINSTANCE style);
// The lasso's (63562, 63563) and the wand's (63564, 63565) outline colours.
std::array<ContourColours, 2> LoadSelectionColours(HINSTANCE style);
