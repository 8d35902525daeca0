#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>

#include "controls/zor_dib_list_ctrl.h"
#include "platform/qt/hover_hook.h"
#include "tests/controls/control_fixture.h"

namespace {

constexpr unsigned kListId = 1501;
constexpr COLORREF kNormal = RGB(200, 0, 0), kFocused = RGB(0, 200, 0), kSelected = RGB(0, 0, 200);
constexpr COLORREF kBack = RGB(90, 90, 90), kStrip = RGB(50, 50, 50);
constexpr COLORREF kThumb = RGB(250, 250, 0), kActiveThumb = RGB(0, 250, 250), kPicture = RGB(255, 255, 255);

class TipList : public CZORDibListCtrl {
 public:
  using CZORDibListCtrl::CZORDibListCtrl;
  std::string GetItemToolText(int index) override { return "Tip " + GetItem(index)->text; }
};

std::unique_ptr<CDib> Picture() {
  auto picture = std::make_unique<CDib>();
  picture->Create(CSize(4, 4), kPicture);
  return picture;
}

void PostMouse(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button) {
  QPointF local(at);
  QCoreApplication::postEvent(widget, new QMouseEvent(type, local, widget->mapToGlobal(local),
                                                      type == QEvent::MouseMove ? Qt::NoButton : button,
                                                      type == QEvent::MouseMove ? button : Qt::NoButton,
                                                      Qt::NoModifier));
}

// Cells of 20 x 24 with the picture at (2, 2, 18, 18) and the caption below
// it; a strip 8 wide, a thumb 8 x 12. The list shows 3 columns and 2 lines.
class DibListTest : public ControlTest {
 protected:
  DibListTest() {
    auto solid = [this](const char* name, int w, int h, COLORREF c) {
      skin.AddResource(name, "dibimage", BmpFile(w, h, [c](int, int) { return c; }));
    };
    solid("LIST_NORMAL", 20, 24, kNormal);
    solid("LIST_FOCUSED", 20, 24, kFocused);
    solid("LIST_SELECTED", 20, 24, kSelected);
    solid("LIST_BACK", 20, 24, kBack);
    solid("LIST_SRLBACK", 8, 10, kStrip);
    solid("LIST_SRLTHUMB", 8, 12, kThumb);
    solid("LIST_SRLTHUMB_ACT", 8, 12, kActiveThumb);
  }
  TipList* Attach(int count, bool multiple = false, unsigned long style = kDibListVertical, QSize size = {68, 48},
                  const std::string& skinName = "LIST") {
    AddTemplateItems(panel.get(), {{kListId, skinName, QRect(QPoint(10, 10), size)}});
    auto* list = new TipList(panel.get());
    EXPECT_EQ(list->SubclassDlgItem(kListId, panel.get(), CPoint(2, 2), true, style, style ? 3 : 2, multiple), 1);
    for (int i = 0; i < count; ++i) list->AddItem(Picture(), std::string(1, static_cast<char>('a' + i)), i);
    ShowPanel();
    return list;
  }
  static COLORREF Pixel(CZORDibListCtrl* list, QPoint at) {
    QColor c = list->grab().toImage().pixelColor(at);
    return RGB(c.red(), c.green(), c.blue());
  }
  void Click(CZORDibListCtrl* list, QPoint at, Qt::KeyboardModifiers keys = Qt::NoModifier) {
    SendMouse(list, QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton, keys);
    SendMouse(list, QEvent::MouseButtonRelease, at);
  }
  std::vector<WPARAM> Notifications() const {
    std::vector<WPARAM> codes;
    for (const ReceivedMessage& m : panel->Received(WM_COMMAND)) codes.push_back(m.wParam);
    return codes;
  }
};

}  // namespace

TEST_F(DibListTest, CellsShowTheirStateFramePictureAndCaption) {
  TipList* list = Attach(5);
  EXPECT_EQ(list->GetWindowText(), "");
  list->GetItem(0)->text.clear();
  list->GetItem(1)->text = "A caption far too long for a cell twenty pixels wide";
  list->SetCurSel(2);
  QImage shown = list->grab().toImage();
  auto at = [&shown](int x, int y) {
    QColor c = shown.pixelColor(x, y);
    return RGB(c.red(), c.green(), c.blue());
  };
  EXPECT_EQ(at(1, 1), kNormal);
  EXPECT_EQ(at(10, 10), kPicture);
  EXPECT_EQ(at(41, 1), kSelected);
  EXPECT_EQ(at(45, 30), kBack);  // the sixth cell has no item
  EXPECT_EQ(at(64, 5), kStrip);  // every line is in view: no thumb

  auto captionInked = [&](int left) {
    for (int y = 18; y < 24; ++y)
      for (int x = left + 2; x < left + 18; ++x)
        if (at(x, y) != kNormal) return true;
    return false;
  };
  EXPECT_FALSE(captionInked(0));  // empty text: no caption, captions on
  EXPECT_TRUE(captionInked(20));
  EXPECT_EQ(at(21, 20), kNormal);  // elided inside the caption's margins
}

TEST_F(DibListTest, ClicksNotifyWithCodeOneAndDoubleClicksWithCodeTwo) {
  TipList* list = Attach(4);
  Click(list, {25, 5});
  EXPECT_EQ(list->GetCurSel(), 1);
  Click(list, {5, 5}, Qt::ControlModifier);  // without multiple selection: nothing
  EXPECT_EQ(list->GetCurSel(), 1);
  Click(list, {45, 30});  // below the last item
  EXPECT_EQ(list->GetSelCount(), 0);
  EXPECT_EQ(list->GetItem(1)->state, kDibListItemNormal);
  Click(list, {64, 5});  // the strip, outside the cells: no notification
  SendMouse(list, QEvent::MouseButtonDblClick, {5, 5});
  WPARAM click = MAKEWPARAM(kListId, kDibListNotifyClick);
  EXPECT_EQ(Notifications(), (std::vector<WPARAM>{click, click, click, MAKEWPARAM(kListId, kDibListNotifyDoubleClick)}));
  EXPECT_EQ(WindowFromLParam(panel->Received(WM_COMMAND)[0].lParam), list);
}

TEST_F(DibListTest, DeleteRemovesTheThreeSelectedItemsAndScrollsToTheTop) {
  TipList* list = Attach(9, true);
  list->SetTopIndex(1);
  ASSERT_EQ(list->GetTopIndex(), 1);
  Click(list, {25, 5}, Qt::ShiftModifier);  // no click before: from item 0 to item 4
  EXPECT_EQ(*list->GetSelItems(), (CWordArray{0, 1, 2, 3, 4}));
  Click(list, {5, 5});
  for (QPoint at : {QPoint(25, 29), QPoint(45, 5)}) Click(list, at, Qt::ControlModifier);
  EXPECT_EQ(*list->GetSelItems(), (CWordArray{3, 7, 5}));
  QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
  QCoreApplication::sendEvent(list, &del);
  ASSERT_EQ(list->GetCount(), 6);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(list->GetItem(i)->data, (std::vector<unsigned long>{0, 1, 2, 4, 6, 8})[i]);
  EXPECT_EQ(list->GetSelCount(), 0);
  EXPECT_EQ(list->GetTopIndex(), 0);
  EXPECT_EQ(list->Geometry().ThumbPosition(), 0);
  EXPECT_EQ(Notifications().size(), 4u);  // the clicks only
}

TEST_F(DibListTest, HoverLightsTheCellUnderThePointerAndShowsItsTip) {
  TipList* list = Attach(4);
  SendMouse(list, QEvent::MouseMove, {5, 5}, Qt::NoButton);
  EXPECT_EQ(list->GetItem(0)->state, kDibListItemHot);
  EXPECT_EQ(Pixel(list, {1, 1}), kFocused);
  EXPECT_TRUE(list->toolTip().contains("Tip a"));
  SendMouse(list, QEvent::MouseMove, {45, 30}, Qt::NoButton);  // no item there
  EXPECT_EQ(list->GetItem(0)->state, kDibListItemNormal);
  EXPECT_TRUE(list->toolTip().isEmpty());
  SendMouse(list, QEvent::MouseMove, {25, 5}, Qt::NoButton);
  SendMessage(list, HoverMessage(), static_cast<WPARAM>(HoverChange::Left), 0);  // the pointer left the list
  EXPECT_EQ(list->GetItem(1)->state, kDibListItemNormal);
}

TEST_F(DibListTest, ThumbIsShownAndDraggedOnlyWhenLinesAreHidden) {
  TipList* list = Attach(6);
  SendMouse(list, QEvent::MouseButtonPress, {64, 5});
  EXPECT_FALSE(list->IsThumbDragging());
  // Were tracking to start by mistake, this release would end it.
  PostMouse(list, QEvent::MouseButtonRelease, {64, 5}, Qt::LeftButton);
  SendMouse(list, QEvent::MouseMove, {64, 20}, Qt::NoButton, Qt::LeftButton);
  ProcessPostedEvents();

  for (int i = 6; i < 15; ++i) list->AddItem(Picture(), "", i);  // 5 lines: one line per 12 pixels of travel
  EXPECT_EQ(Pixel(list, {64, 5}), kThumb);
  SendMouse(list, QEvent::MouseButtonPress, {64, 5});
  EXPECT_TRUE(list->IsThumbDragging());
  EXPECT_EQ(Pixel(list, {64, 5}), kActiveThumb);
  PostMouse(list, QEvent::MouseMove, {64, 18}, Qt::LeftButton);
  PostMouse(list, QEvent::MouseMove, {64, 41}, Qt::LeftButton);
  PostMouse(list, QEvent::MouseButtonRelease, {64, 41}, Qt::LeftButton);
  SendMouse(list, QEvent::MouseMove, {64, 5}, Qt::NoButton, Qt::LeftButton);
  EXPECT_EQ(list->GetTopIndex(), 3);
  EXPECT_FALSE(list->IsThumbDragging());
  EXPECT_FALSE(GetClipCursor().has_value());
  EXPECT_EQ(Pixel(list, {64, 40}), kThumb);
}

TEST_F(DibListTest, RightButtonDragPansOneLinePerStep) {
  TipList* list = Attach(15);
  SendMouse(list, QEvent::MouseMove, {30, 20}, Qt::NoButton);
  SendMouse(list, QEvent::MouseButtonPress, {30, 20}, Qt::RightButton, Qt::RightButton);
  PostMouse(list, QEvent::MouseMove, {30, 5}, Qt::RightButton);
  PostMouse(list, QEvent::MouseMove, {30, -8}, Qt::RightButton);
  PostMouse(list, QEvent::MouseButtonRelease, {30, -8}, Qt::RightButton);
  SendMouse(list, QEvent::MouseMove, {30, 20}, Qt::NoButton, Qt::RightButton);
  EXPECT_EQ(list->GetTopIndex(), 2);
  EXPECT_EQ(list->Model().Hot(), -1);
  EXPECT_EQ(list->GetItem(1)->state, kDibListItemNormal);
}

TEST_F(DibListTest, HorizontalListRunsInColumnsWithTheStripBelow) {
  TipList* list = Attach(8, false, 0, {68, 60});
  EXPECT_EQ(Pixel(list, {2, 50}), kThumb);
  EXPECT_EQ(Pixel(list, {20, 50}), kStrip);
  Click(list, {25, 30});
  EXPECT_EQ(list->GetCurSel(), 3);
}

TEST_F(DibListTest, BadInputIsHarmless) {
  TipList* list = Attach(0, true, kDibListVertical, {68, 48}, "NOSKIN");
  list->grab();
  Click(list, {5, 5});
  list->AddItem(nullptr, "no picture");
  list->AddItem(static_cast<const CZORDibListBoxItem*>(nullptr));
  CZORDibListBoxItem boxItem(Picture(), "box");
  list->AddItem(&boxItem);
  ASSERT_EQ(list->GetCount(), 2);
  EXPECT_NE(boxItem.picture, nullptr);  // the list keeps a copy of its own
  EXPECT_NE(list->GetItem(1)->picture.get(), boxItem.picture.get());
  for (int index : {-1, 2, 70}) {
    list->SetCurSel(index);
    list->SetTopIndex(index);
    list->RedrawItem(index);
    EXPECT_EQ(list->GetItem(index), nullptr);
  }
  list->DeleteItems();
  for (QPoint at : {QPoint(5, 5), QPoint(60, 40), QPoint(-3, 100)}) {
    SendMouse(list, QEvent::MouseMove, at, Qt::NoButton);
    Click(list, at, Qt::ShiftModifier);
  }
  list->grab();
  EXPECT_EQ(list->GetCount(), 2);
  list->ResetContent();
  EXPECT_EQ(list->GetCount(), 0);
  EXPECT_EQ(list->GetTopIndex(), 0);
}
