// The two drags of the thumbnail list as plain state machines over its
// geometry: dragging the thumb with the left button, and panning the cells
// with the right button held. The control feeds them the pointer positions
// of its drag loop.
#pragma once

#include "controls/dib_list_geometry.h"

// The thumb follows the pointer in steps of one line's worth of travel,
// L / (T - v): smaller moves are gathered until they make a step.
class CThumbTracking {
 public:
  CThumbTracking(CDibListGeometry& geometry, CPoint start) : m_geometry(geometry), m_accepted(start) {}
  DibListScroll OnMove(CPoint point);

 private:
  CDibListGeometry& m_geometry;
  CPoint m_accepted;
};

// Every move of more than 10 pixels along the axis scrolls by one line:
// towards larger coordinates pulls the earlier lines into view, the other
// way the later ones, never past either end.
class CPanning {
 public:
  CPanning(CDibListGeometry& geometry, CPoint start) : m_geometry(geometry), m_reference(start) {}
  DibListScroll OnMove(CPoint point);

 private:
  CDibListGeometry& m_geometry;
  CPoint m_reference;
};
