// The part of a device context every implementation shares: the selected
// draw mode, pen, brush, background and the current position, each swapped in and
// returning what was selected before.
#pragma once

#include "platform/core/device_context.h"

class CSelectingDC : public CDC {
 public:
  int SetROP2(int drawMode) override {
    int previous = m_drawMode;
    m_drawMode = drawMode;
    return previous;
  }
  CPen SelectPen(const CPen& pen) override {
    CPen previous = m_pen;
    m_pen = pen;
    return previous;
  }
  CBrush SelectBrush(const CBrush& brush) override {
    CBrush previous = m_brush;
    m_brush = brush;
    return previous;
  }
  int SetBkMode(int mode) override {
    int previous = m_backgroundMode;
    m_backgroundMode = mode;
    return previous;
  }
  COLORREF SetBkColor(COLORREF color) override {
    COLORREF previous = m_backgroundColor;
    m_backgroundColor = color;
    return previous;
  }
  CPoint MoveTo(CPoint point) override {
    CPoint previous = m_position;
    m_position = point;
    return previous;
  }

 protected:
  int m_drawMode = R2_COPYPEN;
  CPen m_pen;
  CBrush m_brush = CBrush::Solid(RGB(255, 255, 255));
  int m_backgroundMode = TRANSPARENT;
  COLORREF m_backgroundColor = RGB(255, 255, 255);
  CPoint m_position;
};
