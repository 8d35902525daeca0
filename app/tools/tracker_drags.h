// The drags that change a frame (move, resize by a corner, resize by a side,
// rotate) and a key-point line (move one end point), as state machines fed
// with document points: Begin at the press, Move for each pointer move, Key
// for keys pressed meanwhile, End at the release. The window's drag loop
// (platform/qt/drag_loop.h) feeds them; tests feed them directly.
//
// Undo: a frame drag pushes one geometry step, named for the drag, just
// before the first move that really changes the frame, so a click without a
// change leaves the lists alone. The line drag pushes its step at the press.
//
// Drawing: with a device set, each change is shown in XOR as the drag goes
// (the old outline drawn again to erase it, then the new one, in the
// tracker's own view mapping). Without one, the caller repaints whenever Move
// reports a change.
//
// Every frame keeps at least one document unit of width and height: a corner
// dropped onto its opposite corner or a side onto the other side would
// otherwise give a frame of no size, and every later mapping into its image
// would divide by zero.
#pragma once

#include <memory>

#include "app/tools/line_tracker.h"
#include "app/tools/quad_tracker.h"
#include "platform/core/device_context.h"
#include "platform/core/drag_pointer.h"

class CTrackerDrag {
 public:
  virtual ~CTrackerDrag() = default;
  CTrackerDrag(const CTrackerDrag&) = delete;
  CTrackerDrag& operator=(const CTrackerDrag&) = delete;

  // The press; false when this drag does not start there (then nothing
  // changed and the drag is over).
  virtual bool Begin(CPoint point) = 0;
  // A move of the pointer; true when the tracker changed.
  virtual bool Move(CPoint point) = 0;
  // A key pressed during the drag (a virtual-key code).
  virtual void Key(int virtualKey, CDragPointer& pointer) {}
  // The release (or the loss of the mouse); true when anything changed.
  virtual bool End() = 0;
  // The corner and side drags also end on the right button's release.
  virtual bool EndsOnRightButton() const { return false; }
  // A window pixel of the view as the document point the drag works in.
  virtual CPoint MapClientPoint(CPoint window) const = 0;

  // Where each change is drawn in XOR while the drag runs; null for none.
  void SetDevice(CDC* dc) { m_dc = dc; }

 protected:
  CTrackerDrag() = default;
  // The outline in the view, for erasing and redrawing around a change.
  virtual void DrawTracker(CDC& dc) const = 0;
  void EraseBeforeChange() const {
    if (m_dc) DrawTracker(*m_dc);
  }
  void DrawAfterChange() const {
    if (m_dc) DrawTracker(*m_dc);
  }

 private:
  CDC* m_dc = nullptr;
};

// What the frame drags share: the frame and its one undo step.
class CQuadDrag : public CTrackerDrag {
 public:
  CPoint MapClientPoint(CPoint window) const override { return m_tracker.MapClientPoint(window.x, window.y); }
  bool End() override { return m_changed; }

 protected:
  CQuadDrag(CQuadTracker& tracker, unsigned stepNameId) : m_tracker(tracker), m_stepNameId(stepNameId) {}
  void DrawTracker(CDC& dc) const override;
  // Pushes the step on the first change, then erases the old outline.
  void BeforeChange();
  void AfterChange() {
    m_changed = true;
    DrawAfterChange();
  }

  CQuadTracker& m_tracker;
  bool m_changed = false;

 private:
  unsigned m_stepNameId;
};

// Moves the frame with the pointer by whole document units; the arrow keys
// nudge it by moving the pointer one window pixel (1/zoom document units).
class CQuadDragMove : public CQuadDrag {
 public:
  explicit CQuadDragMove(CQuadTracker& tracker) : CQuadDrag(tracker, tracker.GetMoveNameId()) {}
  bool Begin(CPoint point) override;
  bool Move(CPoint point) override;
  void Key(int virtualKey, CDragPointer& pointer) override;

 private:
  CPoint m_last;
};

// Drags one corner along its diagonal: the frame stays a rectangle of the
// same proportions and the opposite corner stays where it is.
class CQuadDragCorner : public CQuadDrag {
 public:
  CQuadDragCorner(CQuadTracker& tracker, int corner)
      : CQuadDrag(tracker, tracker.GetResizeNameId()), m_corner(corner) {}
  bool Begin(CPoint point) override;
  bool Move(CPoint point) override;
  bool End() override;
  bool EndsOnRightButton() const override { return true; }

 private:
  int m_corner;
  CPoint m_press;
  // The lines of the drag, taken at the press (y = k x + b).
  bool m_diagonalVertical = false;
  double m_k1 = 0, m_b1 = 0;
  bool m_sideVertical = false;
  double m_k2 = 0, m_b2 = 0, m_b3 = 0;
  bool m_otherDiagonalVertical = false;
  double m_k3 = 0;
  // The dragged corner's place along the diagonal, from the opposite corner,
  // below which one side would be shorter than a document unit.
  CDoublePoint m_diagonal;  // unit vector from the opposite corner
  double m_minimumReach = 0;
};

// Drags one side parallel to itself; the opposite side stays.
class CQuadDragSide : public CQuadDrag {
 public:
  CQuadDragSide(CQuadTracker& tracker, int handle)
      : CQuadDrag(tracker, tracker.GetResizeNameId()), m_handle(handle) {}
  bool Begin(CPoint point) override;
  bool Move(CPoint point) override;
  bool End() override;
  bool EndsOnRightButton() const override { return true; }

 private:
  int m_handle;
  CPoint m_press;
  double m_k = 0, m_e0 = 0, m_e1 = 0;
  CDoublePoint m_across;  // unit vector from the fixed side towards the moved one
};

// Turns the frame about its centre by the angle the pointer sweeps around it
// since the press, added to the rotation the frame had then.
class CQuadDragRotate : public CQuadDrag {
 public:
  explicit CQuadDragRotate(CQuadTracker& tracker) : CQuadDrag(tracker, tracker.GetRotateNameId()) {}
  bool Begin(CPoint point) override;
  bool Move(CPoint point) override;

 private:
  double m_pressCosine = 1, m_pressSine = 0;  // direction of the press from the centre
  double m_cosine = 1, m_sine = 0;            // the frame's rotation at the press
};

// The drag a press on `hit` (a HitTest result) starts: rotate outside the
// frame, a corner, a side or the move inside.
std::unique_ptr<CQuadDrag> MakeQuadDrag(CQuadTracker& tracker, int hit);

// Drags the end point under the press.
class CLinePointDrag : public CTrackerDrag {
 public:
  explicit CLinePointDrag(CLineTracker& line) : m_line(line) {}
  bool Begin(CPoint point) override;
  bool Move(CPoint point) override;
  bool End() override { return m_point >= 0; }
  CPoint MapClientPoint(CPoint window) const override { return m_line.MapClientPoint(window.x, window.y); }

 protected:
  void DrawTracker(CDC& dc) const override;

 private:
  CLineTracker& m_line;
  int m_point = -1;
};
