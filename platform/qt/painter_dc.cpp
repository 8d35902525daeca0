#include "platform/qt/painter_dc.h"

#include <QImage>
#include <QPaintEngine>

#include <algorithm>
#include <cmath>

#include "platform/core/raster_shapes.h"

namespace {

bool IsDrawableDib(const void* bits, const BITMAPINFOHEADER& info) {
  return bits && info.biBitCount == 24 && info.biWidth > 0 && info.biHeight > 0;
}

// The DIB as a top-down image (a copy: the block's rows run bottom-up).
QImage TopDownImage(const void* bits, const BITMAPINFOHEADER& info) {
  int rowLength = ((info.biWidth * 24 + 31) / 32) * 4;
  QImage bottomUp(static_cast<const uchar*>(bits), info.biWidth, info.biHeight, rowLength,
                  QImage::Format_BGR888);
  return bottomUp.mirrored(false, true);
}

// A source rectangle in DIB convention (origin at the bottom-left) in the
// coordinates of the top-down image.
QRect TopDownSource(int xSrc, int ySrc, int width, int height, const BITMAPINFOHEADER& info) {
  return QRect(xSrc, info.biHeight - ySrc - height, width, height);
}

}  // namespace

int PictureScale(const QPainter& painter) {
  const QTransform device = painter.deviceTransform();
  return std::hypot(device.m11(), device.m12()) >= 1.5 ? 2 : 1;
}

QColor ToQColor(COLORREF color) { return QColor(GetRValue(color), GetGValue(color), GetBValue(color)); }

COLORREF FromQColor(const QColor& color) { return RGB(color.red(), color.green(), color.blue()); }

CPainterDC::CPainterDC(QPainter& painter) : m_painter(painter) {
  m_painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  m_painter.setRenderHint(QPainter::Antialiasing, false);
}

int CPainterDC::SetStretchBltMode(int mode) {
  int previous = m_stretchMode;
  m_stretchMode = mode;
  return previous;
}

int CPainterDC::StretchDIBits(int xDest, int yDest, int destWidth, int destHeight, int xSrc,
                              int ySrc, int srcWidth, int srcHeight, const void* bits,
                              const BITMAPINFOHEADER& info, unsigned long rop) {
  if (!IsDrawableDib(bits, info) || rop != SRCCOPY || destWidth <= 0 || destHeight <= 0 ||
      srcWidth <= 0 || srcHeight <= 0)
    return 0;
  m_painter.save();
  m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  m_painter.drawImage(QRect(xDest, yDest, destWidth, destHeight), TopDownImage(bits, info),
                      TopDownSource(xSrc, ySrc, srcWidth, srcHeight, info));
  m_painter.restore();
  return destHeight;
}

int CPainterDC::SetDIBitsToDevice(int xDest, int yDest, int width, int height, int xSrc, int ySrc,
                                  const void* bits, const BITMAPINFOHEADER& info) {
  if (!IsDrawableDib(bits, info) || width <= 0 || height <= 0) return 0;
  m_painter.save();
  m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
  m_painter.drawImage(QPoint(xDest, yDest), TopDownImage(bits, info),
                      TopDownSource(xSrc, ySrc, width, height, info));
  m_painter.restore();
  return height;
}

COLORREF CPainterDC::SetPixel(int x, int y, COLORREF color) {
  m_painter.save();
  m_painter.setCompositionMode(QPainter::CompositionMode_Source);
  m_painter.fillRect(QRect(x, y, 1, 1), ToQColor(color));
  m_painter.restore();
  return color;
}

COLORREF CPainterDC::GetPixel(int x, int y) const {
  constexpr COLORREF kInvalid = 0xFFFFFFFF;
  const auto* image = dynamic_cast<const QImage*>(m_painter.device());
  if (!image) return kInvalid;
  QPoint at = m_painter.transform().map(QPoint(x, y));
  if (!image->rect().contains(at)) return kInvalid;
  return FromQColor(image->pixelColor(at));
}

bool CPainterDC::SupportsRasterOps() const {
  return m_painter.paintEngine() && m_painter.paintEngine()->type() == QPaintEngine::Raster &&
         dynamic_cast<const QImage*>(m_painter.device());
}

bool CPainterDC::PrepareMode() {
  switch (m_drawMode) {
    case R2_XORPEN:
      if (!SupportsRasterOps()) return false;
      m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
      return true;
    case R2_NOT:
      if (!SupportsRasterOps()) return false;
      m_painter.setCompositionMode(QPainter::RasterOp_NotDestination);
      return true;
    default:
      m_painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
      return true;
  }
}

bool CPainterDC::PreparePen() {
  if (m_pen.style == PS_NULL) return false;
  Qt::PenStyle style = m_pen.style == PS_DOT ? Qt::DotLine : m_pen.style == PS_DASH ? Qt::DashLine : Qt::SolidLine;
  QPen pen(ToQColor(m_pen.color), std::max(m_pen.width, 1) == 1 ? 0 : m_pen.width, style);
  if (!PrepareMode()) return false;
  m_painter.setPen(pen);
  m_painter.setBrush(Qt::NoBrush);
  return true;
}

void CPainterDC::FillSpan(int left, int right, int y, COLORREF color) {
  if (left < right) m_painter.fillRect(QRect(left, y, right - left, 1), ToQColor(color));
}

CPoint CPainterDC::MoveTo(CPoint point) {
  m_lineStep = 0;
  return CSelectingDC::MoveTo(point);
}

bool CPainterDC::LineTo(CPoint point) {
  m_painter.save();
  if (m_pen.style == PS_DOT || m_pen.style == PS_DASH) {
    if (PrepareMode()) {
      ForEachLinePixel(m_position, point, [&](int x, int y) {
        if (PenPatternStroke(m_pen.style, m_lineStep++)) FillSpan(x, x + 1, y, m_pen.color);
        else if (m_backgroundMode == OPAQUE) FillSpan(x, x + 1, y, m_backgroundColor);
      });
    }
  } else if (PreparePen() && point != m_position) {
    // The end point is left out, as on the original platform, so that joined
    // XOR lines do not cancel each other at the corners.
    QLineF line(m_position.x, m_position.y, point.x, point.y);
    QPointF step = (line.p2() - line.p1()) / std::max(std::abs(line.dx()), std::abs(line.dy()));
    QPointF last = line.p2() - step;
    if (last == line.p1()) m_painter.drawPoint(line.p1());
    else m_painter.drawLine(line.p1(), last);
  }
  m_painter.restore();
  m_position = point;
  return true;
}

bool CPainterDC::Rectangle(const CRect& rect) {
  CRect r = rect;
  r.NormalizeRect();
  if (r.IsRectEmpty()) return false;
  if (!m_brush.hollow)
    FillSolidRect(CRect(r.left + 1, r.top + 1, r.right - 1, r.bottom - 1), m_brush.color);
  CPoint saved = m_position;
  MoveTo({r.left, r.top});
  LineTo({r.right - 1, r.top});
  LineTo({r.right - 1, r.bottom - 1});
  LineTo({r.left, r.bottom - 1});
  LineTo({r.left, r.top});
  m_position = saved;
  return true;
}

void CPainterDC::FillSolidRect(const CRect& rect, COLORREF color) {
  if (rect.IsRectEmpty()) return;
  m_painter.save();
  m_painter.setCompositionMode(QPainter::CompositionMode_Source);
  m_painter.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), ToQColor(color));
  m_painter.restore();
}

bool CPainterDC::Ellipse(const CRect& rect) {
  std::vector<EllipseRow> rows = EllipseRows(rect);
  if (rows.empty()) return false;
  m_painter.save();
  if (PrepareMode()) {
    for (const EllipseRow& row : rows) {
      const bool filled = row.innerLeft < row.innerRight;
      if (m_pen.style != PS_NULL) {
        FillSpan(row.left, filled ? row.innerLeft : row.right, row.y, m_pen.color);
        if (filled) FillSpan(row.innerRight, row.right, row.y, m_pen.color);
      }
      if (filled && !m_brush.hollow) FillSpan(row.innerLeft, row.innerRight, row.y, m_brush.color);
    }
  }
  m_painter.restore();
  return true;
}
