// Dialog 156: the sign's text and font, over the style's "IDB_SELECTSIGN"
// picture. Its fields follow CSignDialogModel; the preview area shows the
// sign in the chosen font at every change. OK writes the "Sign Properties"
// settings, Cancel writes nothing. With the picture the dialog takes its
// size, lays its fields out under the picture's heading band and its
// buttons on the footer band, and dresses them in the style's colours.
#pragma once

#include <QDialog>
#include <QImage>

#include <memory>
#include <string>

#include "app/shell/printing/sign_dialog_model.h"

class QComboBox;
class QLineEdit;
class QToolButton;

// The installed fonts with their scripts, as the model takes them.
std::vector<SignFontEntry> InstalledSignFonts();

class CSignDialog : public QDialog {
 public:
  CSignDialog(const std::string& profilePath, QWidget* parent = nullptr);
  const CSignDialogModel& Model() const { return *m_model; }
  QLineEdit* TextField() const { return m_text; }
  QComboBox* SizeList() const { return m_sizes; }
  QComboBox* FontList() const { return m_fonts; }
  QToolButton* BoldButton() const { return m_bold; }

  void accept() override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void ReadBack();
  void FillScripts();

  std::string m_profilePath;
  std::unique_ptr<CSignDialogModel> m_model;
  QImage m_background;
  QImage m_denseBackground;  // for screens of twice the density
  QLineEdit* m_text;
  QComboBox* m_fonts;
  QComboBox* m_sizes;
  QComboBox* m_scripts;
  QToolButton* m_bold;
  QToolButton* m_italic;
  QToolButton* m_underline;
  QWidget* m_preview;
  bool m_filling = false;
};
