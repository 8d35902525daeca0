// Drags with a nested event loop: the tools and controls that follow the
// mouse until the button is released capture the mouse and run a loop of
// their own, feeding each position to a plain state machine (CDragHandler)
// so that the drag itself is tested without a display.
#pragma once

#include <QWidget>

#include "platform/core/drag_pointer.h"
#include "platform/core/geometry.h"

class CDragHandler {
 public:
  virtual ~CDragHandler() = default;
  // Once the mouse is captured, before any move. False ends the drag at
  // once: RunDragLoop returns false and OnDragEnd is not called.
  virtual bool OnDragStart() { return true; }
  // Positions are in the coordinates of the capturing widget.
  virtual void OnDragMove(CPoint point) = 0;
  virtual void OnDragEnd(CPoint point, bool cancelled) = 0;
  // Whether the right button's release ends the drag as the left's does.
  virtual bool EndsOnRightButton() const { return false; }
  // A key pressed during the drag, as a virtual-key code (0 for keys without
  // one); Escape cancels instead. `pointer` moves the mouse pointer, and the
  // handler hears the pointer's new place as a move.
  virtual void OnDragKey(int virtualKey, CDragPointer& pointer) {}
  // A key released during the drag (auto-repeat left out): outlines keep
  // the set of held keys that steer them.
  virtual void OnDragKeyUp(int virtualKey) {}
};

// Captures the mouse for `capture` and runs until the left button (or, when
// the handler asks, the right button) is released (true) or the drag is
// cancelled by Escape, by the loss of the capture or by the widget going
// away (false). A drag is refused (false, the handler hears nothing) while
// another widget holds the mouse. The handler hears every move and, once
// started, the end exactly once; the capture is released in any case.
// `endButtons` adds buttons whose release ends the drag too.
bool RunDragLoop(QWidget* capture, CDragHandler& handler, Qt::MouseButtons endButtons = Qt::LeftButton);

// The virtual-key code of a Qt key; 0 when it has none.
int VirtualKeyFromQtKey(int qtKey);
