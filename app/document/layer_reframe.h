// Re-framing a layer: the right-button drag of a corner or side handle
// changes the frame, not the picture's scale. The image is cropped or
// extended (with transparent pixels) to the new frame, keeping each pixel
// where it was on the photo.
#pragma once

#include "app/document/layer.h"

// Gives `layer` the image under `frame` and takes its geometry. `frame` must
// carry the layer's own rotation. False, and nothing changed, when it does
// not, when the layer has no image, or when the new image cannot be made.
// The layer's undo and redo lists are emptied: their pixel steps belong to
// the old image.
bool ReframeLayer(CLayer& layer, const CQuadTracker& frame);
