// The hair tools run from the view's tools object in a real drag loop,
// with the mouse posted to a headless widget.
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include "app/document/layer.h"
#include "app/view/hair_view_tools.h"
#include "tests/document/document_fixture.h"
#include "tests/qt/post_mouse.h"

namespace {

class HairViewTools : public testdocument::DocumentTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(document.SetPhoto(testdocument::MakePhoto(300, 280)));
    view.resize(400, 300);
    view.show();
    tools.SetCaptureWidget(&view);
    tools.SetSetupSource([] {
      CHairToolSetup setup;
      setup.tool = HairStrokeTool::brush;
      setup.controls.pressure = 0;
      setup.controls.thickness = 6;
      setup.controls.colour = 0xFFFFFF;
      return std::optional<CHairToolSetup>(setup);
    });
  }
  QWidget view;
  CHairViewTools tools{document};
};

TEST_F(HairViewTools, AStrokeFollowsTheDragLoopAndLeavesOneStep) {
  CLayer& photo = *document.GetPhotoLayer();
  CDibAlpha before(*photo.GetImage());
  PostMouse(&view, QEvent::MouseMove, {80, 50});
  PostMouse(&view, QEvent::MouseMove, {120, 50});
  PostMouse(&view, QEvent::MouseButtonRelease, {120, 50});
  EXPECT_TRUE(tools.HairToolPress(photo, {50, 50}));
  EXPECT_EQ(photo.GetUndoName(), "Brush Tool");
  EXPECT_EQ(photo.GetHistory().UndoCount(), 1u);
  for (int x : {50, 80, 119})
    EXPECT_NE(testimages::PixelAt(*photo.GetImage(), x, 50), testimages::PixelAt(before, x, 50)) << x;
  EXPECT_EQ(testimages::PixelAt(*photo.GetImage(), 140, 50), testimages::PixelAt(before, 140, 50));
}

TEST_F(HairViewTools, APressWhileAnotherDragHoldsTheMouseDoesNothing) {
  QWidget other;
  other.resize(50, 50);
  other.show();
  other.grabMouse();
  ASSERT_EQ(QWidget::mouseGrabber(), &other);
  CLayer& photo = *document.GetPhotoLayer();
  EXPECT_FALSE(tools.HairToolPress(photo, {50, 50}));
  other.releaseMouse();
  EXPECT_FALSE(photo.CanUndo());
  EXPECT_FALSE(photo.HasEditBackup());

  tools.SetSetupSource([] { return std::optional<CHairToolSetup>(); });  // no hair tool armed
  EXPECT_FALSE(tools.HairToolPress(photo, {50, 50}));
}

}  // namespace
