// The field warp of the liposuction simulation (Beier and Neely's
// line-pair morph, one-sided inverse mapping, weight 1 / (dist^2 + 0.001)):
// every pixel inside the area takes the nine-sample average of the source
// at the points the line pairs map it to; every pixel outside is copied.
#pragma once

#include <functional>
#include <vector>

#include "imagelib/dib.h"
#include "platform/core/double_geometry.h"
#include "platform/core/polygon_region.h"

// A destination segment (P, Q) and its source segment (P', Q').
struct CLinePair {
  CDoublePoint p, q;
  CDoublePoint sourceP, sourceQ;
};

// Hears the percentage of rows done after each row; false cancels the warp.
using WarpProgress = std::function<bool(int percent)>;

// `destination` must have the source's size. Rows run top to bottom; the
// work is shared across the machine's cores, each row computed exactly as
// the one-pixel-at-a-time formula gives it. False when cancelled (the
// destination then holds a partial result) or the images do not match.
bool FieldWarp(CDib& source, CDib& destination, const std::vector<CLinePair>& pairs, const CPolygonRegion& area,
               const WarpProgress& progress = {});

// Anchor lines every 25 pixels along the runs of columns and rows that lie
// outside the area, each its own source, holding the surroundings in place.
std::vector<CLinePair> AnchorLines(const CPolygonRegion& area, int width, int height);

// Pairs final[i] -> final[i+1] with initial[i] -> initial[i+1] for the
// shorter of the two lists, leaving out every pair with a segment of no
// length (its weight would pull the whole area toward one point).
std::vector<CLinePair> ContourLinePairs(const std::vector<CDoublePoint>& initial,
                                        const std::vector<CDoublePoint>& final);
