// The face-rectangle tool: fits the face frame and the key-point lines of
// the current projection to the photo by hand. A press picks what to drag
// by a fixed rule order; the view runs the drag in its loop; the release
// keeps the three lists of the face set (face frame, eyes line, lips line)
// in step, so one Undo in this mode takes back one change of the whole set.
//
// A press on a line's end point pushes that line's step at once (the line
// drag's rule). Even when the pointer did not move, the other two lists get
// their step of the same name: otherwise a click would leave the eyes or
// lips list one step ahead and every later Undo would take back mismatched
// changes. The auto-colour flag, which tells the next nose or breast item to
// sample the skin again, follows whether the points really moved.
#pragma once

#include <memory>

#include "app/document/kelvora_doc.h"
#include "app/tools/tracker_drags.h"

class CFaceRectangleTool {
 public:
  explicit CFaceRectangleTool(CKelvoraDoc& document) : m_document(document) {}

  // The drag a press at document point `p` starts, with the view's mapping
  // given to its tracker; null when nothing is dragged there. Begin, Move
  // and End are the caller's (the view's drag loop, or a test).
  CTrackerDrag* Press(CPoint p, const CViewMapping& mapping);
  // After the drag ended, with what its End returned: pairs the steps and
  // sets the auto-colour flag. True when anything changed (the view then
  // redraws frame and lines).
  bool Release(bool dragEnded);

 private:
  enum class Target { none, underarm, eyes, lips, faceFrame };

  CKelvoraDoc& m_document;
  std::unique_ptr<CTrackerDrag> m_drag;
  Target m_target = Target::none;
  CLineTracker* m_line = nullptr;
  CPoint m_point0, m_point1;  // the dragged line's points at the press
};
