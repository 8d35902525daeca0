// A frame on the photo that can be moved, scaled and rotated: every layer,
// the face frame, the print-area frame and the stretch frames are one.
//
// The frame is a rectangle (the base rectangle) turned about its centre. The
// turned corners and the side mid-points are stored too, because drags move
// corners directly and the base rectangle is re-derived afterwards. After
// every completed operation the corners are the base rectangle's corners
// turned about the centre, the centre is the base rectangle's centre and each
// mid-point is the average of its two corners (SetRect, Translate and
// SetRotationKeepCentre are steps that leave it to the caller, as noted
// there). The rotation is kept as a cosine and a sine, never an angle.
//
// Coordinates are document units (one unit is one view pixel at zoom 1.0).
// Corners are numbered top-left, top-right, bottom-right, bottom-left of the
// base rectangle; mid-point k lies between corners k and k + 1 (top, right,
// bottom, left side).
#pragma once

#include <array>
#include <string>

#include "app/tools/tracker_handles.h"
#include "app/tools/undo_step.h"
#include "app/tools/view_mapping.h"
#include "platform/core/double_geometry.h"
#include "platform/core/geometry.h"
#include "platform/core/polygon_region.h"

class CQuadTracker {
 public:
  // Results of HitTest besides the corner (0 to 3) and mid-point (4 to 7)
  // handles.
  static constexpr int kHitInside = 8;
  static constexpr int kHitNothing = -1;
  // How far from a handle, in document units, a point still hits it.
  static constexpr double kHandleHitDistance = 6.0;

  explicit CQuadTracker(bool showMidHandles, unsigned rotateNameId = kRotateStepNameId,
                        unsigned resizeNameId = kResizeStepNameId, unsigned moveNameId = kMoveStepNameId,
                        unsigned changePointsNameId = kChangePointsStepNameId);
  // Takes the geometry, rotation, view mapping, flag and step names of
  // `other`, with pens and brush of its own and empty undo and redo lists.
  // The cursors are not taken: a copy is a scratch frame for a drag.
  CQuadTracker(const CQuadTracker& other);
  CQuadTracker& operator=(const CQuadTracker&) = delete;

  // Pushes a step with this name on the undo list and empties the redo list.
  // A frame records its geometry; a layer overrides this to record pixels.
  virtual void PushUndo(const std::string& name);
  // PushUndo with the string `stringId` of the current resource module.
  virtual void PushUndoById(unsigned stringId);
  virtual ~CQuadTracker();

  // The geometry push whatever the class: what the frame drags record on a
  // layer.
  void PushGeometryUndo(const std::string& name);
  void PushGeometryUndoById(unsigned stringId);

  // Everything a geometry step saves and restores.
  struct Geometry {
    CDoubleRect baseRect;
    std::array<CDoublePoint, 4> corners{};
    std::array<CDoublePoint, 4> midPoints{};
    CDoublePoint centre;
    double cosine = 1.0;
    double sine = 0.0;
    bool operator==(const Geometry&) const = default;
  };
  Geometry GetGeometry() const;
  void SetGeometry(const Geometry& geometry);

  // Base rectangle, corners, mid-points and centre only; not the rotation.
  void CopyGeometry(const CQuadTracker& other);

  void SetCursors(const std::array<HCURSOR, 8>& rotateCursors, const std::array<HCURSOR, 4>& resizeCursors,
                  HCURSOR moveCursor);

  void SetViewMapping(int originX, int originY, double zoom);
  // A window pixel of the view as a document point.
  CPoint MapClientPoint(int x, int y) const { return m_viewMapping.MapClientPoint(x, y); }

  // Unturned frame on these edges. The stored rotation is left as it is, so
  // on a turned frame SetRotation has to follow.
  void SetRect(double left, double top, double right, double bottom);
  // Turns the frame about the base rectangle's centre.
  void SetRotation(double sine, double cosine);
  // Turns the base rectangle's corners about the stored centre, which stays
  // as it is even where it is not the base rectangle's centre.
  void SetRotationKeepCentre(double sine, double cosine);
  // Moves the frame by (-dx, -dy) but leaves the centre behind: a step of a
  // larger change that ends with RecomputeCentre or SetRotation.
  void Translate(double dx, double dy);
  // Centre from the diagonal, mid-points from the corners.
  void RecomputeCentre();
  // Turns `p` about the origin.
  static CDoublePoint RotatePoint(CDoublePoint p, double sine, double cosine);

  // 0 to 3 for a corner handle, 4 to 7 for a mid-point handle (only when they
  // are shown), kHitInside inside the frame, else kHitNothing.
  int HitTest(int x, int y) const;
  bool ContainsPoint(int x, int y) const;
  // The box of the pixels inside the frame's rounded outline; right and
  // bottom exclusive.
  CRect GetBoundingRect() const;
  // Lengths of the top and right sides, rounded.
  CSize GetSize() const;
  CDoubleSize GetSizeExact() const;
  CPoint GetTopLeft() const;

  // The pixel of a layer image of `imageSize`, stretched and turned into this
  // frame, that lies under the document point (x, y); and the way back.
  CPoint MapToImage(double x, double y, CSize imageSize) const;
  CPoint MapFromImage(int u, int v, CSize imageSize) const;

  // XOR drawing in device pixels: drawn twice, the device is as before. The
  // editing look has the outline and round handles; the plain look the
  // outline only. DrawInView first maps the frame to the view's pixels,
  // (p - origin) * zoom.
  void Draw(CDC& dc, bool plain) const;
  void DrawInView(CDC& dc, double zoom, int originX, int originY, bool plain) const;

  // The resize cursor over a handle, the move cursor inside, nothing
  // elsewhere (document point).
  CTrackerCursor SetHandleCursor(int x, int y) const;
  // The rotation cursor for the direction of (x, y) from the centre.
  CTrackerCursor SetRotateCursor(int x, int y) const;
  // Axis class of the segment P to Q: 0 near vertical or a point, 1 near
  // horizontal, 2 and 3 the two diagonals (down-right and down-left).
  static int AxisClass(CDoublePoint p, CDoublePoint q);
  // Direction octant of a unit vector, clockwise on screen from east (0)
  // through south (2), west (4) and north (6).
  static int DirectionOctant(double u, double v);

  bool ShowsMidHandles() const { return m_showMidHandles; }
  const CDoubleRect& GetBaseRect() const { return m_baseRect; }
  CDoublePoint GetCorner(int k) const { return m_corners[k]; }
  CDoublePoint GetMidPoint(int k) const { return m_midPoints[k]; }
  CDoublePoint GetCentre() const { return m_centre; }
  double GetCosine() const { return m_cosine; }
  double GetSine() const { return m_sine; }
  const CViewMapping& GetViewMapping() const { return m_viewMapping; }
  unsigned GetRotateNameId() const { return m_rotateNameId; }
  unsigned GetResizeNameId() const { return m_resizeNameId; }
  unsigned GetMoveNameId() const { return m_moveNameId; }
  unsigned GetChangePointsNameId() const { return m_changePointsNameId; }

  // One step of this object's lists; the area a pixel step changed, in
  // document coordinates, or none.
  ChangedArea Undo() { return m_history.Undo(); }
  ChangedArea Redo() { return m_history.Redo(); }
  bool CanUndo() const { return m_history.CanUndo(); }
  bool CanRedo() const { return m_history.CanRedo(); }
  // Names of the newest steps; empty when the list is empty.
  std::string GetUndoName() const { return m_history.GetUndoName(); }
  std::string GetRedoName() const { return m_history.GetRedoName(); }
  void ClearUndo() { m_history.ClearUndo(); }
  void ClearRedo() { m_history.ClearRedo(); }
  void RenameNewestUndoStep(std::string name) { m_history.RenameNewestUndoStep(std::move(name)); }
  const CUndoHistory& GetHistory() const { return m_history; }

 protected:
  CUndoHistory& History() { return m_history; }

 private:
  CPolygonRegion RoundedOutline() const;
  void DrawPoints(CDC& dc, const std::array<CPoint, 4>& corners, const std::array<CPoint, 4>& midPoints,
                  bool plain) const;
  void MidPointsFromCorners();

  bool m_showMidHandles;
  CDoubleRect m_baseRect;
  std::array<CDoublePoint, 4> m_corners{};
  std::array<CDoublePoint, 4> m_midPoints{};
  CDoublePoint m_centre;
  double m_cosine = 1.0;
  double m_sine = 0.0;
  std::array<HCURSOR, 8> m_rotateCursors{};  // by direction octant
  std::array<HCURSOR, 4> m_resizeCursors{};  // by axis class
  HCURSOR m_moveCursor = nullptr;
  CPen m_dottedBlackPen = kDottedBlackPen;
  CPen m_solidWhitePen = kSolidWhitePen;
  CPen m_dashedCyanPen = kDashedCyanPen;
  CBrush m_blueBrush = kSolidBlueBrush;
  CViewMapping m_viewMapping;
  CUndoHistory m_history;
  unsigned m_rotateNameId;
  unsigned m_resizeNameId;
  unsigned m_moveNameId;
  unsigned m_changePointsNameId;
};
