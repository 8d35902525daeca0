#include "platform/qt/message_box_qt.h"

#include <QApplication>

QMessageBox::Icon ToQtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Stop: return QMessageBox::Critical;
    case MessageIcon::Question: return QMessageBox::Question;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
  }
}

QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::OkCancel: return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo: return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel: return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case MessageButtons::RetryCancel: return QMessageBox::Retry | QMessageBox::Cancel;
    default: return QMessageBox::Ok;
  }
}

int AnswerFromQtButton(QMessageBox::StandardButton button, MessageButtons buttons) {
  switch (button) {
    case QMessageBox::Ok: return IDOK;
    case QMessageBox::Yes: return IDYES;
    case QMessageBox::No: return IDNO;
    case QMessageBox::Cancel: return IDCANCEL;
    case QMessageBox::Retry: return IDRETRY;
    default: break;
  }
  switch (buttons) {
    case MessageButtons::Ok: return IDOK;
    case MessageButtons::YesNo: return IDNO;
    default: return IDCANCEL;
  }
}

// The button at `position` in the order the box shows them.
QMessageBox::StandardButton ButtonAt(MessageButtons buttons, MessageDefault position) {
  static constexpr QMessageBox::StandardButton kOk[] = {QMessageBox::Ok, QMessageBox::Ok, QMessageBox::Ok};
  static constexpr QMessageBox::StandardButton kOkCancel[] = {QMessageBox::Ok, QMessageBox::Cancel, QMessageBox::Cancel};
  static constexpr QMessageBox::StandardButton kYesNo[] = {QMessageBox::Yes, QMessageBox::No, QMessageBox::No};
  static constexpr QMessageBox::StandardButton kYesNoCancel[] = {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
  static constexpr QMessageBox::StandardButton kRetryCancel[] = {QMessageBox::Retry, QMessageBox::Cancel, QMessageBox::Cancel};
  const QMessageBox::StandardButton* order = buttons == MessageButtons::OkCancel      ? kOkCancel
                                             : buttons == MessageButtons::RetryCancel ? kRetryCancel
                                             : buttons == MessageButtons::YesNo       ? kYesNo
                                             : buttons == MessageButtons::YesNoCancel ? kYesNoCancel
                                                                                      : kOk;
  return order[static_cast<int>(position)];
}

int CQtMessageBoxService::Show(const std::string& text, const std::string& caption, MessageIcon icon,
                               MessageButtons buttons, MessageDefault defaultButton) {
  QString title = caption.empty() ? QApplication::applicationName() : QString::fromStdString(caption);
  QMessageBox box(ToQtIcon(icon), title, QString::fromStdString(text), ToQtButtons(buttons),
                  QApplication::activeWindow());
  box.setDefaultButton(ButtonAt(buttons, defaultButton));
  box.exec();
  return AnswerFromQtButton(box.standardButton(box.clickedButton()), buttons);
}
