#include "platform/qt/tooltip_ctrl.h"

void CToolTipCtrl::Activate(bool active) {
  m_active = active;
  Apply();
}

void CToolTipCtrl::UpdateTipText(const std::string& text) {
  m_text = text;
  Apply();
}

void CToolTipCtrl::SetMaxTipWidth(int width) {
  m_maxWidth = width;
  Apply();
}

void CToolTipCtrl::Apply() {
  if (!m_tool) return;
  if (!m_active || m_text.empty()) {
    m_tool->setToolTip(QString());
    return;
  }
  QString text = QString::fromStdString(m_text);
  if (m_maxWidth > 0)
    text = QStringLiteral("<div style=\"max-width:%1px\">%2</div>").arg(m_maxWidth).arg(text.toHtmlEscaped());
  m_tool->setToolTip(text);
}
