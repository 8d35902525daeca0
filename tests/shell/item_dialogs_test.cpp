// The item dialogs as a user works them on the offscreen platform: OK of
// the name entry only with a name, the name search's buttons and labels,
// the category lists cascading through their combo boxes, and the face
// types without their database.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/bases/item_record.h"
#include "app/shell/item_dialogs/item_dialogs.h"
#include "controls/zor_dib_list_ctrl.h"
#include "tests/test_files.h"

namespace {

using Labels = std::vector<std::string>;

QPushButton* OkOf(QDialog& dialog) {
  return dialog.findChild<QDialogButtonBox*>("buttons")->button(QDialogButtonBox::Ok);
}

// Records named as given; a tree of Women{Short, Long}, Men{Short}.
void FillBase(CBaseDatabase& base, const TemporaryFolder& folder, const std::vector<std::string>& names) {
  ASSERT_TRUE(base.Create(folder.File("Names.hbd"), "Names", "3.0", 0));
  for (const std::string& name : names) {
    BaseItemRecord record{};
    SetItemName(record, name);
    ASSERT_TRUE(base.AddItemBlock({}, {}, record));
  }
  base.ValueGroups() = {{{0, 1}, {2}}, {{}, {}, {}}, {}, {}};
  base.NameTable().cells.assign(kNameTableRows, {});
  base.NameTable().cells[0] = {"Women", "Short", "Long", "Men", "Short"};
}

TEST(ItemNameDialog, OkWaitsForANameAndTheNameIsCutToWhatTheBaseKeeps) {
  CItemNameDialog dialog;
  auto* edit = dialog.findChild<QLineEdit*>("nameEdit");
  EXPECT_FALSE(OkOf(dialog)->isEnabled());
  edit->setText("   ");
  EXPECT_FALSE(OkOf(dialog)->isEnabled()) << "blanks are no name";
  edit->setText(QString(60, 'x'));
  EXPECT_TRUE(OkOf(dialog)->isEnabled());
  EXPECT_EQ(dialog.Name().size(), 51u);
  dialog.SetName("  Curls ");
  EXPECT_EQ(dialog.Name(), "Curls");
}

TEST(SelectByNameDialog, FindNextWalksTheMatchesAndOkFollowsWhatWasFound) {
  TemporaryFolder folder;
  CBaseDatabase base;
  FillBase(base, folder, {"Bob", "Crew cut", "Long bob", "Pixie"});
  CSelectByNameDialog dialog(base, "BOB");
  auto* count = dialog.findChild<QLabel*>("countLabel");
  auto* found = dialog.findChild<QLabel*>("foundLabel");
  EXPECT_EQ(count->text().toStdString(), "Matches: 2") << "the kept text counts as the search finds";
  EXPECT_FALSE(OkOf(dialog)->isEnabled());
  dialog.findChild<QPushButton*>("findNextButton")->click();
  EXPECT_EQ(found->text().toStdString(), "Found: Bob");
  EXPECT_TRUE(OkOf(dialog)->isEnabled());
  dialog.FindNext();
  EXPECT_EQ(dialog.Found(), 2);
  dialog.FindNext();
  EXPECT_EQ(dialog.Found(), 0) << "the search wraps";

  dialog.findChild<QLineEdit*>("searchEdit")->setText("mohawk");
  EXPECT_FALSE(OkOf(dialog)->isEnabled()) << "a new text needs a new search";
  EXPECT_EQ(count->text().toStdString(), "Matches: 0");
  dialog.FindNext();
  EXPECT_EQ(found->text().toStdString(), "Nothing found.");
  EXPECT_FALSE(OkOf(dialog)->isEnabled());
  EXPECT_EQ(dialog.SearchText(), "mohawk");
}

TEST(SelectCategoriesDialog, TheComboBoxesCascadeAndAnEmptyLevelIsOff) {
  TemporaryFolder folder;
  CBaseDatabase base;
  FillBase(base, folder, {});
  CSelectCategoriesDialog dialog(base, {"all", "all", "all", "all", "all"});
  auto* level1 = dialog.findChild<QComboBox*>("level1");
  auto* level2 = dialog.findChild<QComboBox*>("level2");
  auto* level3 = dialog.findChild<QComboBox*>("level3");
  EXPECT_EQ(dialog.Shown(0), (Labels{"all", "Women", "Men"}));
  EXPECT_EQ(dialog.Shown(1), (Labels{"all", "Short", "Long"})) << "each label once";
  EXPECT_FALSE(level3->isEnabled());
  level1->setCurrentIndex(2);  // as the user picks "Men"
  EXPECT_EQ(dialog.Shown(1), (Labels{"all", "Short"}));
  level2->setCurrentIndex(1);
  EXPECT_EQ(dialog.Choice(), (CategoryChoice{"Men", "Short", "all", "all", "all"}));
  level1->setCurrentIndex(1);
  EXPECT_EQ(dialog.Choice()[1], "Short") << "women have short hair too";
}

TEST(SelectFaceTypeDialog, WithoutItsDatabaseTheListIsEmptyAndNoShapeIsNamed) {
  TemporaryFolder folder;
  CSelectFaceTypeDialog dialog(folder.File("Common.hbd"));
  EXPECT_EQ(dialog.List()->GetCount(), 0);
  dialog.SuggestShape("Oval");
  EXPECT_EQ(dialog.ShapeName(), "");
}

}  // namespace
