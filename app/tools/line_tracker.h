// A key-point line: two end points that the user drags one at a time (the
// eyes, the lip corners, the underarms). Points are whole document units.
#pragma once

#include <string>

#include "app/tools/tracker_handles.h"
#include "app/tools/undo_step.h"
#include "app/tools/view_mapping.h"
#include "platform/core/geometry.h"

class CLineTracker {
 public:
  static constexpr int kHitNothing = -1;
  // How far from an end point, in document units, a point still hits it.
  static constexpr double kHandleHitDistance = 6.0;

  explicit CLineTracker(unsigned changePointsNameId = kChangePointsStepNameId);
  CLineTracker(const CLineTracker&) = delete;
  CLineTracker& operator=(const CLineTracker&) = delete;

  // Pushes a step with this name on the undo list and empties the redo list.
  virtual void PushUndo(const std::string& name);
  // PushUndo with the string `stringId` of the current resource module.
  virtual void PushUndoById(unsigned stringId);
  virtual ~CLineTracker();

  void SetPoints(int x0, int y0, int x1, int y1);
  CPoint GetPoint0() const { return m_point0; }
  CPoint GetPoint1() const { return m_point1; }

  void SetEndPointCursor(HCURSOR cursor) { m_endPointCursor = cursor; }
  void SetViewMapping(int originX, int originY, double zoom);
  // A window pixel of the view as a document point.
  CPoint MapClientPoint(int x, int y) const { return m_viewMapping.MapClientPoint(x, y); }
  const CViewMapping& GetViewMapping() const { return m_viewMapping; }

  // XOR drawing in device pixels (drawn twice, the device is as before);
  // DrawInView maps the points to the view's pixels, trunc((p - origin) *
  // zoom).
  void Draw(CDC& dc) const;
  void DrawInView(CDC& dc, double zoom, int originX, int originY) const;
  // The end-point cursor over either point; nothing elsewhere.
  CTrackerCursor SetPointCursor(int x, int y) const;

  // 0 when (x, y) is near the first point, else 1 when near the second, else
  // kHitNothing.
  int HitTest(int x, int y) const;

  unsigned GetChangePointsNameId() const { return m_changePointsNameId; }
  ChangedArea Undo() { return m_history.Undo(); }
  ChangedArea Redo() { return m_history.Redo(); }
  bool CanUndo() const { return m_history.CanUndo(); }
  bool CanRedo() const { return m_history.CanRedo(); }
  // Names of the newest steps; empty when the list is empty.
  std::string GetUndoName() const { return m_history.GetUndoName(); }
  std::string GetRedoName() const { return m_history.GetRedoName(); }
  void ClearUndo() { m_history.ClearUndo(); }
  void ClearRedo() { m_history.ClearRedo(); }
  const CUndoHistory& GetHistory() const { return m_history; }

 protected:
  CUndoHistory& History() { return m_history; }

 private:
  void DrawPoints(CDC& dc, CPoint p0, CPoint p1) const;

  CPoint m_point0;
  CPoint m_point1;
  CPen m_dottedBlackPen = kDottedBlackPen;
  CPen m_solidWhitePen = kSolidWhitePen;
  CBrush m_blueBrush = kSolidBlueBrush;
  HCURSOR m_endPointCursor = nullptr;
  unsigned m_changePointsNameId;
  CViewMapping m_viewMapping;
  CUndoHistory m_history;
};
