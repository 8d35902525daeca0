// A 32 x 32 drawing surface for the program's cursors. Shapes are drawn as
// ink; the finished cursor shows the ink black with a one-pixel white rim, so
// that it reads on dark and light pictures alike, and everything else
// see-through.
#pragma once

#include <array>

#include "platform/core/cursor_data.h"
#include "platform/core/double_geometry.h"

class CCursorCanvas {
 public:
  // A stroke from `from` to `to`, `width` pixels thick, round at its ends.
  void Line(CDoublePoint from, CDoublePoint to, double width = 1.5);
  // A stroke ending in an arrowhead at `tip`.
  void Arrow(CDoublePoint tail, CDoublePoint tip, double headLength = 5);
  // An arrowhead alone: at `tip`, pointing along `direction` (any length).
  void ArrowHead(CDoublePoint tip, CDoublePoint direction, double headLength = 5);
  // A ring (or a filled disc with `filled`).
  void Circle(CDoublePoint centre, double radius, bool filled = false, double width = 1.5);
  // A circular arc from angle `from` to `to` (radians, clockwise on screen
  // from east).
  void Arc(CDoublePoint centre, double radius, double from, double to, double width = 1.5);
  void Pixel(int x, int y);

  CursorPlanes Planes(CPoint hotSpot) const;

 private:
  std::array<bool, kCursorSide * kCursorSide> m_ink{};
};
