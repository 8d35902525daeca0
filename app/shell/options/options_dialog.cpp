#include "app/shell/options/options_dialog.h"

#include <QCheckBox>

#include "platform/qt/dialog_template.h"
#include "ui_options_dialog.h"

namespace {

// The dialog's check boxes and the settings they edit.
struct CheckBoxSetting {
  unsigned controlId;
  bool CSettings::*setting;
};

constexpr CheckBoxSetting kCheckBoxes[] = {
    {1100, &CSettings::askProjection},   {1101, &CSettings::morphing},
    {1102, &CSettings::printPreviewFullScreen}, {1103, &CSettings::jumpToBase},
    {1104, &CSettings::galleryDblClkRestore},   {1105, &CSettings::lTrackersVisible},
    {1106, &CSettings::selectByOrient},  {1107, &CSettings::showQuestions},
    {1108, &CSettings::showWarnings},    {1109, &CSettings::standardGallery},
    {1110, &CSettings::strongNewClient}, {1111, &CSettings::autoSave},
};

}  // namespace

COptionsDialog::COptionsDialog(CSettings& settings, std::vector<StyleEntry> styles, std::function<bool()> save,
                               QWidget* parent)
    : QDialog(parent),
      m_form(std::make_unique<Ui::OptionsDialog>()),
      m_settings(settings),
      m_model(settings, std::move(styles)),
      m_save(std::move(save)) {
  m_form->setupUi(this);
  for (const CheckBoxSetting& box : kCheckBoxes)
    if (auto* check = qobject_cast<QCheckBox*>(GetDlgItem(this, box.controlId))) check->setChecked(m_model.Values().*box.setting);
  for (const StyleEntry& style : m_model.Styles()) m_form->stylesList->addItem(QString::fromStdString(style.displayName));
  m_form->stylesList->setCurrentRow(m_model.SelectedStyle());
  m_form->intervalSpin->setValue(m_model.Values().slideshowInterval);
  // Filled with the make-up and filter profiles when those arrive.
  for (QWidget* list : {m_form->filterProfileList, m_form->makeupAuthorList, m_form->makeupProfileList})
    list->setEnabled(false);

  connect(m_form->okButton, &QPushButton::clicked, this, &COptionsDialog::OnOK);
  connect(m_form->saveNowButton, &QPushButton::clicked, this, &COptionsDialog::OnSaveNow);
  connect(m_form->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

COptionsDialog::~COptionsDialog() = default;

void COptionsDialog::ReadFields() {
  for (const CheckBoxSetting& box : kCheckBoxes)
    if (auto* check = qobject_cast<QCheckBox*>(GetDlgItem(this, box.controlId))) m_model.Values().*box.setting = check->isChecked();
  m_model.SelectStyle(m_form->stylesList->currentRow());
  m_model.SetInterval(m_form->intervalSpin->value());
}

void COptionsDialog::OnOK() {
  ReadFields();
  m_model.ApplyTo(m_settings);
  accept();
}

void COptionsDialog::OnSaveNow() {
  ReadFields();
  m_model.ApplyTo(m_settings);
  if (m_save) m_save();
  accept();
}
