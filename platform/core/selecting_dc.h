// The part of a device context every implementation shares: the selected
// draw mode, pen and brush and the current position, each swapped in and
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
  CPoint MoveTo(CPoint point) override {
    CPoint previous = m_position;
    m_position = point;
    return previous;
  }

 protected:
  int m_drawMode = R2_COPYPEN;
  CPen m_pen;
  CBrush m_brush = CBrush::Solid(RGB(255, 255, 255));
  CPoint m_position;
};
