// The message-box service over QMessageBox: what the program installs so
// that ShowMessageBox opens a real modal box. The caption defaults to the
// application's name, as message boxes of the original did.
#pragma once

#include <QMessageBox>

#include "platform/core/message_box.h"

class CQtMessageBoxService : public CMessageBoxService {
 public:
  int Show(const std::string& text, const std::string& caption, MessageIcon icon, MessageButtons buttons,
           MessageDefault defaultButton) override;
};

QMessageBox::Icon ToQtIcon(MessageIcon icon);
QMessageBox::StandardButtons ToQtButtons(MessageButtons buttons);
// The answer for the button the user pressed; a box closed without a button
// answers as its Cancel (or No when there is no Cancel) would.
int AnswerFromQtButton(QMessageBox::StandardButton button, MessageButtons buttons);
