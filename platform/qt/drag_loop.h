// Drags with a nested event loop: the tools and controls that follow the
// mouse until the button is released capture the mouse and run a loop of
// their own, feeding each position to a plain state machine (CDragHandler)
// so that the drag itself is tested without a display.
#pragma once

#include <QWidget>

#include "platform/core/geometry.h"

class CDragHandler {
 public:
  virtual ~CDragHandler() = default;
  // Positions are in the coordinates of the capturing widget.
  virtual void OnDragMove(CPoint point) = 0;
  virtual void OnDragEnd(CPoint point, bool cancelled) = 0;
};

// Captures the mouse for `capture` and runs until one of `endButtons` is
// released (true) or the drag is cancelled by Escape, by the loss of the
// capture or by the widget going away (false). The handler hears every move
// and the end exactly once; the capture is released in any case. Releases of
// other buttons are swallowed.
bool RunDragLoop(QWidget* capture, CDragHandler& handler, Qt::MouseButtons endButtons = Qt::LeftButton);
