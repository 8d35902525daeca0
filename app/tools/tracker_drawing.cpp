// How the frames and key-point lines are drawn over the view: in XOR, so that
// drawing the same outline again erases it and a drag can move the outline
// without repainting the picture under it.
//
// The device is put into the state the original platform gave every fresh
// device (opaque background, white) because the outline pen is black: black
// XOR changes nothing, and the outline shows only through the white gaps of
// its dots. Every setting is handed back afterwards.
//
// The original also set the pixel under each point to plain black before the
// outline. A plain pixel is not XOR: erasing would leave it behind, and every
// step of a drag would leave four dots on the picture. Those pixels lie under
// the round handles, which are XOR like the rest, so nothing is lost.
#include "app/tools/line_tracker.h"
#include "app/tools/quad_tracker.h"

#include <cmath>

#include "platform/core/rounding.h"

namespace {

constexpr int kHandleRadius = 5;

// The device settings a tracker changes, restored when it is done.
class CSavedDrawingState {
 public:
  explicit CSavedDrawingState(CDC& dc)
      : m_dc(dc),
        m_drawMode(dc.SetROP2(R2_XORPEN)),
        m_backgroundMode(dc.SetBkMode(OPAQUE)),
        m_backgroundColour(dc.SetBkColor(RGB(255, 255, 255))),
        m_pen(dc.SelectPen(CPen{})),
        m_brush(dc.SelectBrush(CBrush::Hollow())),
        m_position(dc.MoveTo({0, 0})) {}
  ~CSavedDrawingState() {
    m_dc.MoveTo(m_position);
    m_dc.SelectBrush(m_brush);
    m_dc.SelectPen(m_pen);
    m_dc.SetBkColor(m_backgroundColour);
    m_dc.SetBkMode(m_backgroundMode);
    m_dc.SetROP2(m_drawMode);
  }
  CSavedDrawingState(const CSavedDrawingState&) = delete;
  CSavedDrawingState& operator=(const CSavedDrawingState&) = delete;

 private:
  CDC& m_dc;
  int m_drawMode;
  int m_backgroundMode;
  COLORREF m_backgroundColour;
  CPen m_pen;
  CBrush m_brush;
  CPoint m_position;
};

void DrawHandle(CDC& dc, CPoint at) {
  dc.Ellipse(CRect(at.x - kHandleRadius, at.y - kHandleRadius, at.x + kHandleRadius, at.y + kHandleRadius));
}

CPoint Rounded(CDoublePoint p) { return {RoundHalfAwayFromZero(p.x), RoundHalfAwayFromZero(p.y)}; }

CPoint InView(CDoublePoint p, double zoom, int originX, int originY) {
  return Rounded({(p.x - originX) * zoom, (p.y - originY) * zoom});
}

}  // namespace

void CQuadTracker::Draw(CDC& dc, bool plain) const {
  std::array<CPoint, 4> corners;
  std::array<CPoint, 4> midPoints;
  for (int k = 0; k < 4; ++k) {
    corners[k] = Rounded(m_corners[k]);
    midPoints[k] = Rounded(m_midPoints[k]);
  }
  DrawPoints(dc, corners, midPoints, plain);
}

void CQuadTracker::DrawInView(CDC& dc, double zoom, int originX, int originY, bool plain) const {
  std::array<CPoint, 4> corners;
  std::array<CPoint, 4> midPoints;
  for (int k = 0; k < 4; ++k) {
    corners[k] = InView(m_corners[k], zoom, originX, originY);
    midPoints[k] = InView(m_midPoints[k], zoom, originX, originY);
  }
  DrawPoints(dc, corners, midPoints, plain);
}

void CQuadTracker::DrawPoints(CDC& dc, const std::array<CPoint, 4>& corners,
                              const std::array<CPoint, 4>& midPoints, bool plain) const {
  CSavedDrawingState saved(dc);
  dc.SelectPen(plain ? m_dashedCyanPen : m_dottedBlackPen);
  dc.MoveTo(corners[3]);
  for (int k = 0; k < 4; ++k) dc.LineTo(corners[k]);
  if (plain) return;
  dc.SelectBrush(m_blueBrush);
  dc.SelectPen(m_solidWhitePen);
  for (CPoint corner : corners) DrawHandle(dc, corner);
  if (m_showMidHandles)
    for (CPoint midPoint : midPoints) DrawHandle(dc, midPoint);
}

void CLineTracker::Draw(CDC& dc) const { DrawPoints(dc, m_point0, m_point1); }

void CLineTracker::DrawInView(CDC& dc, double zoom, int originX, int originY) const {
  auto inView = [&](CPoint p) {
    return CPoint(TruncateToInt(std::trunc((static_cast<double>(p.x) - originX) * zoom)),
                  TruncateToInt(std::trunc((static_cast<double>(p.y) - originY) * zoom)));
  };
  DrawPoints(dc, inView(m_point0), inView(m_point1));
}

void CLineTracker::DrawPoints(CDC& dc, CPoint p0, CPoint p1) const {
  CSavedDrawingState saved(dc);
  dc.SelectPen(m_dottedBlackPen);
  dc.MoveTo(p0);
  dc.LineTo(p1);
  dc.SelectBrush(m_blueBrush);
  dc.SelectPen(m_solidWhitePen);
  DrawHandle(dc, p0);
  DrawHandle(dc, p1);
}
