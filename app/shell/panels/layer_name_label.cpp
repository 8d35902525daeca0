#include "app/shell/panels/layer_name_label.h"

#include <QPainter>

void CLayerNameLabel::SetCaption(const std::string& caption) {
  if (caption == m_caption) return;
  m_caption = caption;
  SetToolTipText(caption.c_str());
  update();
}

void CLayerNameLabel::paintEvent(QPaintEvent* event) {
  CZORStatic::paintEvent(event);
  if (m_caption.empty()) return;
  QPainter painter(this);
  painter.setPen(QColor(235, 235, 235));
  // Between the picture's own words at either end; a long name is elided.
  const QRect area = rect().adjusted(width() * 2 / 5, 0, -56, 0);
  const QString text = painter.fontMetrics().elidedText(QString::fromStdString(m_caption), Qt::ElideRight, area.width());
  painter.drawText(area, Qt::AlignRight | Qt::AlignVCenter, text);
}
