// CContour: an outline the user draws on the view: a selection (lasso,
// magic wand) or a deformation contour. This is the part the document
// relies on: the colours it is drawn with and the view mapping it is given.
// The outlines' points and their handling come with the selection and
// deformation tools.
#pragma once

#include "platform/core/device_context.h"

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

 private:
  COLORREF m_lineColour;
  COLORREF m_fillColour;
  int m_originX = 0;
  int m_originY = 0;
  double m_zoom = 1.0;
};
