#include "app/shell/options/options_dialog.h"

#include <QCheckBox>
#include <QComboBox>

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
    {1112, &CSettings::autoFitFace},
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
  for (const ProfileEntry& profile : m_model.FilterProfiles())
    m_form->filterProfileList->addItem(QString::fromStdString(profile.displayName));
  m_form->filterProfileList->setCurrentIndex(m_model.SelectedFilterProfile());
  for (const std::string& author : m_model.MakeupAuthors())
    m_form->makeupAuthorList->addItem(QString::fromStdString(author));
  m_form->makeupAuthorList->setCurrentIndex(m_model.SelectedAuthor());
  FillMakeupProfiles();
  connect(m_form->makeupAuthorList, &QComboBox::currentIndexChanged, this, [this](int index) {
    m_model.SelectAuthor(index);
    FillMakeupProfiles();
  });

  connect(m_form->okButton, &QPushButton::clicked, this, &COptionsDialog::OnOK);
  connect(m_form->saveNowButton, &QPushButton::clicked, this, &COptionsDialog::OnSaveNow);
  connect(m_form->cancelButton, &QPushButton::clicked, this, &QDialog::reject);
}

COptionsDialog::~COptionsDialog() = default;

void COptionsDialog::FillMakeupProfiles() {
  m_form->makeupProfileList->clear();
  for (const ProfileEntry& profile : m_model.MakeupProfiles())
    m_form->makeupProfileList->addItem(QString::fromStdString(profile.displayName));
  m_form->makeupProfileList->setCurrentIndex(m_model.SelectedMakeupProfile());
}

void COptionsDialog::ReadFields() {
  for (const CheckBoxSetting& box : kCheckBoxes)
    if (auto* check = qobject_cast<QCheckBox*>(GetDlgItem(this, box.controlId))) m_model.Values().*box.setting = check->isChecked();
  m_model.SelectStyle(m_form->stylesList->currentRow());
  m_model.SelectFilterProfile(m_form->filterProfileList->currentIndex());
  m_model.SelectMakeupProfile(m_form->makeupProfileList->currentIndex());
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
