// The colours of the main window on the offscreen platform: the filter
// buttons as the profile shows them, a palette and a filter profile chosen
// in the options dialog, saved and read back, the make-up panel's swatches
// reaching the colour selecter and painted with the brush on the make-up
// layer, and the colour dialog answering the right button.
#include <QComboBox>
#include <QCoreApplication>
#include <QMouseEvent>

#include <cstring>

#include "app/document/layer.h"
#include "app/shell/options/options_dialog.h"
#include "app/shell/panels/filter_button.h"
#include "app/shell/panels/layer_name_label.h"
#include "app/shell/settings/settings_file.h"
#include "app/view/kelvora_view.h"
#include "controls/zor_color_dialog.h"
#include "controls/zor_color_selecter.h"
#include "controls/zor_custom_filter.h"
#include "controls/zor_check_box.h"
#include "controls/zor_dib_list_ctrl.h"
#include "controls/zor_slider.h"
#include "platform/qt/dialog_template.h"
#include "tests/imagelib/test_images.h"
#include "tests/shell/startup_fixture.h"

namespace {

constexpr unsigned kToolsBar = 103;
constexpr unsigned kItemPanel = 104;
constexpr unsigned kMakeupPanel = 151;

std::vector<unsigned char> Bytes(const std::string& text) { return {text.begin(), text.end()}; }

// Three groups; the second colour of each is selected at start.
std::string FilterProfileText(const std::string& description, int groups) {
  std::string text = "[Filters]\nDescription=" + description + "\nCount=" + std::to_string(groups) + "\n";
  for (int i = 1; i <= groups; ++i)
    text += "[Filter" + std::to_string(i) + "]\nHint=" + description + " " + std::to_string(i) +
            "\nColor=2\nCount=2\nColor1=Pale: 250, 240, " + std::to_string(i) + "\nColor2=Deep " + std::to_string(i) +
            ": 120, 40, " + std::to_string(i) + "\n";
  return text;
}

class ColourWindow : public StartupTest {
 protected:
  void SetUp() override {
    style.AddResource("IDB_PHOTO_W1", "bmpimage", PatternPhotoBytes(320, 240));
    AddSwatchPictures();
    Colors("Make up/Kelvora Inc/Winter.kvm",
           "[Makeup]\nDescription=Winter\nCount=2\nItem1=Lipsticks\nItem2=Rouges\n"
           "[Lipsticks]\nType=MAKEUP_LIPSTICK\nCount=2\nColor1=Berry: 142, 33, 72\nColor2=Coral: 240, 90, 80\n"
           "[Rouges]\nType=MAKEUP_ROUGE\nCount=1\nColor1=Peach: 240, 160, 130\n");
    Colors("Make up/Atelier/Evening.kvm",
           "[Makeup]\nDescription=Evening\nCount=1\nItem1=Evening lips\n"
           "[Evening lips]\nType=MAKEUP_LIPSTICK\nCount=1\nColor1=Wine: 90, 10, 30\n");
    Colors("Filters/Kelvora.kvf", FilterProfileText("Natural", 3));
    Colors("Filters/Vivid.kvf", FilterProfileText("Vivid", 5));
  }
  void Start() {
    ASSERT_TRUE(app.InitInstance(Environment()));
    Frame().resize(1100, 800);
    Frame().show();
    QCoreApplication::sendPostedEvents();  // the sample photos command
    ASSERT_TRUE(Document().HasPhoto(true));
  }
  void Colors(const std::string& name, const std::string& text) {
    const std::string path = "share/kelvora/Colors/" + name;
    std::filesystem::create_directories(std::filesystem::path(root.File(path)).parent_path());
    root.Write(path, Bytes(text));
  }
  // A grey 6 x 6 lipstick whose mask lets the paint through everywhere.
  void AddSwatchPictures() {
    CDib picture;
    picture.Create(CSize(6, 6), RGB(128, 128, 128));
    const std::string bmp = root.File("swatch.bmp");
    picture.SaveToBMPFile(bmp);
    std::ifstream file(bmp, std::ios::binary);
    style.AddResource("MAKEUP_LIPSTICK_IMAGE", "bmpimage", {std::istreambuf_iterator<char>(file), {}});
    CDibAlpha mask;
    mask.Create(CSize(6, 6));
    std::vector<unsigned char> pcx;
    mask.SaveAlphaToMemory(&pcx);
    style.AddResource("MAKEUP_LIPSTICK_MASK", "pcximage", pcx);
  }

  CMainFrame& Frame() { return *app.MainFrame(); }
  CKelvoraDoc& Document() { return *Frame().Document(); }
  void Command(UINT id, UINT code = 0) { SendMessage(&Frame(), WM_COMMAND, MAKEWPARAM(id, code)); }
  template <class Control>
  Control* Find(unsigned panel, UINT id) {
    return dynamic_cast<Control*>(GetDlgItem(Frame().Panel(panel), id));
  }
  std::vector<int> ShownFilterButtons() {
    std::vector<int> shown;
    for (int i = 0; i < 11; ++i)
      if (auto* button = Find<CFilterButton>(kItemPanel, ID_FILTER_FIRST + i); button && !button->isHidden()) shown.push_back(i);
    return shown;
  }
  static void Mouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button) {
    QMouseEvent event(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : button, Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &event);
  }
  static void Post(QWidget* widget, QEvent::Type type, QPoint at) {
    QCoreApplication::postEvent(widget, new QMouseEvent(type, QPointF(at), widget->mapToGlobal(QPointF(at)),
                                                        Qt::LeftButton,
                                                        type == QEvent::MouseMove ? Qt::LeftButton : Qt::NoButton,
                                                        Qt::NoModifier));
  }
};

TEST_F(ColourWindow, FilterButtonsShowTheProfilesGroupsWithTheirTipsAndSelectedColours) {
  Start();
  EXPECT_EQ(ShownFilterButtons(), (std::vector<int>{0, 1, 2})) << "Count 3 shows three buttons and hides eight";
  auto* second = Find<CFilterButton>(kItemPanel, ID_FILTER_FIRST + 1);
  ASSERT_NE(second, nullptr);
  EXPECT_EQ(second->GetToolTipText(), "Natural 2\r\nDeep 2");
  EXPECT_EQ(second->ChipColour(), RGB(120, 40, 2));
  ASSERT_NE(Frame().ColorSelecter(), nullptr);
  ASSERT_NE(Frame().CustomFilter(), nullptr);
}

// The lists are the options dialog's; the choice is written with "Save
// now", read back as the next start would, and the panels follow it.
TEST_F(ColourWindow, APaletteAndAFilterProfileRoundTripThroughTheOptionsDialog) {
  Start();
  CSettings& settings = app.Settings();
  EXPECT_EQ(Frame().MakeupPanel()->MakeupProfile(), "Kelvora Inc\\Winter.kvm");
  bool saved = false;
  COptionsDialog dialog(settings, {}, [&] { return saved = SaveSettingsFile(settings, ProfilePath()); }, &Frame());
  auto* authors = dialog.findChild<QComboBox*>("makeupAuthorList");
  auto* palettes = dialog.findChild<QComboBox*>("makeupProfileList");
  auto* filters = dialog.findChild<QComboBox*>("filterProfileList");
  ASSERT_TRUE(authors && palettes && filters);
  ASSERT_EQ(authors->count(), 2);
  EXPECT_EQ(authors->currentText(), "Kelvora Inc");
  EXPECT_EQ(filters->currentText(), "Natural");
  authors->setCurrentIndex(authors->findText("Atelier"));
  ASSERT_EQ(palettes->count(), 1);
  EXPECT_EQ(palettes->currentText(), "Evening");
  filters->setCurrentIndex(filters->findText("Vivid"));
  dialog.OnSaveNow();
  ASSERT_TRUE(saved);
  EXPECT_EQ(settings.makeupProfile, "Atelier\\Evening.kvm");
  EXPECT_EQ(settings.filterProfile, "Vivid.kvf");

  CSettings reread;
  ASSERT_TRUE(LoadSettingsFile(reread, ProfilePath(), {}));
  EXPECT_EQ(reread.makeupProfile, "Atelier\\Evening.kvm");
  EXPECT_EQ(reread.filterProfile, "Vivid.kvf");

  Frame().ReloadProfiles();
  EXPECT_EQ(ShownFilterButtons(), (std::vector<int>{0, 1, 2, 3, 4}));
  EXPECT_EQ(Find<CFilterButton>(kItemPanel, ID_FILTER_FIRST)->GetToolTipText(), "Vivid 1\r\nDeep 1");
  auto* panelPalettes = Find<QComboBox>(kMakeupPanel, ID_PALETTE_AUTHOR);
  auto* panelItems = Find<QComboBox>(kMakeupPanel, ID_PALETTE_PROFILE);
  ASSERT_TRUE(panelPalettes && panelItems);
  EXPECT_EQ(panelPalettes->currentText(), "Atelier: Evening");
  EXPECT_EQ(panelItems->currentText(), "Evening lips");
  ASSERT_EQ(Frame().SwatchList()->GetCount(), 1);
  EXPECT_EQ(Frame().SwatchList()->GetItem(0)->text, "Wine");
}

TEST_F(ColourWindow, APickedSwatchIsTheColourTheBrushPaintsOnTheMakeupLayer) {
  Start();
  Command(ID_MAKEUP);
  ASSERT_EQ(Frame().CurrentRightPanel(), kMakeupPanel);
  CZORDibListCtrl* swatches = Frame().SwatchList();
  ASSERT_NE(swatches, nullptr);
  ASSERT_EQ(swatches->GetCount(), 2);
  EXPECT_EQ(swatches->GetItem(1)->text, "Coral");
  EXPECT_EQ(swatches->GetItemToolText(1), "Coral") << "the whole name, which the caption may cut";
  swatches->SetCurSel(1);
  Command(ID_SWATCH_LIST, kDibListNotifyClick);
  EXPECT_EQ(Frame().SelecterColour(), RGB(240, 90, 80));
  auto* name = Find<CLayerNameLabel>(kMakeupPanel, 1045);
  ASSERT_NE(name, nullptr);
  EXPECT_EQ(name->Caption(), "Coral");
  EXPECT_EQ(name->GetToolTipText(), "Lipsticks: Coral");

  // Another item of the palette shows its own swatches: none without pictures.
  auto* items = Find<QComboBox>(kMakeupPanel, ID_PALETTE_PROFILE);
  ASSERT_EQ(items->count(), 2);
  items->activated(1);
  EXPECT_EQ(swatches->GetCount(), 0) << "the style has no rouge pictures";

  CLayer* makeup = Document().GetMakeupLayer();
  ASSERT_TRUE(makeup && makeup->GetImage());
  Command(ID_TOOL_BRUSH);
  CKelvoraView& view = *Frame().View();
  // From photo pixel (40, 50) to (60, 50), wherever the view has put the picture.
  const CPoint origin = view.Controller().State().ClientToDocument({0, 0});
  Post(&view, QEvent::MouseMove, QPoint(60 - origin.x, 50 - origin.y));
  Post(&view, QEvent::MouseButtonRelease, QPoint(60 - origin.x, 50 - origin.y));
  Mouse(&view, QEvent::MouseButtonPress, QPoint(40 - origin.x, 50 - origin.y), Qt::LeftButton);

  // Paint takes a see-through pixel's colour whole, whatever the strength.
  CDibAlpha& image = *makeup->GetImage();
  int painted = 0;
  unsigned char* plane = image.LockAlpha();
  for (int y = 0; y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if (plane[y * image.Width() + x] < 255) {
        ++painted;
        EXPECT_EQ(testimages::PixelAt(image, x, y), (testimages::Bgr{80, 90, 240})) << x << "," << y;
        EXPECT_TRUE(x >= 38 && x <= 62 && y >= 48 && y <= 52) << "off the stroke: " << x << "," << y;
      }
  image.UnlockAlpha();
  EXPECT_GE(painted, 3 * 20) << "thickness 1 is 3 pixels wide, from x 40 to 60";
  EXPECT_EQ(makeup->GetHistory().UndoCount(), 1u) << "one step for the stroke";
}

TEST_F(ColourWindow, TheRightButtonChoosesTheSelectersColourInTheColourDialog) {
  Start();
  CZORColorSelecter* selecter = Frame().ColorSelecter();
  ASSERT_NE(selecter, nullptr);
  selecter->SetColor(RGB(1, 2, 3));
  COLORREF offered = 0;
  CZORColorDialog::SetModalRunner([&](CZORColorDialog& dialog) {
    offered = dialog.GetColor();
    dialog.SetColor(RGB(10, 200, 30));
    return IDCANCEL;
  });
  Mouse(selecter, QEvent::MouseButtonPress, {3, 3}, Qt::RightButton);
  EXPECT_EQ(offered, RGB(1, 2, 3)) << "the dialog starts at the well's colour";
  EXPECT_EQ(selecter->GetColor(), RGB(1, 2, 3)) << "cancelled";
  CZORColorDialog::SetModalRunner([](CZORColorDialog& dialog) {
    dialog.SetColor(RGB(10, 200, 30));
    return IDOK;
  });
  Mouse(selecter, QEvent::MouseButtonPress, {3, 3}, Qt::RightButton);
  CZORColorDialog::SetModalRunner(nullptr);
  EXPECT_EQ(selecter->GetColor(), RGB(10, 200, 30));
  EXPECT_EQ(Frame().HairToolControls().colour, RGB(10, 200, 30)) << "what the next stroke paints";
}

TEST_F(ColourWindow, TheRightButtonOnAFilterButtonOffersItsGroupsColoursAndAppliesTheChosenOne) {
  Start();
  std::vector<std::string> offered;
  Frame().SetMenuRunner([&](const std::vector<MenuEntry>& entries, QPoint) -> UINT {
    for (const MenuEntry& entry : entries) offered.push_back(entry.text + (entry.checked ? " (checked)" : ""));
    return entries.front().command;
  });
  auto* button = Find<CFilterButton>(kItemPanel, ID_FILTER_FIRST + 2);
  ASSERT_NE(button, nullptr);
  Mouse(button, QEvent::MouseButtonPress, {2, 2}, Qt::RightButton);
  Mouse(button, QEvent::MouseButtonRelease, {2, 2}, Qt::RightButton);
  QCoreApplication::sendPostedEvents();
  EXPECT_EQ(offered, (std::vector<std::string>{"Pale", "Deep 3 (checked)"}));
  EXPECT_EQ(button->ChipColour(), RGB(250, 240, 3));
  EXPECT_EQ(button->GetToolTipText(), "Natural 3\r\nPale");
  EXPECT_EQ(Frame().State().FilterNumber(), 2);
  EXPECT_TRUE(button->IsChecked());
}

TEST_F(ColourWindow, AStrokeReadsPressureThicknessColourAndCombDrawingFromTheToolsBar) {
  Start();
  auto* pressure = Find<CZORSlider>(kToolsBar, 1020);
  auto* combDrawing = Find<CZORCheckBox>(kToolsBar, 1023);
  ASSERT_TRUE(pressure && combDrawing);
  EXPECT_EQ(pressure->GetToolTipText(), "Tools pressure");
  EXPECT_EQ(combDrawing->GetToolTipText(), "Comb drawing (yes/no)");
  pressure->SetPos(80);
  Command(ID_THICKNESS_1 + 3);
  Frame().SetSelecterColour(RGB(9, 8, 7));
  SendMouse(combDrawing, QEvent::MouseButtonPress, {2, 2});
  SendMouse(combDrawing, QEvent::MouseButtonRelease, {2, 2});
  EXPECT_TRUE(combDrawing->IsChecked());
  CHairToolControls controls = Frame().HairToolControls();
  EXPECT_EQ(controls.pressure, 80);
  EXPECT_EQ(controls.thickness, 4);
  EXPECT_EQ(controls.colour, RGB(9, 8, 7));
  EXPECT_TRUE(controls.combDrawing);
  Command(ID_COMB_DRAWING);
  EXPECT_FALSE(Frame().HairToolControls().combDrawing);
  EXPECT_FALSE(combDrawing->IsChecked()) << "the box shows the state";
}

// Thickness 1 samples one pixel: the photo's own colour there.
TEST_F(ColourWindow, TheEyedropperGivesTheColourSelecterThePicturesColour) {
  Start();
  Command(ID_TOOL_EYEDROPPER);
  CKelvoraView& view = *Frame().View();
  // The window pixel over photo pixel (10, 20), wherever the view has put the picture.
  const CPoint origin = view.Controller().State().ClientToDocument({0, 0});
  const QPoint at(10 - origin.x, 20 - origin.y);
  ASSERT_EQ(view.Controller().State().ClientToDocument({at.x(), at.y()}), CPoint(10, 20));
  Mouse(&view, QEvent::MouseButtonPress, at, Qt::LeftButton);
  Mouse(&view, QEvent::MouseButtonRelease, at, Qt::LeftButton);
  const testimages::Bgr expected = testimages::PatternColour(10, 20);
  EXPECT_EQ(Frame().SelecterColour(), RGB(expected.red, expected.green, expected.blue));
}

}  // namespace
