// Points, sizes and rectangles in doubles: the frames and outlines that the
// editing tools move, scale and rotate keep their positions unrounded and
// round only when they draw or hit-test (see rounding.h).
#pragma once

struct CDoublePoint {
  double x = 0.0;
  double y = 0.0;

  constexpr CDoublePoint() = default;
  constexpr CDoublePoint(double px, double py) : x(px), y(py) {}
  constexpr bool operator==(const CDoublePoint&) const = default;

  constexpr CDoublePoint operator+(CDoublePoint p) const { return {x + p.x, y + p.y}; }
  constexpr CDoublePoint operator-(CDoublePoint p) const { return {x - p.x, y - p.y}; }
};

struct CDoubleSize {
  double cx = 0.0;
  double cy = 0.0;

  constexpr bool operator==(const CDoubleSize&) const = default;
};

struct CDoubleRect {
  double left = 0.0;
  double top = 0.0;
  double right = 0.0;
  double bottom = 0.0;

  constexpr bool operator==(const CDoubleRect&) const = default;
};
