// The pixels of the shapes every device context draws itself: styled lines
// and ellipses. Both devices (the in-memory raster and the painter over a
// window's image) walk the same pixels, so a tracker tested on the raster
// paints the same outline on screen, and an XOR shape touches each pixel
// exactly once and vanishes when drawn again.
#pragma once

#include <cstdlib>
#include <vector>

#include "platform/core/device_context.h"

// Whether the pixel `step` places along a line (counted from its MoveTo) is
// a stroke of the pen's pattern or a gap: dots alternate, dashes are six on,
// two off.
inline bool PenPatternStroke(int style, long step) {
  if (style == PS_DOT) return step % 2 == 0;
  if (style == PS_DASH) return step % 8 < 6;
  return true;
}

// Calls visit(x, y) for each pixel from `from` up to, not including, `to`
// (Bresenham). The end point is left out so that joined lines do not draw
// their shared corners twice, which XOR drawing would undo.
template <typename Visit>
void ForEachLinePixel(CPoint from, CPoint to, Visit visit) {
  int x = from.x, y = from.y;
  const int dx = std::abs(to.x - x), dy = -std::abs(to.y - y);
  const int sx = x < to.x ? 1 : -1, sy = y < to.y ? 1 : -1;
  int error = dx + dy;
  while (x != to.x || y != to.y) {
    visit(x, y);
    const int doubled = 2 * error;
    if (doubled >= dy) {
      error += dy;
      x += sx;
    }
    if (doubled <= dx) {
      error += dx;
      y += sy;
    }
  }
}

// One row of an ellipse: pixels [left, right) lie inside; of these,
// [innerLeft, innerRight) are the inside proper and the rest the outline.
struct EllipseRow {
  int y = 0;
  int left = 0;
  int right = 0;
  int innerLeft = 0;
  int innerRight = 0;
};

// The rows of the ellipse inscribed in `box` (right and bottom exclusive): a
// pixel is inside when its centre is. An outline pixel is an inside pixel
// with a neighbour above, below, left or right outside. Empty for an empty
// box.
std::vector<EllipseRow> EllipseRows(const CRect& box);
