// The face-rectangle tool run from the view's tools object in a real drag
// loop, with the mouse posted to a headless widget: an eye dragged moves only
// the eye and leaves one step on each of the three lists; a press on nothing
// the tool drags starts no loop.
#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

#include "app/view/document_view_tools.h"
#include "tests/document/document_fixture.h"
#include "tests/qt/post_mouse.h"

namespace {

class DocumentViewTools : public testdocument::DocumentTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(document.SetPhoto(testdocument::MakePhoto(300, 280)));
    view.resize(400, 300);
    view.show();
    tools.SetCaptureWidget(&view);
    tools.SetPressSource([this] { return press; }, [] { return -1; });
    CProjection& front = *document.GetProjection(0);
    front.FaceFrame().SetRect(60, 40, 240, 260);
    front.EyesLine().SetPoints(100, 120, 200, 120);
    front.LipsLine().SetPoints(120, 200, 180, 200);
  }
  QWidget view;
  CDocumentViewTools tools{document};
  CPoint press;
};

TEST_F(DocumentViewTools, AnEyeDraggedInTheLoopMovesOnlyTheEyeWithOneStepOnEachList) {
  CProjection& front = *document.GetProjection(0);
  const auto frameBefore = front.FaceFrame().GetGeometry();
  press = {100, 120};
  PostMouse(&view, QEvent::MouseMove, {104, 122});
  PostMouse(&view, QEvent::MouseMove, {110, 125});
  PostMouse(&view, QEvent::MouseButtonRelease, {110, 125});
  EXPECT_TRUE(tools.FaceRectanglePress(press));
  EXPECT_EQ(front.EyesLine().GetPoint0(), CPoint(110, 125));
  EXPECT_EQ(front.EyesLine().GetPoint1(), CPoint(200, 120));
  EXPECT_EQ(front.FaceFrame().GetGeometry(), frameBefore);
  for (const std::string& name :
       {front.FaceFrame().GetUndoName(), front.EyesLine().GetUndoName(), front.LipsLine().GetUndoName()})
    EXPECT_EQ(name, "Change Points");
}

TEST_F(DocumentViewTools, TheStretchToolWithoutAnItemKindStartsNoLoop) {
  press = {150, 150};
  EXPECT_FALSE(tools.HairStretchPress(press, false));
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
}

}  // namespace
