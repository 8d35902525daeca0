// Helpers shared by the drawn (non-hair) items: fills in portrait
// coordinates with the canvas's own scale, and a simple lit shading.
#pragma once

#include <functional>

#include "items/item_canvas.h"

// Fills the region where `distance` (portrait units) is negative, with a
// soft edge `feather` portrait pixels wide.
void FillPortrait(ItemCanvas& canvas, const std::function<float(float, float)>& distance,
                  const std::function<Colour(float, float)>& shade, float opacity, float feather = 0.5f);
void FillPortrait(ItemCanvas& canvas, const std::function<float(float, float)>& distance, Colour colour,
                  float opacity, float feather = 0.5f);

// Shading of a rounded body: brighter towards the upper left of (cx, cy).
Colour Rounded(Colour base, float x, float y, float cx, float cy, float radius);
