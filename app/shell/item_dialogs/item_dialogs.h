// The item dialogs, each a Designer form over a plain model: the name of a
// new custom item, the five cascading category lists, the name search and
// the face types of "Common.hbd". Each is shown with exec(); the getters
// read the result after an accepted dialog.
#pragma once

#include <QDialog>

#include <memory>
#include <optional>
#include <string>

#include "app/bases/base_database.h"
#include "app/shell/items/category_chooser.h"
#include "app/shell/items/item_name_search.h"

namespace Ui {
class ItemNameDialog;
class SelectCategoriesDialog;
class SelectByNameDialog;
class SelectFaceTypeDialog;
}  // namespace Ui

class CZORDibListCtrl;

// OK only with a name; at most 51 characters, what the custom base keeps.
class CItemNameDialog : public QDialog {
 public:
  explicit CItemNameDialog(QWidget* parent = nullptr);
  ~CItemNameDialog() override;
  std::string Name() const;
  void SetName(const std::string& name);

 private:
  std::unique_ptr<Ui::ItemNameDialog> m_form;
};

class CSelectCategoriesDialog : public QDialog {
 public:
  CSelectCategoriesDialog(const CBaseDatabase& base, const CategoryChoice& initial, QWidget* parent = nullptr);
  ~CSelectCategoriesDialog() override;
  // Picks entry `index` of level `level`'s list, as the user would.
  void Choose(int level, int index);
  const CategoryChoice& Choice() const { return m_chooser.Choice(); }
  // The entries shown on a level, "all" first.
  std::vector<std::string> Shown(int level) const;

 private:
  void Fill();

  std::unique_ptr<Ui::SelectCategoriesDialog> m_form;
  CCategoryChooser m_chooser;
  bool m_filling = false;
};

// "Find next" shows the next record whose name holds the text and the
// count of such records; OK hands the found record back.
class CSelectByNameDialog : public QDialog {
 public:
  CSelectByNameDialog(const CBaseDatabase& base, const std::string& searchText, QWidget* parent = nullptr);
  ~CSelectByNameDialog() override;
  void SetText(const std::string& text);
  void FindNext();
  std::string SearchText() const;
  // The record index found last, or -1.
  int Found() const { return m_found; }
  std::string CountText() const;
  std::string FoundText() const;

 private:
  std::unique_ptr<Ui::SelectByNameDialog> m_form;
  const CBaseDatabase& m_base;
  CItemNameSearch m_search;
  int m_found = -1;
};

// The items of "Common.hbd" whose level-0 value is "Type of face", as
// thumbnails with their names; the chosen one's name is the shape.
class CSelectFaceTypeDialog : public QDialog {
 public:
  CSelectFaceTypeDialog(const std::string& commonBasePath, QWidget* parent = nullptr);
  ~CSelectFaceTypeDialog() override;
  CZORDibListCtrl* List() const { return m_list; }
  // The chosen entry's name; empty when none is chosen.
  std::string ShapeName() const;
  // The shape automatic fitting found ("Oval", ...): its entry is chosen
  // and named as the suggestion. An empty or unknown name changes nothing.
  void SuggestShape(const std::string& shapeName);
  std::string SuggestionText() const;

 private:
  std::unique_ptr<Ui::SelectFaceTypeDialog> m_form;
  CBaseDatabase m_base;
  CZORDibListCtrl* m_list = nullptr;  // a Qt child of the dialog
};
