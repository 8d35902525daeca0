// A polygon region: the pixels that a closed polygon of integer vertices
// covers under the winding (nonzero) fill rule. The frames, the selection
// outlines and the deformation area ask it two things: is a pixel inside, and
// which rectangle holds every inside pixel.
//
// Pixel coverage: pixel (x, y) is the unit square from (x, y) to (x + 1,
// y + 1), and it belongs to the region when its centre (x + 0.5, y + 0.5) has
// a nonzero winding number. A centre can never share a row with a vertex
// (vertices are whole, centres half-way), so only a sloped or vertical edge
// can pass exactly through a centre; such a centre counts as if it sat a hair
// to the right, so a pixel on a left edge is in and one on a right edge is
// out. An axis-parallel rectangle (l, t, r, b) therefore covers exactly the
// pixels l..r-1 by t..b-1, as a rectangle with exclusive right and bottom
// does. Both queries use the same per-edge test, so they always agree.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "platform/core/geometry.h"

class CPolygonRegion {
 public:
  // The empty region.
  CPolygonRegion() = default;
  // The polygon through the vertices in order, the last joined to the first.
  // Fewer than three vertices, or no area, give a region without pixels.
  explicit CPolygonRegion(std::span<const CPoint> vertices);

  bool PtInRegion(int x, int y) const;
  bool PtInRegion(CPoint p) const { return PtInRegion(p.x, p.y); }

  // The smallest rectangle (right and bottom exclusive) holding every pixel of
  // the region; (0, 0, 0, 0) when it has none. Walks the rows between the
  // highest and lowest vertex.
  CRect GetRgnBox() const;

  // Every run of inside pixels, row by row from the top, left to right:
  // `span(y, left, right)` with right exclusive. The same pixels PtInRegion
  // answers true for, found in time proportional to the rows and edges
  // rather than to the pixels. Runs of one row may touch but never overlap.
  void ForEachSpan(const std::function<void(int y, int left, int right)>& span) const;

  bool IsEmpty() const { return GetRgnBox().IsRectEmpty(); }
  const std::vector<CPoint>& GetVertices() const { return m_vertices; }

 private:
  std::vector<CPoint> m_vertices;
};
