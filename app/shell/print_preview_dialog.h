// The print preview: the pictures to print laid out on the chosen paper
// with the sign under them (CZORPrintPreview), and the buttons
// "PREVIEW_SETUP" (the printer, then the page set-up dialog),
// "PREVIEW_SELECTSIGN" (the sign dialog), "PREVIEW_RESORT" (the pictures in
// the opposite order), "PREVIEW_PDF" (save the page as a PDF file),
// "PREVIEW_OK" (print) and "PREVIEW_CANCEL".
#pragma once

#include <QDialog>
#include <QImage>
#include <QPrinter>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/shell/printing/sign_properties.h"

class CZORPrintPreview;

inline constexpr unsigned kPreviewSetupId = 1;
inline constexpr unsigned kPreviewSelectSignId = 2;
inline constexpr unsigned kPreviewResortId = 3;
inline constexpr unsigned kPreviewOkId = 4;
inline constexpr unsigned kPreviewCancelId = 5;
inline constexpr unsigned kPreviewPdfId = 6;

class CPrintPreviewDialog : public QDialog {
 public:
  // `profilePath` holds the sign's settings.
  CPrintPreviewDialog(std::vector<QImage> pictures, std::string profilePath, QWidget* parent = nullptr);
  ~CPrintPreviewDialog() override;

  QPrinter& Printer() { return m_printer; }
  const std::vector<QImage>& Pictures() const { return m_pictures; }
  CZORPrintPreview* Preview() const { return m_preview; }
  SignProperties Sign() const { return LoadSignProperties(m_profilePath); }

  // Nested dialogs (set-up, sign) and the PDF file's name go through these,
  // so tests answer them.
  void SetDialogRunner(std::function<void(QDialog&)> runner) { m_runDialog = std::move(runner); }
  void SetPdfPathChooser(std::function<std::string()> chooser) { m_choosePdfPath = std::move(chooser); }

  void Command(unsigned id);
  void Setup();
  void SelectSign();
  void Resort();
  // The page to the printer; a printer that is only a PDF writer without a
  // file asks for the file. False when nothing was printed.
  bool PrintPage();
  bool SaveAsPdf(const std::string& path);

 private:
  void Run(QDialog& dialog);
  void TakePaper();

  std::vector<QImage> m_pictures;
  std::string m_profilePath;
  QPrinter m_printer;
  CZORPrintPreview* m_preview;  // a Qt child
  std::function<void(QDialog&)> m_runDialog;
  std::function<std::string()> m_choosePdfPath;
};
