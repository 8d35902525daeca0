// The cross-dissolve shown when an item replaces another with "Morphing"
// on: pictures from the before-look to the after-look, t stepping from 0 by
// 1/30 while below 1. The sum of thirty steps stays just under 1.0 in
// doubles, so there are 31 pictures, the last at t close to 1.
#pragma once

#include <functional>

#include "imagelib/dib.h"

inline constexpr double kDissolveStep = 1.0 / 30;

// Calls `draw` with each picture (deleted after the call) and its t. Returns
// the number of pictures; 0 when the two differ in size.
int ForEachDissolveFrame(CDib& before, CDib& after, const std::function<void(CDib& frame, double t)>& draw);

// Where a picture of document rectangle `area` lands in the window.
CRect DissolveWindowRect(const CRect& area, int scrollX, int scrollY, double zoom);
