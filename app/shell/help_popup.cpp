#include "app/shell/help_popup.h"

#include <QLabel>

#include "app/resources/program_messages.h"
#include "controls/skin_resources.h"
#include "platform/qt/painter_dc.h"

QWidget* ShowHelpPopup(const std::string& text, QPoint at, QWidget* parent) {
  auto* popup = new QLabel(QString::fromStdString(text), parent, Qt::Popup);
  popup->setAttribute(Qt::WA_DeleteOnClose);
  popup->setWordWrap(true);
  popup->setMaximumWidth(300);
  popup->setMargin(6);
  COLORREF foreground = RGB(0, 0, 0), background = RGB(255, 255, 225);
  LoadCustomColor(kColourHelpText, foreground, GetImageInstance());
  LoadCustomColor(kColourHelpBackground, background, GetImageInstance());
  QPalette colours = popup->palette();
  colours.setColor(QPalette::WindowText, ToQColor(foreground));
  colours.setColor(QPalette::Window, ToQColor(background));
  popup->setPalette(colours);
  popup->setAutoFillBackground(true);
  popup->adjustSize();
  popup->move(at);
  popup->show();
  return popup;
}
