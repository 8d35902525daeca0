// The About box (command 57664): the product's name, version and copyright,
// and two link buttons that open the program folder's "Web.url" and
// "Mail.url" with the desktop's handler for the address they hold.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QPushButton;

class CAboutBox : public QDialog {
 public:
  // `programFolder` ends with a separator; `open` opens an address.
  CAboutBox(std::string programFolder, std::function<bool(const std::string&)> open, QWidget* parent = nullptr);

  // A link button's press: opens the file's address, or says the file is
  // missing. False when nothing was opened.
  bool OpenLink(const char* fileName);
  QPushButton* WebButton() const { return m_web; }
  QPushButton* MailButton() const { return m_mail; }

 private:
  std::string m_programFolder;
  std::function<bool(const std::string&)> m_open;
  QPushButton* m_web = nullptr;
  QPushButton* m_mail = nullptr;
};
