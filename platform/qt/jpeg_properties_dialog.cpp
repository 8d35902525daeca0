#include "platform/qt/jpeg_properties_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSlider>

#include "platform/qt/dialog_template.h"
#include "ui_jpeg_properties_dialog.h"

namespace {

template <typename Widget>
Widget* Item(QWidget* dialog, unsigned id) {
  return qobject_cast<Widget*>(GetDlgItem(dialog, id));
}

}  // namespace

CJpegPropertiesDialog::CJpegPropertiesDialog(CJpegPropertiesDialogModel& model, QWidget* parent)
    : QDialog(parent), m_form(std::make_unique<Ui::JpegPropertiesDialog>()), m_model(model) {
  m_form->setupUi(this);
  m_trackBar = Item<QSlider>(this, kJpegQualityTrackBarId);
  m_edit = Item<QLineEdit>(this, kJpegQualityEditId);
  m_forceBaseline = Item<QCheckBox>(this, kJpegForceBaselineId);
  m_grayscale = Item<QCheckBox>(this, kJpegGrayscaleId);
  ShowModel();

  connect(m_trackBar, &QSlider::valueChanged, this, [this](int position) {
    m_model.OnTrackBarMoved(position);
    ShowModel();
  });
  connect(m_edit, &QLineEdit::textEdited, this, [this](const QString& text) {
    m_model.OnEditTextChanged(text.toStdString());
    ShowModel();
  });
  connect(m_forceBaseline, &QCheckBox::toggled, this, [this](bool on) { m_model.SetForceBaseline(on); });
  connect(m_grayscale, &QCheckBox::toggled, this, [this](bool on) { m_model.SetGrayscale(on); });
}

CJpegPropertiesDialog::~CJpegPropertiesDialog() = default;

void CJpegPropertiesDialog::ShowModel() {
  // Each field shows the model; the blockers keep one field's update from
  // echoing back into the model as a change of the other.
  QSignalBlocker trackBarBlock(m_trackBar), editBlock(m_edit), baselineBlock(m_forceBaseline),
      grayBlock(m_grayscale);
  m_trackBar->setValue(m_model.trackBarPosition());
  QString editText = QString::fromStdString(m_model.editText());
  if (m_edit->text() != editText) m_edit->setText(editText);
  m_forceBaseline->setChecked(m_model.properties().forceBaseline);
  m_grayscale->setChecked(m_model.properties().grayscale);
}

bool CQtJpegPropertiesPrompt::Run(CJpegPropertiesDialogModel& model) {
  CJpegPropertiesDialogModel edited = model;
  CJpegPropertiesDialog dialog(edited, QApplication::activeWindow());
  if (dialog.exec() != QDialog::Accepted) return false;
  model = edited;
  return true;
}
