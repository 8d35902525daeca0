#include "app/shell/item_dialogs/item_dialogs.h"

#include <QComboBox>
#include <QPushButton>

#include "app/bases/item_record.h"
#include "app/shell/items/item_application.h"
#include "controls/zor_dib_list_ctrl.h"
#include "ui_item_name_dialog.h"
#include "ui_select_by_name_dialog.h"
#include "ui_select_categories_dialog.h"
#include "ui_select_face_type_dialog.h"

namespace {

constexpr const char* kFaceTypeCategory = "Type of face";
constexpr UINT kFaceTypeListId = 998;

QString Text(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CItemNameDialog::CItemNameDialog(QWidget* parent) : QDialog(parent), m_form(std::make_unique<Ui::ItemNameDialog>()) {
  m_form->setupUi(this);
  QPushButton* ok = m_form->buttons->button(QDialogButtonBox::Ok);
  ok->setEnabled(false);
  connect(m_form->nameEdit, &QLineEdit::textChanged, this,
          [ok](const QString& text) { ok->setEnabled(!text.trimmed().isEmpty()); });
  connect(m_form->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(m_form->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

CItemNameDialog::~CItemNameDialog() = default;

std::string CItemNameDialog::Name() const { return m_form->nameEdit->text().trimmed().toStdString(); }
void CItemNameDialog::SetName(const std::string& name) { m_form->nameEdit->setText(Text(name)); }

CSelectCategoriesDialog::CSelectCategoriesDialog(const CBaseDatabase& base, const CategoryChoice& initial,
                                                 QWidget* parent)
    : QDialog(parent), m_form(std::make_unique<Ui::SelectCategoriesDialog>()), m_chooser(base, initial) {
  m_form->setupUi(this);
  QComboBox* levels[] = {m_form->level1, m_form->level2, m_form->level3, m_form->level4, m_form->level5};
  for (int level = 0; level < kCategoryLevels; ++level)
    connect(levels[level], &QComboBox::currentIndexChanged, this, [this, level](int index) {
      if (!m_filling) Choose(level, index);
    });
  connect(m_form->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(m_form->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  Fill();
}

CSelectCategoriesDialog::~CSelectCategoriesDialog() = default;

void CSelectCategoriesDialog::Choose(int level, int index) {
  m_chooser.Choose(level, index);
  Fill();
}

void CSelectCategoriesDialog::Fill() {
  m_filling = true;
  QComboBox* levels[] = {m_form->level1, m_form->level2, m_form->level3, m_form->level4, m_form->level5};
  for (int level = 0; level < kCategoryLevels; ++level) {
    levels[level]->clear();
    for (const std::string& label : m_chooser.Offered(level)) levels[level]->addItem(Text(label));
    levels[level]->setCurrentIndex(m_chooser.ChosenIndex(level));
    levels[level]->setEnabled(m_chooser.Offered(level).size() > 1);
  }
  m_filling = false;
}

std::vector<std::string> CSelectCategoriesDialog::Shown(int level) const {
  const QComboBox* levels[] = {m_form->level1, m_form->level2, m_form->level3, m_form->level4, m_form->level5};
  std::vector<std::string> shown;
  for (int i = 0; i < levels[level]->count(); ++i) shown.push_back(levels[level]->itemText(i).toStdString());
  return shown;
}

CSelectByNameDialog::CSelectByNameDialog(const CBaseDatabase& base, const std::string& searchText, QWidget* parent)
    : QDialog(parent), m_form(std::make_unique<Ui::SelectByNameDialog>()), m_base(base), m_search(base) {
  m_form->setupUi(this);
  connect(m_form->searchEdit, &QLineEdit::textChanged, this, [this](const QString& text) {
    m_search.SetText(text.toStdString());
    m_found = -1;
    m_form->foundLabel->clear();
    m_form->countLabel->setText(Text(CountText()));
    m_form->buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
  });
  connect(m_form->findNextButton, &QPushButton::clicked, this, [this] { FindNext(); });
  connect(m_form->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(m_form->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  m_form->buttons->button(QDialogButtonBox::Ok)->setEnabled(false);
  SetText(searchText);
  m_form->countLabel->setText(Text(CountText()));
}

CSelectByNameDialog::~CSelectByNameDialog() = default;

void CSelectByNameDialog::SetText(const std::string& text) { m_form->searchEdit->setText(Text(text)); }
std::string CSelectByNameDialog::SearchText() const { return m_form->searchEdit->text().toStdString(); }

void CSelectByNameDialog::FindNext() {
  m_found = m_search.FindNext();
  m_form->foundLabel->setText(Text(FoundText()));
  m_form->buttons->button(QDialogButtonBox::Ok)->setEnabled(m_found >= 0);
}

std::string CSelectByNameDialog::CountText() const { return "Matches: " + std::to_string(m_search.Count()); }

std::string CSelectByNameDialog::FoundText() const {
  if (m_found < 0 || m_found >= static_cast<int>(m_base.Records().size())) return "Nothing found.";
  return "Found: " + GetItemName(m_base.Records()[m_found]);
}

CSelectFaceTypeDialog::CSelectFaceTypeDialog(const std::string& commonBasePath, QWidget* parent)
    : QDialog(parent), m_form(std::make_unique<Ui::SelectFaceTypeDialog>()) {
  m_form->setupUi(this);
  m_list = new CZORDibListCtrl(this);
  m_list->SubclassDlgItem(kFaceTypeListId, this, CPoint(4, 4), true, 0, 1, false);
  connect(m_form->buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(m_form->buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  if (!m_base.Open(commonBasePath, true)) return;
  m_base.Load();
  CategoryChoice choice = AllCategories();
  choice[0] = kFaceTypeCategory;
  RefreshSelection(m_base, choice, -1, -1);
  const auto& thumbnails = m_base.SelectionThumbnails();
  for (std::size_t i = 0; i < m_base.Selection().size(); ++i) {
    std::unique_ptr<CDib> picture;
    if (i < thumbnails.size() && thumbnails[i]) picture = std::make_unique<CDib>(*thumbnails[i]);
    m_list->AddItem(std::move(picture), GetItemName(m_base.Selection()[i]));
  }
}

CSelectFaceTypeDialog::~CSelectFaceTypeDialog() = default;

std::string CSelectFaceTypeDialog::ShapeName() const {
  const int chosen = m_list ? m_list->GetCurSel() : -1;
  if (chosen < 0 || chosen >= static_cast<int>(m_base.Selection().size())) return {};
  return GetItemName(m_base.Selection()[chosen]);
}
