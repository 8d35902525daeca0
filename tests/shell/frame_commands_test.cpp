// The main window's commands as a user reaches them: every row of the
// command table from a button, a menu or a key; the pop-up menus opened by
// their buttons; Ctrl+N resetting the panels; the undo button naming its
// step; Ctrl+T; the About box's links and the frame's own windows.
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>

#include <set>

#include "app/shell/frame/accelerator_table.h"
#include "app/shell/frame/command_table.h"
#include "app/shell/frame/frame_menus.h"
#include "app/view/context_menu.h"
#include "controls/zor_button.h"
#include "controls/zor_slider.h"
#include "platform/qt/dialog_template.h"
#include "tests/imagelib/test_images.h"
#include "tests/shell/startup_fixture.h"

namespace {

using ::testing::ElementsAre;

void AddMenuCommands(const std::vector<MenuEntry>& entries, std::set<CommandId>& into) {
  for (const MenuEntry& entry : entries) {
    if (entry.command) into.insert(entry.command);
    AddMenuCommands(entry.subMenu, into);
  }
}

class FrameCommands : public StartupTest {
 protected:
  void SetUp() override {
    StartWithSamplePhoto(320, 240);
    Frame().SetMenuRunner([this](const std::vector<MenuEntry>& entries, QPoint) -> UINT {
      menus.push_back(entries);
      return chosen;
    });
  }
  CMainFrame& Frame() { return *app.MainFrame(); }
  CKelvoraDoc& Document() { return *Frame().Document(); }
  void Command(UINT id) {
    SendMessage(&Frame(), WM_COMMAND, MAKEWPARAM(id, 0));
    QCoreApplication::sendPostedEvents();
  }
  void Key(int key, Qt::KeyboardModifiers modifiers) {
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QCoreApplication::sendEvent(&Frame(), &press);
    QCoreApplication::sendPostedEvents();
  }
  CZORButton* Button(unsigned panel, UINT id) { return dynamic_cast<CZORButton*>(GetDlgItem(Frame().Panel(panel), id)); }

  std::vector<std::vector<MenuEntry>> menus;
  UINT chosen = 0;
};

TEST_F(FrameCommands, EveryCommandOfTheTableHasAButtonAMenuEntryOrAKey) {
  std::set<CommandId> reachable;
  for (const PanelSpec& spec : PanelTable()) {
    QWidget form;
    ASSERT_TRUE(SetUpPanelTemplate(spec.templateId, &form)) << spec.templateId;
    for (QWidget* item : form.findChildren<QWidget*>())
      if (const UINT id = ::GetDlgCtrlID(item)) reachable.insert(id);
  }
  for (const AcceleratorEntry& entry : AcceleratorTable()) reachable.insert(entry.command);
  AddMenuCommands(PhotoMenu([](CommandId) { return true; }), reachable);
  AddMenuCommands(MirrorMenu(), reachable);
  AddMenuCommands(SelectMenu(true), reachable);
  // The view's menu in each of its modes, with a layer and an outline.
  CViewMode mode;
  for (int variant = 0; variant < 3; ++variant) {
    mode.edit.photoMode = variant == 0;
    mode.edit.makeupMode = variant == 1;
    AddMenuCommands(BuildViewContextMenu(Document(), mode, true), reachable);
  }
  Command(ID_SWITCH_TO_BODY);
  auto bodyPhoto = std::make_unique<CDib>();
  testimages::MakePatternImage(*bodyPhoto, 200, 300);
  ASSERT_TRUE(Document().SetPhoto(std::move(bodyPhoto)));
  AddMenuCommands(BuildViewContextMenu(Document(), mode, true), reachable);
  // "SWITCH_BODY" is a toggle: its second press is the way back.
  reachable.insert(ID_SWITCH_TO_FACE);

  std::vector<CommandId> unreachable;
  for (const CommandSpec& spec : CommandTable())
    if (!reachable.count(spec.id)) unreachable.push_back(spec.id);
  EXPECT_TRUE(unreachable.empty()) << ::testing::PrintToString(unreachable);
}

TEST_F(FrameCommands, ThePhotoAndMirrorButtonsOpenTheirMenusAndRunTheChoice) {
  Command(ID_GET_PHOTO);
  ASSERT_EQ(menus.size(), 1u);
  std::set<CommandId> photo;
  AddMenuCommands(menus[0], photo);
  EXPECT_TRUE(photo.count(ID_LOAD_FROM_FILE) && photo.count(ID_LOAD_SAMPLE_PHOTO) && photo.count(ID_CAMERA_ACQUIRE));

  // The mirror menu acts on the photo in photo mode: the choice is posted
  // back to the frame and flips the photo with its make-up layer.
  Command(ID_PHOTO_FACE);
  CLayer* photoLayer = Document().GetPhotoLayer();
  ASSERT_NE(photoLayer, nullptr);
  const testimages::Bgr corner = testimages::PixelAt(*photoLayer->GetImage(), 0, 0);
  chosen = MirrorMenu().front().command;
  Command(ID_TOOL_MIRROR);
  ASSERT_EQ(menus.size(), 2u);
  std::set<CommandId> mirror;
  AddMenuCommands(menus[1], mirror);
  EXPECT_EQ(mirror, (std::set<CommandId>{ID_MIRROR_LEFT_RIGHT, ID_MIRROR_TOP_BOTTOM}));
  EXPECT_NE(testimages::PixelAt(*Document().GetPhotoLayer()->GetImage(), 0, 0), corner) << "the photo was mirrored";
}

TEST_F(FrameCommands, NewClientClearsEveryProjectionAndResetsThePanels) {
  Command(ID_PHOTO_FACE);
  Frame().State().ChooseThickness(ID_THICKNESS_6);
  Frame().SyncControls();
  ASSERT_EQ(Frame().CurrentRightPanel(), 112u);
  Key(Qt::Key_N, Qt::ControlModifier);
  EXPECT_FALSE(Document().HasPhoto(true));
  EXPECT_EQ(Frame().CurrentRightPanel(), 106u) << "the empty panel";
  EXPECT_EQ(Frame().State().Thickness(), 1);
  EXPECT_FALSE(Frame().State().PhotoMode());
}

TEST_F(FrameCommands, TheUndoButtonNamesItsStepAndCtrlTTogglesTheLayerFrames) {
  Command(ID_PHOTO_FACE);
  CLayer* photo = Document().GetPhotoLayer();
  photo->PushGeometryUndo("Move");
  photo->SetRect(10, 10, 330, 250);
  Frame().SyncControls();
  CZORButton* undo = Button(102, ID_EDIT_UNDO);
  ASSERT_NE(undo, nullptr);
  EXPECT_TRUE(undo->IsWindowEnabled());
  EXPECT_EQ(undo->GetToolTipText(), "Undo \"Move\"");
  Command(ID_EDIT_UNDO);
  EXPECT_FALSE(undo->IsWindowEnabled());
  EXPECT_EQ(Button(102, ID_EDIT_REDO)->GetToolTipText(), "Redo \"Move\"");

  const bool frames = app.Settings().lTrackersVisible;
  Key(Qt::Key_T, Qt::ControlModifier);
  EXPECT_NE(app.Settings().lTrackersVisible, frames);
  Key(Qt::Key_T, Qt::ControlModifier);
  EXPECT_EQ(app.Settings().lTrackersVisible, frames);
}

TEST_F(FrameCommands, AboutStatisticsAndTheInformationSheetOpenTheirWindows) {
  std::vector<std::string> titles;
  Frame().SetDialogRunner([&](QDialog& dialog) { titles.push_back(dialog.windowTitle().toStdString()); });
  Command(ID_APP_ABOUT);
  Key(Qt::Key_I, Qt::ControlModifier);
  ASSERT_EQ(titles.size(), 2u);
  EXPECT_FALSE(titles[0].empty());
  EXPECT_FALSE(titles[1].empty());

  Command(ID_STATISTICS);
  ASSERT_FALSE(messages.messages().empty()) << "the statistics are shown";
  EXPECT_NE(messages.messages().back().text.find("1"), std::string::npos) << "one photo loaded at start";
}

}  // namespace
