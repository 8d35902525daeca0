// How the view shows the document: the zoom (1.0 to 10.0 in steps of 0.5),
// the scroll origin (the document point of the window's top-left pixel),
// and the screen-sized extent it scrolls over. Painting only stretches the
// composed surface: pixels are repeated, never blended.
#pragma once

#include "platform/core/geometry.h"

inline constexpr double kMinZoom = 1.0;
inline constexpr double kMaxZoom = 10.0;
inline constexpr double kZoomStep = 0.5;

class CViewState {
 public:
  double Zoom() const { return m_zoom; }
  CPoint Scroll() const { return m_scroll; }
  CSize ScreenSize() const { return m_screen; }
  CSize ClientSize() const { return m_client; }
  void SetScreenSize(CSize size) { m_screen = size; }
  void SetClientSize(CSize size) { m_client = size; }
  void SetScroll(CPoint scroll) { m_scroll = scroll; }
  void SetZoom(double zoom) { m_zoom = zoom; }

  // The document point under a window pixel.
  CPoint ClientToDocument(CPoint client) const;
  // The composed surface's rectangle that the client area shows.
  CRect VisibleDocumentRect() const;

  // One step in or out; false at the limit.
  bool ZoomIn();
  bool ZoomOut();
  // Puts document point `p` at the middle of the client area, then clamps.
  void CentreOn(CPoint p);
  // Each coordinate within 0 .. screen - trunc(client / zoom).
  void ClampScroll();
  // Scrolls by a pan of (dx, dy) window pixels; false when the zoomed step
  // is zero in both axes (the move is not used up).
  bool Pan(int dx, int dy);

 private:
  double m_zoom = 1.0;
  CPoint m_scroll;
  CSize m_screen;
  CSize m_client;
};
