// The information sheet (command 1246, Ctrl+I): a property sheet with one
// page a subject (product, versions, databases, profiles, author), each a
// two-column table of names and values.
#pragma once

#include <QDialog>

#include <vector>

#include "app/shell/frame/information_pages.h"

class QTabWidget;

class CInformationSheet : public QDialog {
 public:
  explicit CInformationSheet(const std::vector<InformationPage>& pages, QWidget* parent = nullptr);
  QTabWidget* Pages() const { return m_tabs; }

 private:
  QTabWidget* m_tabs = nullptr;
};

// Qt, libjpeg-turbo and libzip as loaded, beside the program's own parts.
std::vector<InformationRow> ComponentVersions();
