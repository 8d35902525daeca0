#include "controls/zor_print_preview.h"

#include <algorithm>

namespace {
constexpr int kScreenMargin = 12;
constexpr int kShadow = 4;
}  // namespace

CZORPrintPreview::CZORPrintPreview(QWidget* parent) : CZORCtrlWnd("ZORPrintPreview", parent) {}

void CZORPrintPreview::SetPaper(CSize paperPixels, int resolution) {
  if (paperPixels.cx > 0 && paperPixels.cy > 0) m_paper = paperPixels;
  if (resolution > 0) m_resolution = resolution;
  update();
}

CSize CZORPrintPreview::GetScreenPaperSize() const {
  const int roomWidth = std::max(1, width() - 2 * kScreenMargin - kShadow);
  const int roomHeight = std::max(1, height() - 2 * kScreenMargin - kShadow);
  const double scale = std::min(static_cast<double>(roomWidth) / m_paper.cx, static_cast<double>(roomHeight) / m_paper.cy);
  return CSize(std::max(1, static_cast<int>(m_paper.cx * scale)), std::max(1, static_cast<int>(m_paper.cy * scale)));
}

CPoint CZORPrintPreview::GetScreenPaperOrigin() const {
  const CSize size = GetScreenPaperSize();
  return CPoint((width() - size.cx - kShadow) / 2, (height() - size.cy - kShadow) / 2);
}

void CZORPrintPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(60, 64, 76));
  const CSize size = GetScreenPaperSize();
  const CPoint origin = GetScreenPaperOrigin();
  painter.fillRect(origin.x + kShadow, origin.y + kShadow, size.cx, size.cy, QColor(20, 22, 28));
  painter.fillRect(origin.x, origin.y, size.cx, size.cy, Qt::white);
  if (!m_drawer) return;
  painter.setClipRect(origin.x, origin.y, size.cx, size.cy);
  painter.translate(origin.x, origin.y);
  painter.scale(static_cast<double>(size.cx) / m_paper.cx, static_cast<double>(size.cy) / m_paper.cy);
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  painter.setRenderHint(QPainter::TextAntialiasing, true);
  m_drawer(painter);
}
