// Dialog 147, "Options": the check boxes, the styles list, the make-up and
// filter profile lists and the slideshow interval over a COptionsModel. "OK"
// applies to the settings record, "Save now" applies and writes the profile
// at once.
#pragma once

#include <QDialog>

#include <functional>

#include "app/shell/options/options_model.h"

namespace Ui {
class OptionsDialog;
}

class COptionsDialog : public QDialog {
 public:
  // `settings` is the record the dialog applies to; `save` writes it.
  COptionsDialog(CSettings& settings, std::vector<StyleEntry> styles, std::function<bool()> save,
                 QWidget* parent = nullptr);
  ~COptionsDialog() override;

  void OnOK();
  void OnSaveNow();
  COptionsModel& Model() { return m_model; }

 private:
  void ReadFields();
  void FillMakeupProfiles();

  std::unique_ptr<Ui::OptionsDialog> m_form;
  CSettings& m_settings;
  COptionsModel m_model;
  std::function<bool()> m_save;
};
