// The JPEG properties dialog (dialog 129): quality on a track bar (1001)
// mirrored by an edit box (1002), "&Force baseline" (1000) and "&Grayscale"
// (1003). The form is jpeg_properties_dialog.ui; the behaviour of the fields
// is CJpegPropertiesDialogModel's, the dialog only wires the widgets to it.
#pragma once

#include <QDialog>

#include <memory>

#include "platform/core/jpeg_properties.h"

namespace Ui {
class JpegPropertiesDialog;
}
class QCheckBox;
class QLineEdit;
class QSlider;

inline constexpr unsigned kJpegForceBaselineId = 1000;
inline constexpr unsigned kJpegQualityTrackBarId = 1001;
inline constexpr unsigned kJpegQualityEditId = 1002;
inline constexpr unsigned kJpegGrayscaleId = 1003;

class CJpegPropertiesDialog : public QDialog {
 public:
  // The model must outlive the dialog.
  CJpegPropertiesDialog(CJpegPropertiesDialogModel& model, QWidget* parent = nullptr);
  ~CJpegPropertiesDialog() override;

  QSlider* TrackBar() const { return m_trackBar; }
  QLineEdit* Edit() const { return m_edit; }
  QCheckBox* ForceBaseline() const { return m_forceBaseline; }
  QCheckBox* Grayscale() const { return m_grayscale; }

 private:
  void ShowModel();

  std::unique_ptr<Ui::JpegPropertiesDialog> m_form;
  CJpegPropertiesDialogModel& m_model;
  QSlider* m_trackBar;
  QLineEdit* m_edit;
  QCheckBox* m_forceBaseline;
  QCheckBox* m_grayscale;
};

// The prompt the program installs (SetJpegPropertiesPrompt) so that saving a
// JPEG with the dialog requested shows this dialog modally.
class CQtJpegPropertiesPrompt : public CJpegPropertiesPrompt {
 public:
  bool Run(CJpegPropertiesDialogModel& model) override;
};
