#include "controls/zor_color_dialog.h"

#include <QColorDialog>
#include <QVBoxLayout>

#include "platform/core/message_box.h"

namespace {

CZORColorDialog::ModalRunner& Runner() {
  static CZORColorDialog::ModalRunner runner;
  return runner;
}

QColor ToQColor(COLORREF colour) { return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF); }

COLORREF FromQColor(const QColor& colour) {
  return static_cast<COLORREF>(colour.red()) | static_cast<COLORREF>(colour.green()) << 8 |
         static_cast<COLORREF>(colour.blue()) << 16;
}

}  // namespace

CZORColorDialog::CZORColorDialog(COLORREF initial, QWidget* parent)
    : QDialog(parent), m_picker(new QColorDialog(this)), m_initial(initial & 0xFFFFFF) {
  setWindowTitle("Color");
  setObjectName("ZORColorDialog");
  // The picker is a plain widget inside our dialog: its own OK and Cancel
  // end the outer dialog, so there is one pair of buttons and one result.
  m_picker->setWindowFlags(Qt::Widget);
  m_picker->setOptions(QColorDialog::DontUseNativeDialog);
  m_picker->setCurrentColor(ToQColor(m_initial));
  connect(m_picker, &QColorDialog::accepted, this, &QDialog::accept);
  connect(m_picker, &QColorDialog::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(6, 6, 6, 6);
  layout->addWidget(m_picker);
  setStyleSheet(
      "QDialog#ZORColorDialog, QColorDialog { background: rgb(40, 40, 48); }"
      "QLabel, QCheckBox { color: rgb(230, 230, 230); }"
      "QPushButton { color: rgb(240, 240, 240); background: rgb(70, 70, 84); border: 1px solid rgb(110, 110, 130);"
      " padding: 3px 12px; }"
      "QPushButton:hover { background: rgb(90, 90, 110); }");
}

int CZORColorDialog::DoModal() {
  if (const ModalRunner& runner = Runner()) return runner(*this);
  return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

COLORREF CZORColorDialog::GetColor() const {
  const QColor chosen = m_picker->currentColor();
  return chosen.isValid() ? FromQColor(chosen) : m_initial;
}

void CZORColorDialog::SetColor(COLORREF colour) { m_picker->setCurrentColor(ToQColor(colour & 0xFFFFFF)); }

void CZORColorDialog::SetModalRunner(ModalRunner runner) { Runner() = std::move(runner); }
