// CContour: an outline the user draws on the view: a selection (lasso,
// magic wand) or a deformation contour. It keeps its vertices in document
// coordinates, the view mapping it is drawn with, the keys held while the
// pointer is over it and which of its actions those keys arm.
//
// Interaction is plain code: OnButtonDown picks the drag the held keys arm
// and hands it to a CContourDragRunner, which the view backs with its drag
// loop and tests back with a list of points. Every position a drag sees is a
// document point.
#pragma once

#include <optional>
#include <vector>

#include "platform/core/cursor_handle.h"
#include "platform/core/device_context.h"
#include "platform/core/double_geometry.h"
#include "platform/core/polygon_region.h"

// The held-key bits of the action masks.
inline constexpr unsigned char kContourKeyCtrl = 1;
inline constexpr unsigned char kContourKeyShift = 2;
inline constexpr unsigned char kContourKeyAlt = 4;
inline constexpr unsigned char kContourKeySpace = 8;
inline constexpr int kContourVertexHitRadius = 3;  // view pixels

struct CContourCursors {
  HCURSOR outline;  // the plain cursor
  HCURSOR inside;   // while drawing is armed
  HCURSOR vertex;   // over a vertex while dragging vertices is armed
};

// A drag over a contour, fed with document points.
class CContourDrag {
 public:
  virtual ~CContourDrag() = default;
  virtual void Begin(CPoint p) {}
  virtual void Move(CPoint p) = 0;
  // A key pressed (down) or released during the drag (virtual-key code).
  virtual void Key(int virtualKey, bool down) {}
  // True when the drag changed the contour.
  virtual bool End() = 0;
};

// Runs a drag from the press until the button is released.
class CContourDragRunner {
 public:
  virtual ~CContourDragRunner() = default;
  // False when the drag could not start (another one holds the mouse).
  virtual bool Run(CContourDrag& drag, CPoint press) = 0;
};

class CContour {
 public:
  CContour(COLORREF lineColour, COLORREF fillColour) : m_lineColour(lineColour), m_fillColour(fillColour) {}
  virtual ~CContour() = default;
  CContour(const CContour&) = delete;
  CContour& operator=(const CContour&) = delete;

  // Contours keep the view's origin in window pixels (the document origin
  // times the zoom, truncated) because they are drawn point by point.
  virtual void SetViewMapping(int originX, int originY, double zoom) {
    m_originX = originX;
    m_originY = originY;
    m_zoom = zoom;
  }
  COLORREF GetLineColour() const { return m_lineColour; }
  COLORREF GetFillColour() const { return m_fillColour; }
  int GetOriginX() const { return m_originX; }
  int GetOriginY() const { return m_originY; }
  double GetZoom() const { return m_zoom; }
  // document = trunc((view + origin) / zoom); view = trunc(document * zoom) - origin.
  CPoint ViewToDocument(CPoint view) const;
  CPoint DocumentToView(CPoint document) const;

  // --- vertices ---
  const std::vector<CPoint>& GetVertices() const { return m_vertices; }
  const std::vector<CDoublePoint>& GetExactVertices() const { return m_exactVertices; }
  int GetVertexCount() const { return static_cast<int>(m_vertices.size()); }
  // Replaces both lists and rebuilds the region.
  void SetVertices(std::vector<CPoint> vertices);
  void ClearVertices();
  const CPolygonRegion& GetRegion() const { return m_region; }
  // A finished drawing or a wand selection; cleared by emptying the lists.
  bool IsCompleted() const { return m_completed; }
  bool IsClosed() const { return m_closed; }
  bool MayDraw() const { return m_mayDraw; }
  void SetFlags(bool closed, bool mayDraw) {
    m_closed = closed;
    m_mayDraw = mayDraw;
  }

  // --- keys and actions ---
  void SetActionMasks(unsigned char drawing, unsigned char vertex, unsigned char move) {
    m_drawMask = drawing;
    m_vertexMask = vertex;
    m_moveMask = move;
  }
  unsigned char GetDrawMask() const { return m_drawMask; }
  unsigned char GetHeldKeys() const { return m_heldKeys; }
  void SetHeldKeys(unsigned char keys) { m_heldKeys = keys; }
  // Shift, Ctrl, Alt and Space set or clear their bit; other keys are left
  // alone. True when the key was one of the four.
  bool OnKeyDown(int virtualKey);
  bool OnKeyUp(int virtualKey);
  bool IsDrawArmed() const { return m_heldKeys == m_drawMask; }
  bool IsVertexArmed() const { return m_heldKeys == m_vertexMask; }
  bool IsMoveArmed() const { return m_heldKeys == m_moveMask; }
  bool IsPaused() const { return m_heldKeys == m_pauseMask; }

  void SetCursors(const CContourCursors& cursors) { m_cursors = cursors; }
  // The cursor for the pointer at view pixel (x, y); nullopt when the
  // chosen one is absent.
  std::optional<HCURSOR> SetCursorAt(int x, int y) const;
  // The vertex within the hit radius (view pixels) of view pixel (x, y).
  std::optional<int> VertexAtView(int x, int y) const;

  // A left press at document point p, tried in order: move the outline,
  // drag a vertex (each stops the search when it changed something), draw
  // a new outline. True when the contour changed.
  virtual bool OnButtonDown(CContourDragRunner& runner, CPoint p);

  // The outline in view pixels: solid in the line colour with dashes of the
  // second colour starting `dashPhase` pixels along (marching ants).
  // Closed outlines join the last vertex to the first.
  void Draw(CDC& dc, int dashPhase) const;
  // The view rectangle the outline covers, for repainting.
  CRect GetViewBounds() const;

 protected:
  // Hooks for the derived outlines: a new drawing was started, the outline
  // was moved by `documentShift` as a whole.
  virtual void OnNewOutline() {}
  virtual void OnOutlineMoved(CSize documentShift) {}
  void RebuildRegion();
  void MarkCompleted() { m_completed = true; }

 private:
  friend class CContourDrawDrag;
  friend class CContourMoveDrag;
  friend class CContourVertexDrag;

  COLORREF m_lineColour;
  COLORREF m_fillColour;
  int m_originX = 0;
  int m_originY = 0;
  double m_zoom = 1.0;
  std::vector<CPoint> m_vertices;
  std::vector<CDoublePoint> m_exactVertices;
  CPolygonRegion m_region;
  bool m_closed = true;
  bool m_mayDraw = true;
  bool m_completed = false;
  unsigned char m_drawMask = kContourKeyCtrl;
  unsigned char m_vertexMask = kContourKeySpace;
  unsigned char m_moveMask = kContourKeyShift;
  unsigned char m_pauseMask = kContourKeyCtrl | kContourKeySpace;
  unsigned char m_heldKeys = 0;
  CContourCursors m_cursors;
};
