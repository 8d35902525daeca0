// The tools the view hands presses to but whose algorithms live elsewhere:
// the face-rectangle and hair stretching tools, the colour pickers' receivers
// in the main frame, the hair tools and the selection and deformation
// outlines. Each press returns whether it changed anything. Until a tool is
// built its press does nothing.
#pragma once

#include "app/document/layer.h"
#include "platform/core/device_context.h"

class CViewTools {
 public:
  virtual ~CViewTools() = default;
  virtual bool FaceRectanglePress(CPoint p) { return false; }
  virtual bool HairStretchPress(CPoint p, bool rightButton) { return false; }
  virtual bool HairToolPress(CLayer& target, CPoint p) { return false; }
  // The document's active tool object (a selection or deformation outline).
  virtual bool ActiveToolPress(CPoint p) { return false; }
  // Keys for the active tool object, as virtual-key codes; `repeats` counts
  // auto-repeats of a held key. True when the view must repaint.
  virtual bool ActiveToolKeyDown(int key, int repeats) { return false; }
  virtual bool ActiveToolKeyUp(int key) { return false; }
  virtual void OnPickedColour(COLORREF colour) {}
  virtual void OnOwnColourForFilter(COLORREF colour) {}
};

// What the view's window does for the rules: the drags with their nested
// loops, panning and the context menu. Implemented by the Qt view; tests
// script it.
class CViewWindow {
 public:
  virtual ~CViewWindow() = default;
  // Drags `frame` from document point `p` by handle `hit` (the frame's
  // HitTest); true when the frame changed.
  virtual bool DragFrame(CQuadTracker& frame, CPoint p, int hit, bool rightButton) = 0;
  // Pans with the right button held; true when the view was dragged.
  virtual bool Pan(CPoint clientPoint) = 0;
  virtual void ShowContextMenu(CPoint clientPoint) = 0;
  // The view changed its mapping or frames: repaint without composing.
  virtual void Repaint() = 0;
};
