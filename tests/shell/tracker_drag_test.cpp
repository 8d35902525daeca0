#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include "app/resources/program_cursors.h"
#include "app/resources/program_resources.h"
#include "app/shell/frame_cursors.h"
#include "app/view/tracker_drag_handler.h"
#include "controls/skin_resources.h"

namespace {

class ProgramCursors : public testing::Test {
 protected:
  ProgramCursors() : m_previous(UseProgramResources()) {}
  ~ProgramCursors() override { SetResourceModule(m_previous); }

 private:
  HINSTANCE m_previous;
};

void Post(QWidget* widget, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  QCoreApplication::postEvent(widget, new QMouseEvent(type, QPointF(at), widget->mapToGlobal(QPointF(at)), button,
                                                      type == QEvent::MouseMove ? button : Qt::NoButton,
                                                      Qt::NoModifier));
}

}  // namespace

TEST_F(ProgramCursors, EveryFrameAndToolCursorIsAResourceWithItsHotSpotOnTheDrawing) {
  const CFrameCursors cursors = LoadFrameCursors();
  for (const HCURSOR& cursor : cursors.rotate) ASSERT_NE(cursor, nullptr);
  for (const HCURSOR& cursor : cursors.resize) {
    ASSERT_NE(cursor, nullptr);
    EXPECT_EQ(cursor->hotSpot(), QPoint(16, 16));
  }
  ASSERT_NE(cursors.move, nullptr);
  ASSERT_NE(cursors.linePoint, nullptr);
  for (int octant = 0; octant < 8; ++octant) EXPECT_NE(LoadCustomCursor(DirectionCursorName(octant).c_str()), nullptr);
  for (unsigned id : {kCrossHairCursorId, kRingedCrossHairCursorId, kCombCursorId, kSnippersCursorId, kBrushCursorId,
                      kSprayCursorId, kEyedropperCursorId, kHandCursorId, kZoomCursorId}) {
    HCURSOR cursor = LoadCustomCursor(MakeIntResource(id));
    ASSERT_NE(cursor, nullptr) << id;
    // The hot spot is painted or next to paint, never off in the see-through.
    const QImage mask = cursor->mask().toImage().convertToFormat(QImage::Format_Mono);
    const QPoint hot = cursor->hotSpot();
    bool near = false;
    for (int dy = -2; dy <= 2; ++dy)
      for (int dx = -2; dx <= 2; ++dx)
        near = near || (mask.rect().contains(hot + QPoint(dx, dy)) &&
                        mask.pixelIndex(hot + QPoint(dx, dy)) != mask.pixelIndex(0, 0));
    EXPECT_TRUE(near) << id;
  }
}

// The view's side of a move drag: window pixels in, one undo step, and an
// arrow key moving the pointer and with it the frame.
TEST(TrackerDragHandler, RunsAFrameDragInTheDragLoop) {
  QWidget view;
  view.resize(200, 200);
  view.show();
  CQuadTracker frame(true);
  frame.SetRect(0, 0, 100, 100);
  frame.SetViewMapping(10, 0, 2.0);  // window (100, 100) is document (60, 50)
  std::unique_ptr<CQuadDrag> drag = MakeQuadDrag(frame, frame.HitTest(60, 50));
  int changes = 0;
  CTrackerDragHandler handler(*drag, {100, 100}, [&changes](CPoint) { ++changes; });
  Post(&view, QEvent::MouseMove, {120, 110});
  QCoreApplication::postEvent(&view, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
  QCoreApplication::postEvent(&view, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
  Post(&view, QEvent::MouseButtonRelease, {122, 110});
  EXPECT_TRUE(RunDragLoop(&view, handler));
  EXPECT_TRUE(handler.Changed());
  EXPECT_EQ(frame.GetBaseRect(), (CDoubleRect{11, 5, 111, 105}));  // 10 and 5 by the move, 1 by two keys
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(frame.GetHistory().UndoCount(), 1u);
}

// The re-frame drag works on a copy and ends on the right button.
TEST(TrackerDragHandler, CornerDragOnACopyEndsOnTheRightButton) {
  QWidget view;
  view.resize(200, 200);
  view.show();
  CQuadTracker layer(true);
  layer.SetRect(0, 0, 100, 50);
  CQuadTracker copy(layer);
  CQuadDragCorner drag(copy, 2);
  CTrackerDragHandler handler(drag, {100, 50});
  Post(&view, QEvent::MouseMove, {140, 70}, Qt::RightButton);
  Post(&view, QEvent::MouseButtonRelease, {140, 70}, Qt::RightButton);
  EXPECT_TRUE(RunDragLoop(&view, handler));
  EXPECT_TRUE(handler.Changed());
  EXPECT_EQ(copy.GetSize(), CSize(140, 70));
  EXPECT_EQ(layer.GetSize(), CSize(100, 50));
}
