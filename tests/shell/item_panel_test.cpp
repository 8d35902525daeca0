// Trying items on in the main window, driven by commands, list clicks,
// keys and timer events on the offscreen platform: the kind buttons' life,
// a pick and its controls, a replacement keeping the adjustments, an item
// that does not load, the slideshow, the select menu's dialogs and the
// custom base, and Delete on the lists.
#include <QCoreApplication>
#include <QMouseEvent>
#include <cstring>
#include <QKeyEvent>
#include <QTimerEvent>
#include <unistd.h>

#include "app/bases/item_record.h"
#include "app/document/layer.h"
#include "app/shell/item_dialogs/item_dialogs.h"
#include "app/shell/panels/filter_button.h"
#include "app/view/kelvora_view.h"
#include "controls/zor_check_box.h"
#include "controls/zor_color_dialog.h"
#include "controls/zor_custom_filter.h"
#include "controls/zor_dib_list_ctrl.h"
#include "controls/zor_slider.h"
#include "tests/imagelib/test_images.h"
#include "tests/shell/startup_fixture.h"

namespace {

using ::testing::ElementsAre;

constexpr UINT kItemList = 998;

struct TestItem {
  const char* name;
  const char* gender;  // category level 0
  int faceShape;
  int projection = 0;
};

class ItemWindow : public StartupTest {
 protected:
  void SetUp() override {
    // Where the front projection's face and eyes lie before any fitting.
    AddText(style, "IDR_FACE_FRONT_FACE", "wndrect", "100, 60, 220, 200");
    AddText(style, "IDR_FACE_FRONT_EYES", "wndrect", "125, 110, 195, 110");
    std::filesystem::create_directories(root.File("share/kelvora/Bases"));
    MakeBase("Hair1.hbd", {{"Bob", "Women", kFaceShapeOval},
                           {"Crew cut", "Men", kFaceShapeSquare},
                           {"Pixie", "Women", kFaceShapeOval},
                           {"Side part", "Men", kFaceShapeSquare, 1}});
    MakeBase("Eyebrow1.hbd", {{"Arched", "Women", kFaceShapeNone}});
    std::filesystem::copy_file(std::string(KELVORA_BASES_DIR) + "/Common.hbd", root.File("share/kelvora/Bases/Common.hbd"));
    std::filesystem::copy_file(std::string(KELVORA_BASES_DIR) + "/Common.hbi", root.File("share/kelvora/Bases/Common.hbi"));
    std::filesystem::copy_file(std::string(KELVORA_BASES_DIR) + "/Common.hbp", root.File("share/kelvora/Bases/Common.hbp"));
  }
  void Start() {
    StartWithSamplePhoto(320, 240);
    ASSERT_TRUE(Document().HasPhoto(true));
  }

  // Item i is 20 + 4i pixels wide, so a layer tells which item it shows.
  void MakeBase(const std::string& file, const std::vector<TestItem>& items) {
    CBaseDatabase base;
    ASSERT_TRUE(base.Create(root.File("share/kelvora/Bases/" + file), file, "3.0", 0));
    for (std::size_t i = 0; i < items.size(); ++i) {
      BaseItemRecord record{};
      SetItemName(record, items[i].name);
      SetItemCategory(record, 0, items[i].gender);
      record.faceShape = static_cast<std::uint16_t>(items[i].faceShape);
      record.projection = static_cast<std::uint16_t>(items[i].projection);
      SetItemPlacement(record, CRect(2, 3, 12, 3));
      CDib colour;
      testimages::MakePatternImage(colour, 20 + 4 * static_cast<int>(i), 16);
      CDibAlpha image;
      image.Create(&colour, 0);
      CDib thumbnail;
      thumbnail.Create(CSize(48, 48), 0xFFFFFFUL);
      ASSERT_TRUE(base.AddItem(&image, &thumbnail, record, true, false, 85, true));
    }
    base.ValueGroups() = {{{}, {}}, {}, {}, {}};
    base.NameTable().cells.assign(kNameTableRows, {});
    base.NameTable().cells[0] = {"Women", "Men"};
    ASSERT_TRUE(base.Save());
  }

  CMainFrame& Frame() { return *app.MainFrame(); }
  CKelvoraDoc& Document() { return *Frame().Document(); }
  void Command(UINT id) { SendMessage(&Frame(), WM_COMMAND, MAKEWPARAM(id, 0)); }
  void Pick(int index) {
    ASSERT_NE(Frame().ItemList(), nullptr);
    Frame().ItemList()->SetCurSel(index);
    SendMessage(&Frame(), WM_COMMAND, MAKEWPARAM(kItemList, kDibListNotifyClick));
  }
  void Tick() {
    QTimerEvent tick(Frame().NativeTimerId(CMainFrame::kSlideshowTimerId));
    QCoreApplication::sendEvent(&Frame(), &tick);
  }
  void PressDelete() {
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
    QCoreApplication::sendEvent(Frame().ItemList(), &key);
  }
  template <class Control>
  Control* Find(unsigned panel, UINT id) {
    return dynamic_cast<Control*>(GetDlgItem(Frame().Panel(panel), id));
  }
  std::vector<std::string> Captions() {
    std::vector<std::string> captions;
    CZORDibListCtrl* list = Frame().ItemList();
    for (int i = 0; list && i < list->GetCount(); ++i) captions.push_back(list->GetItem(i)->text);
    return captions;
  }
  int ShownItemWidth(int kind) {
    CLayer* layer = Document().GetProjection(0)->GetSlot(kind);
    return layer && layer->GetImage() ? layer->GetImage()->Width() : 0;
  }
};

TEST_F(ItemWindow, AKindButtonIsLiveWithAPhotoAndItsDatabaseKindsFourToEightIncluded) {
  Start();
  auto* hairstyle = Find<CZORCheckBox>(102, FindItemKind(kKindHairstyle)->command);
  auto* eyebrow = Find<CZORCheckBox>(102, FindItemKind(kKindEyebrow)->command);
  auto* glasses = Find<CZORCheckBox>(102, FindItemKind(kKindGlasses)->command);
  ASSERT_TRUE(hairstyle && eyebrow && glasses);
  EXPECT_TRUE(hairstyle->IsWindowEnabled());
  EXPECT_TRUE(eyebrow->IsWindowEnabled());
  EXPECT_FALSE(glasses->IsWindowEnabled()) << "no glasses database";

  Command(ID_SWITCH_TO_BODY);
  EXPECT_FALSE(hairstyle->IsWindowEnabled()) << "the body projection has no photo";
  Command(ID_SWITCH_TO_FACE);

  Command(FindItemKind(kKindEyebrow)->command);
  EXPECT_TRUE(eyebrow->IsChecked());
  EXPECT_EQ(Frame().CurrentRightPanel(), 104u);
  EXPECT_THAT(Captions(), ElementsAre("Arched"));
  Pick(0);
  EXPECT_EQ(ShownItemWidth(kKindEyebrow), 20);
  EXPECT_EQ(Document().GetCurrentLayer(), Document().GetProjection(0)->GetSlot(kKindEyebrow));
}

TEST_F(ItemWindow, APickSetsTheControlsAndAReplacementKeepsTheColourAdjustments) {
  Start();
  auto* pressure = Find<CZORSlider>(103, ID_SLIDER_PRESSURE);
  ASSERT_NE(pressure, nullptr);
  pressure->SetPos(10);
  Command(FindItemKind(kKindHairstyle)->command);
  EXPECT_THAT(Captions(), ElementsAre("Bob", "Crew cut", "Pixie", "Side part"));
  Pick(0);
  EXPECT_EQ(ShownItemWidth(kKindHairstyle), 20);
  EXPECT_EQ(pressure->GetPos(), 50);
  EXPECT_TRUE(Find<CZORCheckBox>(102, FindItemKind(kKindHairstyle)->command)->IsChecked());

  Document().GetCurrentLayer()->SetBrightness(70);
  Pick(2);
  EXPECT_EQ(ShownItemWidth(kKindHairstyle), 28) << "Pixie replaces Bob";
  EXPECT_EQ(Document().GetCurrentLayer()->GetBrightness(), 70);
  EXPECT_EQ(Find<CZORSlider>(104, ID_SLIDER_BRIGHTNESS)->GetPos(), 70) << "the slider follows the new layer";

  PressDelete();
  EXPECT_EQ(Frame().ItemList()->GetCount(), 4) << "the list stays in step with its database";

  Pick(3);  // made for the profile projection, which has no photo
  EXPECT_EQ(ShownItemWidth(kKindHairstyle), 28);
  EXPECT_THAT(MessageTexts(), ElementsAre("Photo not loaded for this projection."));
}

TEST_F(ItemWindow, AnItemWhoseImageDoesNotLoadIsNotAppliedAndTheStatusLineSaysSo) {
  // The image store is overwritten with noise before the base is opened.
  const std::string images = root.File("share/kelvora/Bases/Hair1.hbi");
  const auto size = std::filesystem::file_size(images);
  root.Write("share/kelvora/Bases/Hair1.hbi", std::vector<unsigned char>(size, 0xA5));
  Start();
  Command(FindItemKind(kKindHairstyle)->command);
  Pick(1);
  EXPECT_EQ(ShownItemWidth(kKindHairstyle), 0);
  EXPECT_EQ(Frame().StatusText(), "Can't load image: Crew cut.");
}

TEST_F(ItemWindow, TheSlideshowAppliesEachEntryInTurnUntilAnotherCommandArrives) {
  Start();
  Command(FindItemKind(kKindHairstyle)->command);
  Frame().ItemList()->SetCurSel(2);
  Command(ID_SLIDESHOW);
  auto* button = Find<CZORCheckBox>(104, ID_SLIDESHOW);
  ASSERT_NE(button, nullptr);
  EXPECT_TRUE(button->IsChecked());
  ASSERT_NE(Frame().NativeTimerId(CMainFrame::kSlideshowTimerId), 0);

  Tick();
  EXPECT_EQ(ShownItemWidth(kKindHairstyle), 28) << "it starts from the chosen entry";
  Tick();  // "Side part" has no photo to go on: skipped without a word
  Tick();
  EXPECT_EQ(Frame().ItemList()->GetCurSel(), 0) << "and wraps";
  EXPECT_EQ(ShownItemWidth(kKindHairstyle), 20);
  EXPECT_TRUE(MessageTexts().empty());

  Command(ID_NEXT_VIEW);
  EXPECT_EQ(Frame().NativeTimerId(CMainFrame::kSlideshowTimerId), 0);
  EXPECT_FALSE(button->IsChecked());
}

TEST_F(ItemWindow, TheSelectMenuAndItsKeysOpenTheDialogsThatNarrowTheList) {
  Start();
  Command(FindItemKind(kKindHairstyle)->command);
  std::vector<std::string> menu;
  Frame().SetMenuRunner([&](const std::vector<MenuEntry>& entries, QPoint) -> UINT {
    for (const MenuEntry& entry : entries) menu.push_back(entry.text);
    return ID_SELECT_BY_NAME;
  });
  Frame().SetDialogRunner([](QDialog& dialog) {
    if (auto* byName = dynamic_cast<CSelectByNameDialog*>(&dialog)) {
      byName->SetText("PIX");
      byName->FindNext();
      dialog.accept();
    }
  });
  Command(ID_SELECT_MENU);
  QCoreApplication::sendPostedEvents();
  EXPECT_THAT(menu, ElementsAre("Select by categories...\tCtrl+Alt+C", "Select by name...\tCtrl+Alt+N",
                                "Select by face type...\tCtrl+Alt+T"));
  EXPECT_EQ(app.Settings().searchString, "PIX");
  EXPECT_EQ(Frame().ItemList()->GetCurSel(), 2);
  EXPECT_EQ(ShownItemWidth(kKindHairstyle), 28) << "the found item is tried on";

  Frame().SetDialogRunner([](QDialog& dialog) {
    if (auto* categories = dynamic_cast<CSelectCategoriesDialog*>(&dialog)) {
      const std::vector<std::string> shown = categories->Shown(0);
      const auto men = std::find(shown.begin(), shown.end(), "Men");
      ASSERT_NE(men, shown.end());
      categories->Choose(0, static_cast<int>(men - shown.begin()));
      dialog.accept();
    }
  });
  QKeyEvent keys(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier | Qt::AltModifier);
  QCoreApplication::sendEvent(&Frame(), &keys);
  QCoreApplication::sendPostedEvents();
  EXPECT_THAT(Captions(), ElementsAre("Crew cut", "Side part"));
  EXPECT_TRUE(app.Settings().categorySelectionsChanged[kKindHairstyle]);
  EXPECT_EQ(app.Settings().categorySelections[kKindHairstyle][0], 2) << "the second label of level 1";

  Frame().SetDialogRunner([](QDialog& dialog) {
    if (auto* types = dynamic_cast<CSelectFaceTypeDialog*>(&dialog)) {
      types->SuggestShape("Oval");
      dialog.accept();
    }
  });
  Command(ID_SELECT_BY_FACE_TYPE);
  EXPECT_TRUE(Captions().empty()) << "no oval item among the men's";
  Frame().SetDialogRunner([](QDialog& dialog) { dialog.reject(); });
  Command(ID_SELECT_BY_FACE_TYPE);
  EXPECT_THAT(Captions(), ElementsAre("Crew cut", "Side part")) << "a cancel drops the shape filter";
}

TEST_F(ItemWindow, AnItemKeptInTheCustomBaseComesBackAndCanBeRemoved) {
  Start();
  Command(FindItemKind(kKindHairstyle)->command);
  Pick(1);
  CLayer* hair = Document().GetCurrentLayer();
  ASSERT_NE(hair, nullptr);
  const CDoubleRect placed = hair->GetBaseRect();
  Frame().SetDialogRunner([](QDialog& dialog) {
    if (auto* name = dynamic_cast<CItemNameDialog*>(&dialog)) {
      name->SetName("My crew cut");
      dialog.accept();
    }
  });
  ASSERT_TRUE(Frame().IsCommandEnabled(ID_CUSTOM_ADD));
  Command(ID_CUSTOM_ADD);
  EXPECT_TRUE(MessageTexts().empty());
  EXPECT_TRUE(std::filesystem::exists(root.File("share/kelvora/Bases/Cust1.hbd")))
      << "the first custom item starts the user's custom base";

  Command(FindItemKind(kKindCustom)->command);
  EXPECT_EQ(Frame().CurrentRightPanel(), 143u);
  EXPECT_THAT(Captions(), ElementsAre("My crew cut"));
  EXPECT_FALSE(Frame().IsCommandEnabled(ID_CUSTOM_REMOVE)) << "nothing chosen yet";
  Command(FindItemKind(kKindHairstyle)->command);
  messages.QueueAnswer(IDYES);  // the layer deletion's question
  Command(ID_DELETE_LAYER);
  ASSERT_EQ(Document().GetProjection(0)->GetSlot(kKindHairstyle), nullptr);
  Command(FindItemKind(kKindCustom)->command);
  Pick(0);
  CLayer* back = Document().GetProjection(0)->GetSlot(kKindHairstyle);
  ASSERT_NE(back, nullptr) << "a custom hairstyle goes back to the hairstyle slot";
  EXPECT_NEAR(back->GetBaseRect().left, placed.left, 1.0);
  EXPECT_NEAR(back->GetBaseRect().right, placed.right, 1.0);
  EXPECT_NEAR(back->GetBaseRect().bottom, placed.bottom, 1.0);

  messages.QueueAnswer(IDNO);
  Command(ID_CUSTOM_REMOVE);
  EXPECT_THAT(Captions(), ElementsAre("My crew cut")) << "No keeps it";
  messages.QueueAnswer(IDYES);
  PressDelete();  // Delete on the custom list removes, as the button does
  QCoreApplication::sendPostedEvents();
  EXPECT_TRUE(Captions().empty());
  CBaseDatabase stored;
  ASSERT_TRUE(stored.Open(root.File("share/kelvora/Bases/Cust1.hbd"), true));
  ASSERT_TRUE(stored.Load());
  EXPECT_TRUE(stored.Records().empty());
}

// A filter button tints the hairstyle at once at the filter slider's
// strength; pressed again it takes the tint away. The custom filter tints
// with its own colour, chosen with the right button or picked from the
// photo with "Try your own color".
TEST_F(ItemWindow, FilterButtonsAndTheCustomFilterTintTheHairstyleAndSwitchOff) {
  const std::string filters = "share/kelvora/Colors/Filters/Kelvora.kvf";
  std::filesystem::create_directories(std::filesystem::path(root.File(filters)).parent_path());
  const std::string text = "[Filters]\nCount=2\n[Filter1]\nHint=Reds\nCount=1\nColor1=Copper: 180, 90, 45\n"
                           "[Filter2]\nHint=Blondes\nCount=1\nColor1=Honey: 230, 190, 120\n";
  root.Write(filters, std::vector<unsigned char>(text.begin(), text.end()));
  Start();
  Command(FindItemKind(kKindHairstyle)->command);
  Pick(0);
  CLayer* hair = Document().GetCurrentLayer();
  ASSERT_NE(hair, nullptr);
  const CLut untinted = *hair->GetImage()->m_pLut;
  Frame().State().SetSlider(ID_SLIDER_FILTER, 60);

  Command(ID_FILTER_FIRST);
  EXPECT_TRUE(hair->IsFilterOn());
  EXPECT_EQ(hair->GetFilterColour(), RGB(180, 90, 45));
  EXPECT_EQ(hair->GetFilterStrength(), 60) << "the filter slider's place";
  EXPECT_TRUE(Find<CFilterButton>(104, ID_FILTER_FIRST)->IsChecked());
  EXPECT_NE(std::memcmp(hair->GetImage()->m_pLut->Data(), untinted.Data(), 768), 0);

  Command(ID_FILTER_FIRST + 1);
  EXPECT_EQ(hair->GetFilterColour(), RGB(230, 190, 120));
  EXPECT_FALSE(Find<CFilterButton>(104, ID_FILTER_FIRST)->IsChecked());
  Command(ID_FILTER_FIRST + 1);
  EXPECT_FALSE(hair->IsFilterOn());
  EXPECT_EQ(hair->GetFilterNumber(), kNoFilter);
  EXPECT_EQ(std::memcmp(hair->GetImage()->m_pLut->Data(), untinted.Data(), 768), 0) << "no tint left";

  auto* custom = Find<CZORCustomFilter>(104, ID_CUSTOM_FILTER);
  ASSERT_NE(custom, nullptr);
  CZORColorDialog::SetModalRunner([](CZORColorDialog& dialog) {
    dialog.SetColor(RGB(20, 40, 200));
    return IDOK;
  });
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(2, 2), custom->mapToGlobal(QPointF(2, 2)), Qt::RightButton,
                    Qt::RightButton, Qt::NoModifier);
  QCoreApplication::sendEvent(custom, &press);
  CZORColorDialog::SetModalRunner(nullptr);
  EXPECT_EQ(hair->GetFilterNumber(), kCustomFilterNumber);
  EXPECT_EQ(hair->GetFilterColour(), RGB(20, 40, 200));
  EXPECT_TRUE(custom->IsChosen());

  // "Try your own color" on a hairstyle: the picked colour goes to the
  // custom filter, which tints at once.
  Command(ID_TOOL_OWN_EYEDROPPER);
  CKelvoraView& view = *Frame().View();
  const CPoint origin = view.Controller().State().ClientToDocument({0, 0});
  const CPoint onPhoto(150, 100);
  unsigned long shown = 0;
  ASSERT_TRUE(Document().RenderCurrent(CRect(onPhoto.x, onPhoto.y, onPhoto.x + 1, onPhoto.y + 1))
                  ->CalcMiddleColor(nullptr, &shown));
  const QPointF at(onPhoto.x - origin.x, onPhoto.y - origin.y);
  QMouseEvent pick(QEvent::MouseButtonPress, at, view.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&view, &pick);
  EXPECT_EQ(custom->GetColor(), shown) << "the picture's colour there";
  EXPECT_EQ(hair->GetFilterColour(), custom->GetColor());
  EXPECT_EQ(hair->GetFilterNumber(), kCustomFilterNumber);
}

}  // namespace
