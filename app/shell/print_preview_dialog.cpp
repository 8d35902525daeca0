#include "app/shell/print_preview_dialog.h"

#include <QFileDialog>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/shell/gallery/program_busy.h"
#include "app/shell/printing/print_page.h"
#include "app/shell/printing/print_pdf.h"
#include "app/shell/sign_dialog.h"
#include "controls/zor_button.h"
#include "controls/zor_print_preview.h"
#include "platform/core/message_box.h"

namespace {

// The skinned buttons need a window that hears their commands.
class CPreviewButtons : public CWnd {
 public:
  CPreviewButtons(QWidget* parent, std::function<void(unsigned)> command)
      : CWnd(parent), m_command(std::move(command)) {
    const std::pair<unsigned, const char*> buttons[] = {
        {kPreviewSetupId, "PREVIEW_SETUP"}, {kPreviewSelectSignId, "PREVIEW_SELECTSIGN"},
        {kPreviewResortId, "PREVIEW_RESORT"}, {kPreviewPdfId, "PREVIEW_PDF"},
        {kPreviewOkId, "PREVIEW_OK"}, {kPreviewCancelId, "PREVIEW_CANCEL"}};
    int x = 8;
    for (const auto& [id, name] : buttons) {
      auto* placeholder = new QPushButton(name, this);
      placeholder->setProperty("controlId", id);
      placeholder->setGeometry(x, 6, 72, 26);
      x += 80;
      (new CZORButton(this))->SubclassDlgItem(id, this);
    }
    setFixedHeight(38);
    setMinimumWidth(x);
  }

 protected:
  void OnCommand(UINT id, UINT, HWND) override { m_command(id); }
  // The buttons' black corners are see-through: a dark strip like the panels.
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(34, 38, 51)); }

 private:
  std::function<void(unsigned)> m_command;
};

}  // namespace

CPrintPreviewDialog::CPrintPreviewDialog(std::vector<QImage> pictures, std::string profilePath, QWidget* parent)
    : QDialog(parent),
      m_pictures(std::move(pictures)),
      m_profilePath(std::move(profilePath)),
      m_printer(QPrinter::HighResolution),
      m_preview(new CZORPrintPreview(this)) {
  setWindowTitle("Print preview");
  resize(720, 860);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(new CPreviewButtons(this, [this](unsigned id) { Command(id); }));
  layout->addWidget(m_preview, 1);
  m_choosePdfPath = [this] {
    return QFileDialog::getSaveFileName(this, "Save as PDF", {}, "PDF document (*.pdf)").toStdString();
  };
  TakePaper();
  m_preview->SetPageDrawer([this](QPainter& painter) {
    // The sign is read as the page paints, so a change made elsewhere shows.
    DrawPrintPage(painter, m_pictures, m_preview->GetPaperSize(), m_preview->GetResolution(), Sign(),
                  m_preview->GetZoom());
  });
}

CPrintPreviewDialog::~CPrintPreviewDialog() = default;

void CPrintPreviewDialog::TakePaper() {
  const int resolution = m_printer.resolution();
  m_preview->SetPaper(PaperPixels(m_printer.pageLayout(), resolution), resolution);
}

void CPrintPreviewDialog::Run(QDialog& dialog) {
  if (m_runDialog) m_runDialog(dialog);
  else dialog.exec();
}

void CPrintPreviewDialog::Command(unsigned id) {
  switch (id) {
    case kPreviewSetupId: Setup(); break;
    case kPreviewSelectSignId: SelectSign(); break;
    case kPreviewResortId: Resort(); break;
    case kPreviewPdfId: {
      const std::string path = m_choosePdfPath ? m_choosePdfPath() : std::string();
      if (!path.empty() && SaveAsPdf(path)) accept();
      break;
    }
    case kPreviewOkId:
      if (PrintPage()) accept();
      break;
    case kPreviewCancelId: reject(); break;
    default: break;
  }
}

void CPrintPreviewDialog::Setup() {
  QPrintDialog printers(&m_printer, this);
  Run(printers);
  if (printers.result() != QDialog::Accepted) return;
  QPageSetupDialog page(&m_printer, this);
  Run(page);
  TakePaper();
}

void CPrintPreviewDialog::SelectSign() {
  CSignDialog dialog(m_profilePath, this);
  Run(dialog);
  m_preview->update();
}

void CPrintPreviewDialog::Resort() {
  std::ranges::reverse(m_pictures);
  m_preview->update();
}

bool CPrintPreviewDialog::PrintPage() {
  if (m_printer.outputFormat() == QPrinter::PdfFormat && m_printer.outputFileName().isEmpty()) {
    const std::string path = m_choosePdfPath ? m_choosePdfPath() : std::string();
    return !path.empty() && SaveAsPdf(path);
  }
  CBusyScope busy;
  QPainter painter;
  if (!painter.begin(&m_printer)) {
    ShowMessageBox("Can't print on " + m_printer.printerName().toStdString() + ".", {}, MessageIcon::Stop);
    return false;
  }
  const int resolution = m_printer.resolution();
  DrawPrintPage(painter, m_pictures, PaperPixels(m_printer.pageLayout(), resolution), resolution, Sign());
  return painter.end();
}

bool CPrintPreviewDialog::SaveAsPdf(const std::string& path) {
  CBusyScope busy;
  std::string reason;
  if (WritePrintPdf(path, m_pictures, m_printer.pageLayout(), Sign(), &reason)) return true;
  ShowMessageBox("Can't write " + path + ": " + reason + ".", {}, MessageIcon::Stop);
  return false;
}
