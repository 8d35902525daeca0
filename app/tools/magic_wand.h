// The magic wand on a layer image: the pixels 4-connected to a seed whose
// colour lies within a tolerance of the seed's, as a selection mask and as
// the closed outline of their outer boundary. All in layer-image pixels.
#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "app/tools/selection_mask.h"
#include "imagelib/dib_alpha.h"

// t = trunc((100 - P) * 2.55), clamped to 0..255.
int WandTolerance(int pressure);

struct CWandSelection {
  CSelectionMask mask;         // the filled cells 0, with the 20-cell margin
  std::vector<CPoint> outline;  // cell corners, clockwise, closed implicitly
};

// Steps 3 to 6 of the wand at image pixel `seed`; nullopt when the seed lies
// outside the image (or the image has no pixels). A transparent seed selects
// nothing but itself is no candidate either: the selection is then empty.
std::optional<CWandSelection> WandSelect(CDibAlpha& image, CPoint seed, int tolerance);

// The filled grid alone (1 filled, 0 not), for the tests and benchmarks.
std::vector<unsigned char> WandFill(CDibAlpha& image, CPoint seed, int tolerance);

// The outer boundary of the 4-connected set `filled` (w x h, 1 filled) that
// holds the topmost-leftmost filled cell, as corner points where the
// direction changes; empty when nothing is filled.
std::vector<CPoint> TraceOuterBoundary(const std::vector<unsigned char>& filled, int w, int h);

// The feather radius of the wand's thickness buttons: 1 none (0), 2 -> 5,
// 3 -> 9, 4 -> 13, 5 -> 17, 6 -> 21.
int WandFeatherRadius(int thickness);
