#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QCheckBox>
#include <QImage>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QMouseEvent>
#include <QSlider>
#include <QTimer>

#include "imagelib/dib.h"
#include "platform/core/raster_dc.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/cursor.h"
#include "platform/qt/dialog_template.h"
#include "platform/qt/drag_loop.h"
#include "platform/qt/jpeg_properties_dialog.h"
#include "platform/qt/message_box_qt.h"

#include <QPushButton>
#include "platform/qt/painter_dc.h"
#include "platform/qt/window_class.h"
#include "platform/qt/wnd.h"
#include "tests/support/test_skin.h"
#include "tests/qt/post_mouse.h"

namespace {

class TextRecorder : public CWnd {
 public:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam, const std::string& text) override {
    texts.push_back(text);
    return 7;
  }
  std::vector<std::string> texts;
};

}  // namespace

TEST(WindowMessages, RegisteredNumbersAreStableAndTextsTravelWithTheMessage) {
  UINT first = RegisterWindowMessage("BGChangeMsg");
  EXPECT_EQ(RegisterWindowMessage("BGChangeMsg"), first);
  EXPECT_NE(RegisterWindowMessage("BGRButMsg"), first);
  EXPECT_GE(first, 0xC000u);

  TextRecorder receiver;
  {
    std::string status = "Loading";
    PostMessage(&receiver, WM_SETMESSAGESTRING, 0, 0, status);
    status = "changed after posting";
  }
  EXPECT_EQ(SendMessage(&receiver, 0x400), 7);
  ProcessPostedEvents();
  EXPECT_EQ(receiver.texts, (std::vector<std::string>{"", "Loading"}));

  auto* gone = new TextRecorder;
  delete gone;
  EXPECT_FALSE(PostMessage(gone, 0x400));
}

TEST(DialogTemplate, SubclassTakesTheItemsPlaceCaptionAndId) {
  QWidget dialog;
  AddTemplateItems(&dialog, {{1001, "IDC_OK", QRect(5, 6, 40, 20)}});
  auto* hidden = new QWidget(&dialog);
  hidden->setProperty(kControlIdProperty, 1002);
  hidden->hide();
  auto* control = new CWnd(&dialog);
  ASSERT_EQ(control->SubclassDlgItem(1001, &dialog), 1);
  EXPECT_EQ(control->geometry(), QRect(5, 6, 40, 20));
  EXPECT_EQ(control->GetWindowText(), "IDC_OK");
  EXPECT_EQ(control->GetDlgCtrlID(), 1001u);
  EXPECT_EQ(GetDlgItem(&dialog, 1001), control);
  EXPECT_EQ(control->GetSafeHwnd(), control);

  auto* second = new CWnd(&dialog);
  ASSERT_EQ(second->SubclassDlgItem(1002, &dialog), 1);
  EXPECT_TRUE(second->isHidden());
  EXPECT_EQ((new CWnd(&dialog))->SubclassDlgItem(1003, &dialog), 0);
}

TEST(WindowClass, NamesAreRegisteredOnceAndReadBack) {
  EXPECT_FALSE(RegisterWindowClass("", CS_DBLCLKS));
  EXPECT_TRUE(RegisterWindowClass("ZORTestClass", CS_DBLCLKS));
  EXPECT_TRUE(IsWindowClassRegistered("ZORTestClass"));
  QWidget plain;
  EXPECT_EQ(GetClassName(&plain), "QWidget");
  EXPECT_EQ(GetClassName(&plain, 3), "QWi");
}

TEST(PainterDC, DibTransfersMatchTheRasterDC) {
  CDib picture;
  ASSERT_TRUE(picture.Create(CSize(5, 3)));
  unsigned char* bits = picture.LockBits();
  for (int i = 0; i < picture.Length(); ++i) bits[i] = static_cast<unsigned char>(i * 7);
  picture.UnlockBits();

  QImage image(12, 10, QImage::Format_RGB32);
  image.fill(Qt::black);
  CRasterDC reference(12, 10);
  {
    QPainter painter(&image);
    CPainterDC dc(painter);
    CRect source(1, 0, 4, 2);
    for (CDC* target : {static_cast<CDC*>(&dc), static_cast<CDC*>(&reference)}) {
      picture.Draw(target, CRect(0, 0, 6, 4), &source);
      picture.DrawWithoutStretch(target, CPoint(6, 5), CSize(5, 3));
    }
    EXPECT_EQ(dc.GetPixel(7, 6), reference.GetPixel(7, 6));
  }
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 12; ++x) {
      QColor c = image.pixelColor(x, y);
      ASSERT_EQ(RGB(c.red(), c.green(), c.blue()), reference.GetPixel(x, y)) << x << "," << y;
    }
}

TEST(PainterDC, XorLinesOnAnImageUndoThemselves) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(QColor(10, 20, 30));
  QImage original = image.copy();
  QPainter painter(&image);
  CPainterDC dc(painter);
  dc.SetROP2(R2_XORPEN);
  dc.SelectPen({PS_SOLID, 1, RGB(255, 255, 255)});
  dc.MoveTo({1, 1});
  dc.LineTo({10, 1});
  EXPECT_EQ(dc.GetPixel(5, 1), RGB(245, 235, 225));
  EXPECT_EQ(dc.GetPixel(10, 1), RGB(10, 20, 30));  // the end point is left out
  dc.MoveTo({1, 1});
  dc.LineTo({10, 1});
  painter.end();
  EXPECT_EQ(image, original);
}

namespace {

// Opaque dotted and dashed lines and a filled ellipse, all in XOR.
void DrawStyledShapes(CDC& dc) {
  dc.SetROP2(R2_XORPEN);
  dc.SetBkMode(OPAQUE);
  dc.SetBkColor(RGB(255, 255, 255));
  dc.SelectPen({PS_DOT, 1, RGB(0, 0, 0)});
  dc.MoveTo({1, 1});
  dc.LineTo({14, 6});
  dc.LineTo({3, 14});
  dc.SelectPen({PS_DASH, 1, RGB(0, 255, 255)});
  dc.MoveTo({0, 15});
  dc.LineTo({15, 15});
  dc.SelectPen({PS_SOLID, 1, RGB(255, 255, 255)});
  dc.SelectBrush(CBrush::Solid(RGB(0, 0, 255)));
  dc.Ellipse(CRect(3, 3, 13, 13));
}

}  // namespace

TEST(PainterDC, StyledLinesAndEllipsesMatchTheRasterDCAndVanishWhenDrawnAgain) {
  QImage image(16, 16, QImage::Format_RGB32);
  image.fill(QColor(10, 20, 30));
  const QImage original = image.copy();
  CRasterDC reference(16, 16, RGB(10, 20, 30));
  DrawStyledShapes(reference);
  {
    QPainter painter(&image);
    CPainterDC dc(painter);
    DrawStyledShapes(dc);
  }
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) {
      QColor c = image.pixelColor(x, y);
      ASSERT_EQ(RGB(c.red(), c.green(), c.blue()), reference.GetPixel(x, y)) << x << "," << y;
    }
  {
    QPainter painter(&image);
    CPainterDC dc(painter);
    DrawStyledShapes(dc);
  }
  EXPECT_EQ(image, original);
}

TEST(Cursor, PlanesBecomeAQtCursorWithItsHotSpot) {
  const char* rows[] = {"Xo."};
  HCURSOR cursor = CreateCursorFromPlanes(CursorFromPicture(rows, CPoint(4, 5)));
  EXPECT_EQ(cursor->hotSpot(), QPoint(4, 5));
  QImage bitmap = cursor->bitmap().toImage().convertToFormat(QImage::Format_Mono);
  QImage mask = cursor->mask().toImage().convertToFormat(QImage::Format_Mono);
  // Black: bitmap and mask set; white: mask only; see-through: neither.
  EXPECT_EQ(mask.pixelIndex(0, 0), mask.pixelIndex(1, 0));
  EXPECT_NE(mask.pixelIndex(0, 0), mask.pixelIndex(2, 0));
  EXPECT_NE(bitmap.pixelIndex(0, 0), bitmap.pixelIndex(1, 0));
}

namespace {

struct RecordingDrag : CDragHandler {
  void OnDragMove(CPoint point) override { moves.push_back(point); }
  void OnDragEnd(CPoint point, bool cancelled) override {
    ends.push_back(point);
    wasCancelled = cancelled;
  }
  std::vector<CPoint> moves, ends;
  bool wasCancelled = false;
};

}  // namespace

TEST(DragLoop, FollowsTheMouseUntilReleaseOrEscape) {
  QWidget surface;
  surface.resize(100, 100);
  surface.show();
  RecordingDrag drag;
  PostMouse(&surface, QEvent::MouseMove, {10, 12});
  PostMouse(&surface, QEvent::MouseMove, {20, 22});
  PostMouse(&surface, QEvent::MouseButtonRelease, {25, 26});
  EXPECT_TRUE(RunDragLoop(&surface, drag));
  EXPECT_EQ(drag.moves, (std::vector<CPoint>{{10, 12}, {20, 22}}));
  EXPECT_EQ(drag.ends, (std::vector<CPoint>{{25, 26}}));
  EXPECT_FALSE(drag.wasCancelled);

  RecordingDrag cancelled;
  PostMouse(&surface, QEvent::MouseMove, {30, 31});
  QCoreApplication::postEvent(&surface, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
  EXPECT_FALSE(RunDragLoop(&surface, cancelled));
  EXPECT_EQ(cancelled.ends, (std::vector<CPoint>{{30, 31}}));
  EXPECT_TRUE(cancelled.wasCancelled);
}

TEST(DragLoop, EndsOnlyOnTheButtonsAskedFor) {
  QWidget surface;
  surface.resize(100, 100);
  surface.show();
  RecordingDrag leftOnly;
  PostMouse(&surface, QEvent::MouseButtonRelease, {5, 5}, Qt::RightButton);
  PostMouse(&surface, QEvent::MouseButtonRelease, {6, 6});
  EXPECT_TRUE(RunDragLoop(&surface, leftOnly));
  EXPECT_EQ(leftOnly.ends, (std::vector<CPoint>{{6, 6}}));

  RecordingDrag either;
  PostMouse(&surface, QEvent::MouseMove, {8, 9}, Qt::RightButton);
  PostMouse(&surface, QEvent::MouseButtonRelease, {9, 9}, Qt::RightButton);
  EXPECT_TRUE(RunDragLoop(&surface, either, Qt::LeftButton | Qt::RightButton));
  EXPECT_EQ(either.moves, (std::vector<CPoint>{{8, 9}}));
  EXPECT_EQ(either.ends, (std::vector<CPoint>{{9, 9}}));
}

namespace {

// Ends on the right button when asked, nudges the pointer with the arrow
// keys and records the keys it hears.
struct ArrowKeyDrag : RecordingDrag {
  bool OnDragStart() override { return start; }
  bool EndsOnRightButton() const override { return rightEnds; }
  void OnDragKey(int virtualKey, CDragPointer& pointer) override {
    keys.push_back(virtualKey);
    if (virtualKey == VK_RIGHT) pointer.MovePointerBy(1, 0);
    if (virtualKey == VK_UP) pointer.MovePointerBy(0, -1);
  }
  bool start = true;
  bool rightEnds = false;
  std::vector<int> keys;
};

void PostRightRelease(QWidget* widget, QPoint local) {
  QPointF at(local);
  QCoreApplication::postEvent(widget, new QMouseEvent(QEvent::MouseButtonRelease, at, widget->mapToGlobal(at),
                                                      Qt::RightButton, Qt::NoButton, Qt::NoModifier));
}

void PostKey(QWidget* widget, int key) {
  QCoreApplication::postEvent(widget, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier));
}

}  // namespace

TEST(DragLoop, RightButtonEndsTheDragOnlyForHandlersThatAskForIt) {
  QWidget surface;
  surface.resize(100, 100);
  surface.show();
  ArrowKeyDrag plain;
  PostRightRelease(&surface, {5, 6});
  PostMouse(&surface, QEvent::MouseMove, {7, 8});
  PostMouse(&surface, QEvent::MouseButtonRelease, {9, 10});
  EXPECT_TRUE(RunDragLoop(&surface, plain));
  EXPECT_EQ(plain.moves, (std::vector<CPoint>{{7, 8}}));
  EXPECT_EQ(plain.ends, (std::vector<CPoint>{{9, 10}}));

  ArrowKeyDrag reframe;
  reframe.rightEnds = true;
  PostRightRelease(&surface, {5, 6});
  EXPECT_TRUE(RunDragLoop(&surface, reframe));
  EXPECT_EQ(reframe.ends, (std::vector<CPoint>{{5, 6}}));
  EXPECT_FALSE(reframe.wasCancelled);
}

// The pointer's new place reaches the handler at once, whether or not the
// window system reports the move as well.
TEST(DragLoop, KeysReachTheHandlerWhichCanMoveThePointer) {
  QWidget surface;
  surface.resize(100, 100);
  surface.show();
  ArrowKeyDrag drag;
  PostMouse(&surface, QEvent::MouseMove, {10, 12});
  PostKey(&surface, Qt::Key_Right);
  PostKey(&surface, Qt::Key_Up);
  PostKey(&surface, Qt::Key_A);
  PostMouse(&surface, QEvent::MouseButtonRelease, {11, 11});
  EXPECT_TRUE(RunDragLoop(&surface, drag));
  EXPECT_EQ(drag.moves, (std::vector<CPoint>{{10, 12}, {11, 12}, {11, 11}}));
  EXPECT_EQ(drag.keys, (std::vector<int>{VK_RIGHT, VK_UP, 'A'}));
  EXPECT_EQ(drag.ends, (std::vector<CPoint>{{11, 11}}));
}

TEST(DragLoop, IsRefusedWhileAnotherWidgetHoldsTheMouseOrTheHandlerDeclines) {
  QWidget surface;
  surface.resize(100, 100);
  surface.show();
  QWidget other;
  other.resize(50, 50);
  other.show();
  other.grabMouse();
  RecordingDrag refused;
  EXPECT_FALSE(RunDragLoop(&surface, refused));
  EXPECT_TRUE(refused.ends.empty());
  other.releaseMouse();

  ArrowKeyDrag declined;
  declined.start = false;
  PostMouse(&surface, QEvent::MouseMove, {3, 4});
  EXPECT_FALSE(RunDragLoop(&surface, declined));
  EXPECT_TRUE(declined.moves.empty());
  EXPECT_TRUE(declined.ends.empty());
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  QCoreApplication::processEvents();  // the move posted for the declined drag
}

TEST(JpegPropertiesDialog, TrackBarAndEditBoxFollowEachOther) {
  CJpegPropertiesDialogModel model(40, false, true);
  CJpegPropertiesDialog dialog(model);
  EXPECT_EQ(dialog.windowTitle(), "JPEG properties");
  EXPECT_EQ(dialog.TrackBar()->value(), 40);
  EXPECT_EQ(dialog.Edit()->text(), "40");
  EXPECT_FALSE(dialog.ForceBaseline()->isChecked());
  EXPECT_FALSE(dialog.Grayscale()->isChecked());

  dialog.TrackBar()->setValue(63);
  EXPECT_EQ(dialog.Edit()->text(), "63");
  dialog.Edit()->setText("88");
  emit dialog.Edit()->textEdited("88");
  EXPECT_EQ(dialog.TrackBar()->value(), 88);
  EXPECT_EQ(model.properties().quality, 88);
  dialog.Grayscale()->setChecked(true);
  dialog.ForceBaseline()->setChecked(true);
  EXPECT_TRUE(model.properties().grayscale);
  EXPECT_TRUE(model.properties().forceBaseline);
}

namespace {

// Closes the modal dialog or box that is about to open, as a user would.
void AnswerNextModal(bool accept) {
  QTimer::singleShot(0, [accept] {
    auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (!modal) return;
    if (accept) modal->accept();
    else modal->reject();
  });
}

}  // namespace

TEST(JpegPropertiesDialog, PromptKeepsTheCallersFieldsOnCancel) {
  CQtJpegPropertiesPrompt prompt;
  CJpegPropertiesDialogModel model(40, true, true);
  AnswerNextModal(true);
  EXPECT_TRUE(prompt.Run(model));
  EXPECT_EQ(model.properties().quality, 40);
  AnswerNextModal(false);
  EXPECT_FALSE(prompt.Run(model));
}

TEST(QtMessageBox, AnswersMapToTheProgramsNumbers) {
  EXPECT_EQ(AnswerFromQtButton(QMessageBox::Yes, MessageButtons::YesNo), IDYES);
  EXPECT_EQ(AnswerFromQtButton(QMessageBox::NoButton, MessageButtons::YesNo), IDNO);
  EXPECT_EQ(AnswerFromQtButton(QMessageBox::NoButton, MessageButtons::YesNoCancel), IDCANCEL);
  EXPECT_EQ(ToQtIcon(MessageIcon::Stop), QMessageBox::Critical);

  CQtMessageBoxService service;
  QMessageBox::StandardButton preselected = QMessageBox::NoButton;
  QTimer::singleShot(0, [&preselected] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    preselected = box->standardButton(box->defaultButton());
    box->button(QMessageBox::No)->click();
  });
  EXPECT_EQ(service.Show("Restore previous selection?", "Kelvora", MessageIcon::Question, MessageButtons::YesNo,
                         MessageDefault::Second),
            IDNO);
  EXPECT_EQ(preselected, QMessageBox::No);
}
