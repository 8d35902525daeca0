// The view inside the main window, driven by synthetic events on the
// offscreen platform: the sample photo at start-up, painting from the
// composed surface, the projection commands, undo by command, dropped files
// and the slider pause driven by the test.
#include <QApplication>
#include <QCoreApplication>
#include <QMimeData>
#include <QMouseEvent>
#include <QUrl>
#include <unistd.h>

#include "app/bases/item_record.h"
#include "app/document/layer.h"
#include "controls/zor_check_box.h"
#include "controls/zor_dib_list_ctrl.h"
#include "controls/zor_static.h"
#include "platform/qt/dialog_template.h"
#include "app/view/kelvora_view.h"
#include "tests/imagelib/test_images.h"
#include "tests/shell/startup_fixture.h"

namespace {

class ViewWidget : public StartupTest {
 protected:
  void SetUp() override {
    StartWithSamplePhoto(320, 240);
  }
  CMainFrame& Frame() { return *app.MainFrame(); }
  CKelvoraView& View() { return *Frame().View(); }
  CKelvoraDoc& Document() { return *Frame().Document(); }
  void Command(UINT id) { SendMessage(&Frame(), WM_COMMAND, MAKEWPARAM(id, 0)); }
};

TEST_F(ViewWidget, TheProgramOpensWithTheSamplePhotoComposedInTheView) {
  ASSERT_TRUE(Document().HasPhoto(true));
  EXPECT_EQ(Document().GetPhotoLayer()->GetImage()->GetSize(), CSize(320, 240));
  const QImage shown = View().grab().toImage();
  const testimages::Bgr expected = testimages::PatternColour(10, 20);
  EXPECT_EQ(shown.pixelColor(10, 20), QColor(expected.red, expected.green, expected.blue));
}

TEST_F(ViewWidget, TheProjectionButtonsStepThroughTheFaceSet) {
  Command(ID_NEXT_VIEW);
  EXPECT_EQ(Document().GetProjectionIndex(-1), 1);
  EXPECT_EQ(Frame().ProjectionPicture(), 1);
  Command(ID_PREVIOUS_VIEW);
  Command(ID_PREVIOUS_VIEW);
  EXPECT_EQ(Document().GetProjectionIndex(-1), 3);
  Command(ID_SWITCH_TO_BODY);
  EXPECT_EQ(Document().GetProjectionIndex(-1), 4);
  EXPECT_FALSE(Document().HasPhoto(true));
  Command(ID_SWITCH_TO_FACE);
  EXPECT_EQ(Document().GetProjectionIndex(-1), 3);
}

TEST_F(ViewWidget, UndoByCommandMovesThePhotoBack) {
  Command(ID_PHOTO_FACE);
  ASSERT_TRUE(Frame().ViewMode().edit.photoMode);
  CLayer* photo = Document().GetPhotoLayer();
  photo->PushGeometryUndo("Move");
  photo->SetRect(30, 30, 350, 270);
  Command(ID_EDIT_UNDO);
  EXPECT_EQ(photo->GetBaseRect(), (CDoubleRect{0, 0, 320, 240}));
  Command(ID_EDIT_REDO);
  EXPECT_EQ(photo->GetBaseRect(), (CDoubleRect{30, 30, 350, 270}));
}

TEST_F(ViewWidget, ADropOfTwoFilesIsRefusedAndOfOnePhotoLoadsIt) {
  const std::string path = root.File("dropped.bmp");
  root.Write("dropped.bmp", PatternPhotoBytes(100, 80));
  QMimeData two;
  two.setUrls({QUrl::fromLocalFile(QString::fromStdString(path)), QUrl::fromLocalFile(QString::fromStdString(path))});
  QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &two, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&View(), &refused);
  EXPECT_FALSE(refused.isAccepted());

  QMimeData one;
  one.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
  QDragEnterEvent accepted(QPoint(5, 5), Qt::CopyAction, &one, Qt::NoButton, Qt::NoModifier);
  QCoreApplication::sendEvent(&View(), &accepted);
  EXPECT_TRUE(accepted.isAccepted());
  // Qt hands the drop itself only to the target of a running drag.
  EXPECT_FALSE(View().DropFiles({path, path}));
  EXPECT_TRUE(View().DropFiles({path}));
  EXPECT_EQ(Document().GetPhotoLayer()->GetImage()->GetSize(), CSize(100, 80));
}

TEST_F(ViewWidget, SlidersReachThePhotoOnlyAfterThePause) {
  Command(ID_PHOTO_FACE);
  CSliderPositions sliders;
  sliders.brightness = 80;
  View().SetSliderSource([&] { return sliders; });
  View().OnSliderMoved();
  View().ApplySlidersIfDue(0);
  EXPECT_EQ(Document().GetPhotoLayer()->GetBrightness(), 50);
  View().ApplySlidersIfDue(1'000'000);
  EXPECT_EQ(Document().GetPhotoLayer()->GetBrightness(), 80);
}

TEST_F(ViewWidget, ARightClickWithoutAPhotoOpensNoMenu) {
  int menus = 0;
  View().SetMenuRunner([&](const std::vector<MenuEntry>&, QPoint) -> UINT { return ++menus, 0; });
  Command(ID_SWITCH_TO_BODY);
  QMouseEvent press(QEvent::MouseButtonPress, QPointF(20, 20), QPointF(20, 20), Qt::RightButton, Qt::RightButton,
                    Qt::NoModifier);
  // The pan loop ends when the button is released.
  QMetaObject::invokeMethod(
      &View(),
      [this] {
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(20, 20), QPointF(20, 20), Qt::RightButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&View(), &release);
      },
      Qt::QueuedConnection);
  QCoreApplication::sendEvent(&View(), &press);
  EXPECT_EQ(menus, 0);
}

TEST_F(ViewWidget, PanningShowsTheHandUntilTheButtonIsReleased) {
  bool handShown = false;
  QMetaObject::invokeMethod(
      &View(),
      [&] {
        handShown = QApplication::overrideCursor() != nullptr;
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(20, 20), QPointF(20, 20), Qt::RightButton,
                            Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&View(), &release);
      },
      Qt::QueuedConnection);
  EXPECT_FALSE(View().Pan(CPoint(20, 20))) << "not dragged";
  EXPECT_TRUE(handShown);
  EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

}  // namespace

namespace {

class ItemPanel : public ViewWidget {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(root.File("share/kelvora/Bases"));
    CBaseDatabase base;
    ASSERT_TRUE(base.Create(root.File("share/kelvora/Bases/Hair1.hbd"), "Hairstyles", "3.0", 0));
    for (const char* name : {"Bob", "Pixie", "Long waves"}) {
      BaseItemRecord record{};
      SetItemName(record, name);
      SetItemPlacement(record, CRect(2, 3, 12, 3));
      CDib colour;
      testimages::MakePatternImage(colour, 20, 16);
      CDibAlpha image;
      image.Create(&colour, 0);
      CDib thumbnail;
      thumbnail.Create(CSize(48, 48), 0xFFFFFFUL);
      ASSERT_TRUE(base.AddItem(&image, &thumbnail, record, true, false, 85, true));
    }
    ASSERT_TRUE(base.Save());
    base.Close();
    ViewWidget::SetUp();
  }
  CZORDibListCtrl* List() { return dynamic_cast<CZORDibListCtrl*>(GetDlgItem(Frame().Panel(104), 998)); }
};

TEST_F(ItemPanel, AKindButtonShowsItsItemsAndAClickPutsOneOnThePhoto) {
  Command(FindItemKind(kKindHairstyle)->command);
  EXPECT_EQ(Frame().CurrentRightPanel(), 104u);
  ASSERT_NE(List(), nullptr);
  ASSERT_EQ(List()->GetCount(), 3);
  List()->SetCurSel(1);
  SendMessage(&Frame(), WM_COMMAND, MAKEWPARAM(998, kDibListNotifyClick));
  CLayer* hair = Document().GetProjection(0)->GetSlot(kKindHairstyle);
  ASSERT_NE(hair, nullptr);
  EXPECT_EQ(Document().GetCurrentLayer(), hair);
  EXPECT_EQ(Frame().ViewMode().edit.currentKind, kKindHairstyle);

  Command(FindItemKind(kKindGlasses)->command);
  EXPECT_EQ(Frame().ViewMode().edit.currentKind, kKindHairstyle) << "no glasses database: its button is disabled";
  Command(FindItemKind(kKindHairstyle)->command);
  EXPECT_EQ(Frame().ViewMode().edit.currentKind, -1) << "a second press puts the kind away";
  EXPECT_EQ(Frame().CurrentRightPanel(), 106u);
}

}  // namespace

namespace {

// The top bar's projection picture with a frame for each projection, and
// the item panel's layer-name label with one for each kind.
class ProjectionPicture : public ViewWidget {
 protected:
  void SetUp() override {
    for (int frame = 2; frame <= 5; ++frame)
      style.AddResource(("TOOL_SET_PRJ_D" + std::to_string(frame)).c_str(), "bmpimage",
                        SolidPictureWithBlackEdge(8, 8, RGB(200, 200, 200)));
    for (int frame = 2; frame <= 9; ++frame)
      style.AddResource(("LAYERNAME_BASE_D" + std::to_string(frame)).c_str(), "bmpimage",
                        SolidPictureWithBlackEdge(8, 8, RGB(200, 200, 200)));
    ViewWidget::SetUp();
  }
  CZORStatic* Picture(unsigned panel, UINT id) { return dynamic_cast<CZORStatic*>(GetDlgItem(Frame().Panel(panel), id)); }
};

TEST_F(ProjectionPicture, ShowsTheCurrentProjectionAndTheBodyToggleGoesBackToTheFaceSet) {
  CZORStatic* picture = Picture(102, ID_SELECT_PROJECTION);
  ASSERT_NE(picture, nullptr);
  ASSERT_EQ(picture->FrameCount(), 5);
  EXPECT_EQ(picture->GetCurFrame(), 0);
  Command(ID_PREVIOUS_VIEW);
  EXPECT_EQ(picture->GetCurFrame(), 3);

  auto* toggle = dynamic_cast<CZORCheckBox*>(GetDlgItem(Frame().Panel(102), ID_SWITCH_TO_BODY));
  ASSERT_NE(toggle, nullptr);
  Command(ID_SWITCH_TO_BODY);
  EXPECT_EQ(Document().GetProjectionIndex(-1), 4);
  EXPECT_EQ(picture->GetCurFrame(), 4) << "the body set's projection";
  EXPECT_TRUE(toggle->IsChecked());
  Command(ID_SWITCH_TO_BODY);
  EXPECT_EQ(Document().GetProjectionIndex(-1), 3) << "the toggle's second press returns to the face set";
  EXPECT_EQ(picture->GetCurFrame(), 3);
  EXPECT_FALSE(toggle->IsChecked());

  // A click on the picture selects the projection it shows.
  Command(ID_NEXT_VIEW);
  EXPECT_EQ(Document().GetProjectionIndex(-1), 0);
  SendMessage(&Frame(), WM_COMMAND, MAKEWPARAM(ID_SELECT_PROJECTION, 0));
  EXPECT_EQ(Document().GetProjectionIndex(-1), 0);
}

TEST_F(ProjectionPicture, TheItemPanelNamesTheKindBeingTried) {
  CZORStatic* label = nullptr;
  for (QWidget* child : Frame().Panel(104)->findChildren<QWidget*>())
    if (auto* picture = dynamic_cast<CZORStatic*>(child); picture && picture->GetWindowText() == "LAYERNAME_BASE")
      label = picture;
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->FrameCount(), 9);
  Frame().State().ChooseKind(kKindEyebrow);
  Frame().SyncControls();
  EXPECT_EQ(label->GetCurFrame(), kKindEyebrow);
}

}  // namespace
