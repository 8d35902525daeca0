// Runs a frame or line drag of app/tools in the window's drag loop: window
// positions are turned into document points with the tracker's own view
// mapping, keys into the drag's keys, and the press starts the drag once the
// loop holds the mouse. The view drives a drag so:
//
//   tracker.SetViewMapping(originX, originY, zoom);
//   const CPoint at = tracker.MapClientPoint(x, y);
//   std::unique_ptr<CQuadDrag> drag = MakeQuadDrag(tracker, tracker.HitTest(at.x, at.y));
//   CTrackerDragHandler handler(*drag, {x, y}, [this](CPoint) { update(); });
//   RunDragLoop(this, handler);
//   if (handler.Changed()) ...  // recompose, keep photo and make-up together
#pragma once

#include <functional>

#include "app/tools/tracker_drags.h"
#include "platform/qt/drag_loop.h"

class CTrackerDragHandler : public CDragHandler {
 public:
  // `onChange` hears the document point of every move that changed the
  // tracker (a rotation sets its cursor there); it may be empty.
  CTrackerDragHandler(CTrackerDrag& drag, CPoint press, std::function<void(CPoint)> onChange = {})
      : m_drag(drag), m_press(press), m_onChange(std::move(onChange)) {}

  // Whether the drag changed anything; known once RunDragLoop returned.
  bool Changed() const { return m_changed; }

  bool OnDragStart() override { return m_drag.Begin(m_drag.MapClientPoint(m_press)); }
  void OnDragMove(CPoint point) override {
    const CPoint at = m_drag.MapClientPoint(point);
    if (m_drag.Move(at) && m_onChange) m_onChange(at);
  }
  // A cancelled drag keeps what it did, as a lost capture does.
  void OnDragEnd(CPoint point, bool cancelled) override { m_changed = m_drag.End(); }
  bool EndsOnRightButton() const override { return m_drag.EndsOnRightButton(); }
  void OnDragKey(int virtualKey, CDragPointer& pointer) override { m_drag.Key(virtualKey, pointer); }

 private:
  CTrackerDrag& m_drag;
  CPoint m_press;
  std::function<void(CPoint)> m_onChange;
  bool m_changed = false;
};
