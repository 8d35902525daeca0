#include "app/shell/panels/filter_button.h"

#include <QPainter>

void CFilterButton::SetChipColour(std::optional<COLORREF> colour) {
  if (colour == m_chip) return;
  m_chip = colour;
  update();
}

void CFilterButton::paintEvent(QPaintEvent* event) {
  CZORCheckBox::paintEvent(event);
  if (!m_chip) return;
  QPainter painter(this);
  // The middle half of the button, inside the skin's own rim.
  const int w = width(), h = height();
  const QRect chip(w / 4, h / 4, std::max(2, w / 2), std::max(2, h / 2));
  painter.setPen(QColor(20, 20, 20));
  painter.setBrush(QColor(*m_chip & 0xFF, (*m_chip >> 8) & 0xFF, (*m_chip >> 16) & 0xFF));
  painter.drawRect(chip.adjusted(0, 0, -1, -1));
}
