// CDeformContour: the initial contour, the final contour and the area of
// the liposuction simulation. The contours are open lines, the area a
// closed outline; the final contour is never drawn anew, only reshaped by
// its vertices. Unlike a selection, a vertex is dragged with no key held.
#pragma once

#include "app/tools/contour.h"

class CDeformContour : public CContour {
 public:
  // `useCtrlForDrawing` is the UseCTRLForTracker setting: off, drawing
  // needs no key.
  CDeformContour(COLORREF lineColour, COLORREF secondColour, bool closed, bool mayDraw,
                 bool useCtrlForDrawing = true)
      : CContour(lineColour, secondColour) {
    SetFlags(closed, mayDraw);
    SetActionMasks(useCtrlForDrawing ? kContourKeyCtrl : 0, 0, kContourKeyShift);
  }
};
