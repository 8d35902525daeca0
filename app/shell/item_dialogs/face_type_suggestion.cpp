// The select-by-type dialog's suggestion: the face shape that automatic
// fitting found in the current photo, chosen in advance so that OK takes it.
#include <QLabel>

#include "app/bases/item_record.h"
#include "app/shell/item_dialogs/item_dialogs.h"
#include "controls/zor_dib_list_ctrl.h"
#include "platform/core/text_case.h"
#include "ui_select_face_type_dialog.h"

// The main frame compares shape names without case, so the suggestion does too.
void CSelectFaceTypeDialog::SuggestShape(const std::string& shapeName) {
  if (shapeName.empty() || !m_list) return;
  const auto& entries = m_base.Selection();
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (!EqualsIgnoringCase(GetItemName(entries[i]), shapeName)) continue;
    m_list->SetCurSel(static_cast<int>(i));
    m_form->suggestionLabel->setText(QString::fromStdString("Suggested from the photo: " + GetItemName(entries[i])));
    return;
  }
}

std::string CSelectFaceTypeDialog::SuggestionText() const { return m_form->suggestionLabel->text().toStdString(); }
