// Short hair filling a region: eyebrows, moustaches, beards, stubble. Seeds
// fall at random in the region and each grows a short strand along the
// flow, tapering at both ends, cut where it leaves the region.
#pragma once

#include <functional>

#include "items/item_canvas.h"

struct StrandFill {
  // All in portrait coordinates.
  std::function<float(float x, float y)> distance;  // to the region, negative inside
  std::function<void(float x, float y, float* dx, float* dy)> flow;  // unit direction
  std::function<Colour(float x, float y)> colour;
  float left, top, right, bottom;  // where seeds may fall
  float length = 4;                // portrait pixels
  float width = 0.5f;
  float density = 1;               // strands per portrait pixel of region
  float opacity = 0.9f;
  float curl = 0;                  // bend per pixel, radians, each strand its own sign
};

void FillWithStrands(ItemCanvas& canvas, const StrandFill& fill, ItemRandom& random);
