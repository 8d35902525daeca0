#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QPainter>
#include <QTimerEvent>

#include "controls/zor_check_box.h"
#include "tests/controls/control_fixture.h"

namespace {

constexpr unsigned kButtonId = 1201;
constexpr COLORREF kBackground = RGB(0, 0, 255);

COLORREF FrameColour(int number) { return RGB(40 * number, 200, 0); }

class ButtonTest : public ControlTest {
 protected:
  ButtonTest() {
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, QColor(0, 0, 255));
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);
    AddTemplateItems(panel.get(), {{kButtonId, "BTN", QRect(20, 30, 50, 50)}});
  }
  void AddFrames(int count) {
    for (int i = 1; i <= count; ++i)
      skin.AddResource(("BTN_D" + std::to_string(i)).c_str(), "dibimage",
                       SolidPictureWithBlackEdge(10, 8, FrameColour(i)));
  }
  template <typename Control>
  Control* Attach(QWidget* notify = nullptr, bool repeat = false) {
    auto* control = new Control(panel.get());
    EXPECT_EQ(control->SubclassDlgItem(kButtonId, panel.get(), notify, repeat), 1);
    ShowPanel();
    panel->grab();  // the first draw builds the strip
    return control;
  }
  void Tick(CZORButton* button) {
    QTimerEvent tick(button->NativeTimerId(kButtonId));
    QCoreApplication::sendEvent(button, &tick);
  }
  // The colour inside the button's frame (column 0 is see-through).
  COLORREF ShownColour() { return PanelPixel(QPoint(25, 33)); }
};

}  // namespace

TEST_F(ButtonTest, TwoFramesToggleOnPressAndReleaseAndStartNoTimer) {
  AddFrames(2);
  auto* button = Attach<CZORButton>();
  EXPECT_EQ(button->geometry(), QRect(20, 30, 10, 8));  // sized to its frame
  EXPECT_FALSE(button->HasTimer(kButtonId));
  EXPECT_EQ(ShownColour(), FrameColour(1));
  EXPECT_EQ(PanelPixel(QPoint(20, 33)), kBackground);  // black is see-through

  SendMouse(button, QEvent::MouseButtonPress, QPoint(5, 4));
  EXPECT_EQ(ShownColour(), FrameColour(2));
  EXPECT_TRUE(panel->Received(WM_COMMAND).empty());
  SendMouse(button, QEvent::MouseButtonRelease, QPoint(5, 4));
  EXPECT_EQ(ShownColour(), FrameColour(1));

  auto commands = panel->Received(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, MAKEWPARAM(kButtonId, BN_CLICKED));
  EXPECT_EQ(WindowFromLParam(commands[0].lParam), button);
}

TEST_F(ButtonTest, ReleaseAwayFromTheButtonIsNoClick) {
  AddFrames(2);
  auto* button = Attach<CZORButton>();
  SendMouse(button, QEvent::MouseButtonPress, QPoint(5, 4));
  SendMouse(button, QEvent::MouseButtonRelease, QPoint(40, 40));
  EXPECT_TRUE(panel->Received(WM_COMMAND).empty());
  EXPECT_EQ(ShownColour(), FrameColour(1));
}

TEST_F(ButtonTest, FiveFramesAnimateWhileHoveredAndRunBackOnLeaving) {
  AddFrames(5);
  skin.AddResource("BTN_MOUSEIN", "dibimage", SolidPictureWithBlackEdge(10, 8, RGB(255, 255, 0)));
  auto* button = Attach<CZORButton>();
  ASSERT_TRUE(button->HasTimer(kButtonId));
  EXPECT_EQ(button->GetDelay(), 100u);

  MoveMouseOverPanel(QPoint(25, 33));
  EXPECT_TRUE(button->Animation().Hovered());
  EXPECT_EQ(ShownColour(), RGB(255, 255, 0));  // mouse-in picture at frame 0
  std::vector<COLORREF> shown;
  for (int i = 0; i < 4; ++i) {
    Tick(button);
    shown.push_back(ShownColour());
  }
  // Frames 2 to 4, then at the last frame the down-mouse-in cell, which
  // falls back to the last frame when the skin has none.
  EXPECT_EQ(shown, (std::vector<COLORREF>{FrameColour(2), FrameColour(3), FrameColour(4), FrameColour(5)}));

  MoveMouseOverPanel(QPoint(200, 150));
  EXPECT_FALSE(button->Animation().Hovered());
  for (int i = 0; i < 4; ++i) Tick(button);
  EXPECT_EQ(button->Animation().Index(), 0);
  EXPECT_EQ(ShownColour(), FrameColour(1));
}

TEST_F(ButtonTest, DisabledButtonShowsItsDisabledPicture) {
  AddFrames(2);
  skin.AddResource("BTN_DISABLED", "dibimage", SolidPictureWithBlackEdge(10, 8, RGB(128, 128, 128)));
  auto* button = Attach<CZORButton>();
  EXPECT_FALSE(button->Enable(false));
  EXPECT_EQ(ShownColour(), RGB(128, 128, 128));
  EXPECT_TRUE(button->Enable(true));
  EXPECT_EQ(ShownColour(), FrameColour(1));
}

TEST_F(ButtonTest, InPlaceOptionDrawsTheStatePicturesOverTheFrameWithoutAStripCell) {
  AddFrames(2);
  skin.AddResource("BTN_MOUSEIN", "dibimage", SolidPictureWithBlackEdge(10, 8, RGB(255, 255, 0)));
  skin.AddResource("BTN_DISABLED", "dibimage", SolidPictureWithBlackEdge(10, 8, RGB(128, 128, 128)));
  auto* button = new CZORButton(panel.get());
  button->SetOptions(kButtonTwoStateOption | kButtonInPlaceOption);
  ASSERT_EQ(button->SubclassDlgItem(kButtonId, panel.get()), 1);
  ShowPanel();
  panel->grab();
  EXPECT_EQ(button->Strip().width(), 2 * 10) << "only the frames are kept";
  EXPECT_EQ(ShownColour(), FrameColour(1));
  EXPECT_EQ(PanelPixel(QPoint(20, 33)), kBackground) << "black stays see-through in place too";
  MoveMouseOverPanel(QPoint(25, 33));
  EXPECT_EQ(ShownColour(), RGB(255, 255, 0));
  MoveMouseOverPanel(QPoint(200, 150));
  button->Enable(false);
  EXPECT_EQ(ShownColour(), RGB(128, 128, 128));
}

TEST_F(ButtonTest, RightClickPostsToTheNotificationWindowElseTheParent) {
  AddFrames(2);
  RecordingWnd notify;
  auto* button = Attach<CZORButton>(&notify);
  SendMouse(button, QEvent::MouseButtonPress, QPoint(5, 4), Qt::RightButton);
  SendMouse(button, QEvent::MouseButtonRelease, QPoint(5, 4), Qt::RightButton);
  ProcessPostedEvents();
  auto posted = notify.Received(g_nBGRButMsg);
  ASSERT_EQ(posted.size(), 1u);
  EXPECT_EQ(posted[0].wParam, 0u);
  EXPECT_EQ(posted[0].lParam, static_cast<LPARAM>(kButtonId));
  EXPECT_TRUE(panel->Received(g_nBGRButMsg).empty());
  EXPECT_TRUE(panel->Received(WM_COMMAND).empty());
}

TEST_F(ButtonTest, MissingFirstFrameIsReportedAndDrawsNothing) {
  auto* button = Attach<CZORButton>();
  ASSERT_EQ(messages.messages().size(), 1u);
  EXPECT_EQ(messages.messages()[0].text, "Cannot load first DIB");
  EXPECT_EQ(button->FrameCount(), 0);
  EXPECT_FALSE(button->HasTimer(kButtonId));
  EXPECT_EQ(PanelPixel(QPoint(25, 33)), kBackground);
}

TEST_F(ButtonTest, CheckBoxWithTwoFramesShowsTheCheckedFrame) {
  AddFrames(2);
  auto* box = Attach<CZORCheckBox>();
  SendMouse(box, QEvent::MouseButtonPress, QPoint(5, 4));
  SendMouse(box, QEvent::MouseButtonRelease, QPoint(5, 4));
  EXPECT_TRUE(box->IsChecked());
  EXPECT_EQ(ShownColour(), FrameColour(2));
  EXPECT_EQ(panel->Received(WM_COMMAND).size(), 1u);
  box->SetCheck(false);
  EXPECT_FALSE(box->IsChecked());
  EXPECT_EQ(ShownColour(), FrameColour(1));
}
