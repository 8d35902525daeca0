// Integer points, sizes and rectangles as the image and window code use them.
// A rectangle is left/top inclusive and right/bottom exclusive: its width is
// right - left, and a point on the right or bottom edge lies outside it. An
// "empty" rectangle has no area (width or height <= 0), whatever its corners.
#pragma once

#include <algorithm>

struct CSize {
  int cx = 0;
  int cy = 0;

  constexpr CSize() = default;
  constexpr CSize(int width, int height) : cx(width), cy(height) {}
  constexpr bool operator==(const CSize&) const = default;
};

struct CPoint {
  int x = 0;
  int y = 0;

  constexpr CPoint() = default;
  constexpr CPoint(int px, int py) : x(px), y(py) {}
  constexpr bool operator==(const CPoint&) const = default;

  constexpr void Offset(int dx, int dy) { x += dx; y += dy; }
  constexpr CPoint operator+(CSize s) const { return {x + s.cx, y + s.cy}; }
  constexpr CPoint operator-(CSize s) const { return {x - s.cx, y - s.cy}; }
  constexpr CPoint operator+(CPoint p) const { return {x + p.x, y + p.y}; }
  constexpr CSize operator-(CPoint p) const { return {x - p.x, y - p.y}; }
};

struct CRect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr CRect() = default;
  constexpr CRect(int l, int t, int r, int b) : left(l), top(t), right(r), bottom(b) {}
  constexpr CRect(CPoint topLeft, CSize size)
      : left(topLeft.x), top(topLeft.y), right(topLeft.x + size.cx), bottom(topLeft.y + size.cy) {}
  constexpr CRect(CPoint topLeft, CPoint bottomRight)
      : left(topLeft.x), top(topLeft.y), right(bottomRight.x), bottom(bottomRight.y) {}
  constexpr bool operator==(const CRect&) const = default;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr CSize Size() const { return {Width(), Height()}; }
  constexpr CPoint TopLeft() const { return {left, top}; }
  constexpr CPoint BottomRight() const { return {right, bottom}; }
  constexpr CPoint CenterPoint() const { return {(left + right) / 2, (top + bottom) / 2}; }

  constexpr bool IsRectEmpty() const { return right <= left || bottom <= top; }
  constexpr bool IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  constexpr bool PtInRect(CPoint p) const {
    return p.x >= left && p.x < right && p.y >= top && p.y < bottom;
  }

  constexpr void SetRect(int l, int t, int r, int b) { left = l; top = t; right = r; bottom = b; }
  constexpr void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  constexpr void OffsetRect(int dx, int dy) { left += dx; right += dx; top += dy; bottom += dy; }
  constexpr void InflateRect(int dx, int dy) { left -= dx; right += dx; top -= dy; bottom += dy; }

  // Swaps the edges so that left <= right and top <= bottom.
  constexpr void NormalizeRect() {
    if (left > right) std::swap(left, right);
    if (top > bottom) std::swap(top, bottom);
  }

  // Sets this to the overlap of a and b; an empty overlap gives (0,0,0,0)
  // and false.
  constexpr bool IntersectRect(const CRect& a, const CRect& b) {
    CRect overlap(std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
                  std::min(a.bottom, b.bottom));
    if (overlap.IsRectEmpty()) {
      SetRectEmpty();
      return false;
    }
    *this = overlap;
    return true;
  }

  // Sets this to the smallest rectangle holding a and b; an empty operand is
  // ignored. Both empty gives (0,0,0,0) and false.
  constexpr bool UnionRect(const CRect& a, const CRect& b) {
    if (a.IsRectEmpty() && b.IsRectEmpty()) {
      SetRectEmpty();
      return false;
    }
    if (a.IsRectEmpty()) { *this = b; return true; }
    if (b.IsRectEmpty()) { *this = a; return true; }
    *this = CRect(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.right, b.right),
                  std::max(a.bottom, b.bottom));
    return true;
  }
};

// The smallest rectangle holding both; an empty one counts as absent.
constexpr CRect UnionOf(const CRect& a, const CRect& b) {
  CRect united;
  united.UnionRect(a, b);
  return united;
}

