// A projection with all its layers as a new raster: what the gallery stores
// and shows and what is printed. Drawn with the projection's own set's draw
// order, so it looks as the view shows it.
#pragma once

#include <memory>

#include "app/document/projection.h"

// Over `base` (document (0, 0) at its top-left corner) or, without one,
// white. The area is the given rectangle or the photo's bounding rectangle.
// Null without a photo or when the area leaves the base.
std::unique_ptr<CDib> RenderProjectionLayers(const CProjection& projection, bool bodySet, const CRect* area,
                                             CDib* base);
