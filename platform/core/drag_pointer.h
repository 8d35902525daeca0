// The mouse pointer as a running drag may move it. The move drag nudges a
// frame with the arrow keys by moving the pointer one window pixel; the
// window then reports the pointer's new place like any other move, so the
// frame follows the pointer and the two never part.
#pragma once

class CDragPointer {
 public:
  virtual ~CDragPointer() = default;
  // By (dx, dy) window pixels; (0, 0) sets it again where it is.
  virtual void MovePointerBy(int dx, int dy) = 0;
};
