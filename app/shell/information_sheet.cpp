#include "app/shell/information_sheet.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "app/editing/face_landmarks.h"
#include "app/shell/product_info.h"
#include "controls/skinkit_version.h"
#include "imagelib/pixkit_version.h"
#include "platform/core/zip_library_version.h"

CInformationSheet::CInformationSheet(const std::vector<InformationPage>& pages, QWidget* parent) : QDialog(parent) {
  setWindowTitle("Version info");
  auto* layout = new QVBoxLayout(this);
  m_tabs = new QTabWidget(this);
  for (const InformationPage& page : pages) {
    auto* table = new QTableWidget(static_cast<int>(page.rows.size()), 2, m_tabs);
    table->setHorizontalHeaderLabels({"Name", "Value"});
    table->verticalHeader()->hide();
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->horizontalHeader()->setStretchLastSection(true);
    for (int row = 0; row < static_cast<int>(page.rows.size()); ++row) {
      table->setItem(row, 0, new QTableWidgetItem(QString::fromStdString(page.rows[row].name)));
      table->setItem(row, 1, new QTableWidgetItem(QString::fromStdString(page.rows[row].value)));
    }
    table->resizeColumnToContents(0);
    m_tabs->addTab(table, QString::fromStdString(page.title));
  }
  layout->addWidget(m_tabs);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(560, 360);
}

std::vector<InformationRow> ComponentVersions() {
  return {{"Kelvora", kProductVersion},
          {"Pixkit", PixkitVersion()},
          {"Skinkit", SkinkitVersion()},
          {"Qt", qVersion()},
          {"JPEG library", PixkitJpegLibraryVersion()},
          {"libzip", ZipLibraryVersion()},
          {"dlib", FaceLibraryVersion()}};
}
