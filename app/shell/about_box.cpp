#include "app/shell/about_box.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/resources/program_messages.h"
#include "app/shell/frame/frame_menus.h"
#include "app/shell/kelvora_app.h"
#include "app/shell/product_info.h"
#include "platform/core/message_box.h"

CAboutBox::CAboutBox(std::string programFolder, std::function<bool(const std::string&)> open, QWidget* parent)
    : QDialog(parent), m_programFolder(std::move(programFolder)), m_open(std::move(open)) {
  setWindowTitle(QString("About ") + kProductName);
  auto* layout = new QVBoxLayout(this);
  auto* title = new QLabel(QString("<b>%1</b> %2").arg(kProductName, kProductVersion), this);
  title->setObjectName("aboutTitle");
  layout->addWidget(title);
  layout->addWidget(new QLabel(kProductCopyright, this));
  auto* links = new QHBoxLayout;
  m_web = new QPushButton("Web site", this);
  m_mail = new QPushButton("Write to us", this);
  links->addWidget(m_web);
  links->addWidget(m_mail);
  layout->addLayout(links);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(m_web, &QPushButton::clicked, this, [this] { OpenLink(kWebLinkFile); });
  connect(m_mail, &QPushButton::clicked, this, [this] { OpenLink(kMailLinkFile); });
}

bool CAboutBox::OpenLink(const char* fileName) {
  const std::string path = m_programFolder + fileName;
  const std::string address = ReadInternetShortcut(path);
  if (address.empty()) {
    ShowMessageBox(FormatMessage(kMsgCantFind, path), {}, MessageIcon::Stop);
    return false;
  }
  return m_open && m_open(address);
}
