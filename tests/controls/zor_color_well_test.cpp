// The colour wells: a left click is a command to the parent, the right
// button opens the colour dialog at the well's colour and a taken colour is
// shown and announced; a disabled well opens nothing.
#include <gtest/gtest.h>

#include "controls/zor_color_dialog.h"
#include "controls/zor_color_selecter.h"
#include "controls/zor_custom_filter.h"
#include "tests/controls/control_fixture.h"

namespace {

constexpr unsigned kWellId = 1061;

class ColorWellTest : public ControlTest {
 protected:
  ColorWellTest() { AddTemplateItems(panel.get(), {{kWellId, "COLOR_SELECTER", QRect(20, 30, 24, 24)}}); }
  ~ColorWellTest() override { CZORColorDialog::SetModalRunner(nullptr); }
  template <typename Well>
  Well* Attach() {
    auto* well = new Well(panel.get());
    EXPECT_EQ(well->SubclassDlgItem(kWellId, panel.get()), 1);
    ShowPanel();
    return well;
  }
  int dialogs = 0;
};

TEST_F(ColorWellTest, ALeftClickIsACommandAndTheRightButtonChoosesInTheDialog) {
  auto* well = Attach<CZORColorSelecter>();
  EXPECT_EQ(well->GetWindowClassName(), "ZORColorSelecter");
  well->SetColor(RGB(200, 100, 50));
  EXPECT_EQ(PanelPixel(QPoint(32, 42)), RGB(200, 100, 50)) << "the well shows its colour";
  SendMouse(well, QEvent::MouseButtonPress, QPoint(4, 4));
  SendMouse(well, QEvent::MouseButtonRelease, QPoint(4, 4));
  auto commands = panel->Received(WM_COMMAND);
  ASSERT_EQ(commands.size(), 1u);
  EXPECT_EQ(commands[0].wParam, MAKEWPARAM(kWellId, BN_CLICKED));

  CZORColorDialog::SetModalRunner([this](CZORColorDialog& dialog) {
    ++dialogs;
    EXPECT_EQ(dialog.GetColor(), RGB(200, 100, 50));
    dialog.SetColor(RGB(5, 6, 7));
    return IDOK;
  });
  SendMouse(well, QEvent::MouseButtonPress, QPoint(4, 4), Qt::RightButton);
  EXPECT_EQ(dialogs, 1);
  EXPECT_EQ(well->GetColor(), RGB(5, 6, 7));
  commands = panel->Received(WM_COMMAND);
  ASSERT_EQ(commands.size(), 2u);
  EXPECT_EQ(commands[1].wParam, MAKEWPARAM(kWellId, kColorWellChanged));

  well->EnableWindow(false);
  SendMouse(well, QEvent::MouseButtonPress, QPoint(4, 4), Qt::RightButton);
  EXPECT_EQ(dialogs, 1) << "a disabled well opens no dialog";
}

TEST_F(ColorWellTest, ACancelledDialogKeepsTheColourAndSaysNothing) {
  auto* well = Attach<CZORCustomFilter>();
  EXPECT_EQ(well->GetWindowClassName(), "ZORCustomFilter");
  well->SetColor(RGB(1, 2, 3));
  CZORColorDialog::SetModalRunner([](CZORColorDialog& dialog) {
    dialog.SetColor(RGB(90, 90, 90));
    return IDCANCEL;
  });
  EXPECT_FALSE(well->ChooseColour());
  EXPECT_EQ(well->GetColor(), RGB(1, 2, 3));
  EXPECT_TRUE(panel->Received(WM_COMMAND).empty());
  // Only the colour's three bytes count.
  well->SetColor(0xFF102030);
  EXPECT_EQ(well->GetColor(), 0x102030u);
}

}  // namespace
