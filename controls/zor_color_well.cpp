#include "controls/zor_color_well.h"

#include <QMouseEvent>
#include <QPainter>

#include "controls/zor_color_dialog.h"
#include "platform/core/message_box.h"
#include "platform/qt/window_message.h"

namespace {

QColor ToQColor(COLORREF colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

}  // namespace

CZORColorWell::CZORColorWell(const std::string& className, QWidget* parent) : CZORCtrlWnd(className, parent) {}

void CZORColorWell::SetColor(COLORREF colour) {
  colour &= 0xFFFFFF;
  if (colour == m_colour) return;
  m_colour = colour;
  update();
}

void CZORColorWell::SetChosen(bool chosen) {
  if (chosen == m_chosen) return;
  m_chosen = chosen;
  update();
}

bool CZORColorWell::ChooseColour() {
  CZORColorDialog dialog(m_colour, window());
  if (dialog.DoModal() != IDOK) return false;
  SetColor(dialog.GetColor());
  Notify(kColorWellChanged);
  return true;
}

void CZORColorWell::Notify(UINT code) {
  SendMessage(parentWidget(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), code), LParamFromWindow(this));
}

void CZORColorWell::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const QRect outer = rect().adjusted(0, 0, -1, -1);
  QColor fill = ToQColor(m_colour);
  if (!isEnabled()) fill = QColor((fill.red() + 128) / 2, (fill.green() + 128) / 2, (fill.blue() + 128) / 2);
  // A light and a dark edge, so black and white wells both stand out.
  painter.setPen(QColor(200, 200, 200));
  painter.setBrush(fill);
  painter.drawRect(outer);
  painter.setPen(QColor(30, 30, 30));
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(outer.adjusted(1, 1, -1, -1));
  if (m_chosen) {
    painter.setPen(QPen(QColor(255, 255, 255), 2));
    painter.drawRect(outer.adjusted(3, 3, -3, -3));
  }
}

void CZORColorWell::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() == Qt::LeftButton) m_leftDown = true;
  if (event->button() == Qt::RightButton && isEnabled()) ChooseColour();
}

void CZORColorWell::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || !m_leftDown) return;
  m_leftDown = false;
  if (rect().contains(event->position().toPoint())) Notify(BN_CLICKED);
}
