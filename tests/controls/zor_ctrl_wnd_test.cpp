#include <gtest/gtest.h>

#include "controls/zor_ctrl_wnd.h"
#include "controls/zor_slider.h"
#include "platform/core/cursor_data.h"
#include "platform/qt/hover_hook.h"
#include "tests/controls/control_fixture.h"

namespace {

constexpr unsigned kFirstId = 1401;
constexpr unsigned kSecondId = 1402;

class PlainControl : public CZORCtrlWnd {
 public:
  explicit PlainControl(QWidget* parent) : CZORCtrlWnd("ZORStatic", parent) {}
  std::vector<WPARAM> hoverMessages;

 protected:
  void OnBGMsg(WPARAM wParam, LPARAM lParam) override {
    hoverMessages.push_back(wParam);
    CZORCtrlWnd::OnBGMsg(wParam, lParam);
  }
};

class CtrlWndTest : public ControlTest {
 protected:
  PlainControl* Attach(unsigned id, const std::string& caption, QRect place) {
    AddTemplateItems(panel.get(), {{id, caption, place}});
    auto* control = new PlainControl(panel.get());
    EXPECT_EQ(control->SubclassDlgItem(id, panel.get()), 1);
    return control;
  }
};

}  // namespace

TEST_F(CtrlWndTest, TextsComeFromTheStringTableEntryOfTheId) {
  program.AddString(kFirstId, "Edit your photo\nEdit photo");
  PlainControl* control = Attach(kFirstId, "", QRect(0, 0, 10, 10));
  EXPECT_EQ(control->GetStatusText(), "Edit your photo");
  EXPECT_EQ(control->GetToolTipText(), "Edit photo");
  ASSERT_NE(control->GetToolTipCtrl(), nullptr);
  EXPECT_TRUE(control->GetToolTipCtrl()->IsActive());
  EXPECT_EQ(control->GetToolTipCtrl()->MaxTipWidth(), 300);
  EXPECT_TRUE(control->toolTip().contains("Edit photo"));

  control->SetToolTipText("");
  EXPECT_TRUE(control->toolTip().isEmpty());
}

TEST_F(CtrlWndTest, NegativePositionCountsFromTheParentsFarEdges) {
  AddText(skin, "PANEL_CTRL_POS", "wndpos", "-5, 8");
  AddText(skin, "LOW_CTRL_POS", "wndpos", "7, -20");
  PlainControl* right = Attach(kFirstId, "PANEL_CTRL", QRect(1, 1, 30, 12));
  PlainControl* low = Attach(kSecondId, "LOW_CTRL", QRect(1, 1, 30, 12));
  EXPECT_EQ(right->pos(), QPoint(295, 8));  // the panel is 300 x 200
  EXPECT_EQ(right->size(), QSize(30, 12));
  EXPECT_EQ(low->pos(), QPoint(7, 180));
}

TEST_F(CtrlWndTest, RegionFromTheSkinShapesTheWindow) {
  skin.AddResource("ROUND_RGN", "wndrgn", RegionResource({CRect(2, 0, 8, 10), CRect(0, 2, 10, 8)}));
  PlainControl* control = Attach(kFirstId, "ROUND", QRect(0, 0, 10, 10));
  QRegion mask = control->mask();
  EXPECT_TRUE(mask.contains(QPoint(5, 0)));
  EXPECT_TRUE(mask.contains(QPoint(0, 5)));
  EXPECT_FALSE(mask.contains(QPoint(0, 0)));
  EXPECT_FALSE(mask.contains(QPoint(9, 9)));
}

TEST_F(CtrlWndTest, SubclassingAMissingItemFails) {
  auto* control = new PlainControl(panel.get());
  EXPECT_EQ(control->SubclassDlgItem(9999, panel.get()), 0);
  EXPECT_EQ(control->GetSafeHwnd(), nullptr);
  EXPECT_FALSE(control->HoverHookStarted());
}

TEST_F(CtrlWndTest, HoverGoesFromControlToControlAndTellsTheMainWindow) {
  program.AddString(kFirstId, "First status\nFirst");
  PlainControl* first = Attach(kFirstId, "", QRect(10, 10, 20, 20));
  PlainControl* second = Attach(kSecondId, "", QRect(50, 10, 20, 20));
  ShowPanel();

  MoveMouseOverPanel(QPoint(15, 15));
  MoveMouseOverPanel(QPoint(16, 15));  // same window: nothing new
  MoveMouseOverPanel(QPoint(55, 15));
  MoveMouseOverPanel(QPoint(150, 150));
  ProcessPostedEvents();  // the status texts the controls posted in turn
  EXPECT_EQ(first->hoverMessages, (std::vector<WPARAM>{0, 1}));
  EXPECT_EQ(second->hoverMessages, (std::vector<WPARAM>{0, 1}));

  auto status = mainWindow->Received(WM_SETMESSAGESTRING);
  ASSERT_EQ(status.size(), 4u);
  EXPECT_EQ(status[0].text, "First status");
  EXPECT_EQ(status[1].text, "");
}

TEST_F(CtrlWndTest, HoverHookLivesWhileAnyControlDoes) {
  int before = HoverTracker().ReferenceCount();
  PlainControl* first = Attach(kFirstId, "", QRect(10, 10, 20, 20));
  PlainControl* second = Attach(kSecondId, "", QRect(50, 10, 20, 20));
  EXPECT_EQ(HoverTracker().ReferenceCount(), before + 2);
  EXPECT_TRUE(first->DestroyWindow());
  EXPECT_EQ(HoverTracker().ReferenceCount(), before + 1);
  EXPECT_TRUE(HoverTracker().HookInstalled());
  delete second;
  EXPECT_EQ(HoverTracker().ReferenceCount(), before);
  EXPECT_EQ(HoverTracker().HookInstalled(), before > 0);
}

TEST_F(CtrlWndTest, ControlCursorFallsBackToTheProgramsButtonCursor) {
  const char* rows[] = {"XX"};
  program.AddResource("IDC_CUR_CUSTOMBUTTON", "CustomCursor", EncodeCursorData(CursorFromPicture(rows, CPoint(1, 1))));
  program.AddResource("OWN_CURSOR", "CustomCursor", EncodeCursorData(CursorFromPicture(rows, CPoint(9, 9))));
  PlainControl* own = Attach(kFirstId, "OWN", QRect(0, 0, 5, 5));
  PlainControl* other = Attach(kSecondId, "OTHER", QRect(0, 0, 5, 5));
  EXPECT_TRUE(own->LoadCustomCursor());
  EXPECT_EQ(own->GetCursor()->hotSpot(), QPoint(9, 9));
  EXPECT_TRUE(other->LoadCustomCursor());
  EXPECT_EQ(other->GetCursor()->hotSpot(), QPoint(1, 1));
}

TEST_F(CtrlWndTest, EnableReportsWhetherTheWindowWasDisabled) {
  PlainControl* control = Attach(kFirstId, "", QRect(0, 0, 5, 5));
  EXPECT_FALSE(control->Enable(false));
  EXPECT_TRUE(control->Enable(true));
  EXPECT_FALSE(control->Enable(true));
}
