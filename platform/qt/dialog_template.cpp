#include "platform/qt/dialog_template.h"

#include <QVariant>

QWidget* GetDlgItem(QWidget* dialog, unsigned id) {
  if (!dialog || id == 0) return nullptr;
  const auto children = dialog->findChildren<QWidget*>();
  for (QWidget* child : children)
    if (GetDlgCtrlID(child) == id) return child;
  return nullptr;
}

unsigned GetDlgCtrlID(const QWidget* item) {
  if (!item) return 0;
  bool isNumber = false;
  unsigned id = item->property(kControlIdProperty).toUInt(&isNumber);
  return isNumber ? id : 0;
}

std::string DialogItemCaption(const QWidget* item) {
  if (!item) return {};
  QVariant text = item->property("text");
  if (text.isValid() && text.canConvert<QString>()) return text.toString().toStdString();
  return item->windowTitle().toStdString();
}
