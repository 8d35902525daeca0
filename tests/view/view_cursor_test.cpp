// The pointer's cursor over the view follows the press rules, the frames
// show the cursors the document handed them, and keys reach the active tool
// object only.
#include <gtest/gtest.h>

#include "app/view/view_controller.h"
#include "platform/core/virtual_keys.h"
#include "tests/document/document_fixture.h"

using testdocument::DocumentTest;
using testdocument::MakeItem;
using testdocument::MakePhoto;

namespace {

// Distinct stand-in handles; the Qt-free rules only compare them.
HCURSOR FakeCursor() {
  static int anchor;
  return HCURSOR(reinterpret_cast<const QCursor*>(&anchor), [](const QCursor*) {});
}

class CNoWindow : public CViewWindow {
 public:
  bool DragFrame(CQuadTracker&, CPoint, int, bool) override { return false; }
  bool Pan(CPoint) override { return false; }
  void ShowContextMenu(CPoint) override {}
  void Repaint() override {}
};

class CKeyTools : public CViewTools {
 public:
  bool ActiveToolKeyDown(int key, int) override { return downs.push_back(key), true; }
  bool ActiveToolKeyUp(int key) override { return ups.push_back(key), false; }
  std::vector<int> downs, ups;
};

class ViewCursors : public DocumentTest {
 protected:
  void SetUp() override {
    for (auto& cursor : cursors.rotate) cursor = FakeCursor();
    for (auto& cursor : cursors.resize) cursor = FakeCursor();
    cursors.move = FakeCursor();
    cursors.linePoint = FakeCursor();
    ASSERT_TRUE(document.SetPhoto(MakePhoto(400, 300)));
    CProjection& projection = *document.GetProjection(-1);
    projection.FaceFrame().SetRect(100, 50, 200, 170);
    projection.FaceFrame().SetRotation(0.0, 1.0);
    projection.EyesLine().SetPoints(120, 90, 180, 90);
    // Handed after the photo and frames exist: they must get them too.
    document.SetFrameCursors(cursors);
    controller.State().SetScreenSize({400, 300});
    controller.State().SetClientSize({400, 300});
    controller.UpdateMapping();
  }
  CViewCursor At(const CViewMode& mode, CPoint p) {
    controller.SetMode(mode);
    return controller.CursorAt(p);
  }
  CFrameCursors cursors;
  CNoWindow window;
  CKeyTools tools;
  CViewController controller{document, window, tools};
};

TEST_F(ViewCursors, AnItemLayerShowsMoveResizeAndRotateWhereEachPressWouldStart) {
  CLayer* hair = document.PutItem(MakeItem(40, 40), 0, 0, 20, 0, kKindHairstyle);
  ASSERT_NE(hair, nullptr);
  controller.UpdateMapping();
  CViewMode mode;
  mode.edit.currentKind = kKindHairstyle;
  const CPoint centre(RoundHalfAwayFromZero(hair->GetCentre().x), RoundHalfAwayFromZero(hair->GetCentre().y));
  CViewCursor over = At(mode, centre);
  ASSERT_EQ(over.kind, CViewCursor::Kind::tracker);
  EXPECT_EQ(over.tracker.kind, CTrackerCursor::Kind::move);
  EXPECT_EQ(over.tracker.cursor, cursors.move);

  const CRect box = hair->GetBoundingRect();
  over = At(mode, box.TopLeft());
  EXPECT_EQ(over.tracker.kind, CTrackerCursor::Kind::resize);
  EXPECT_EQ(over.tracker.cursor, cursors.resize[over.tracker.index]);

  // Straight right of the centre, well away from the frame: east octant.
  over = At(mode, {399, centre.y});
  EXPECT_EQ(over.tracker.kind, CTrackerCursor::Kind::rotate);
  EXPECT_EQ(over.tracker.index, 0);
  EXPECT_EQ(over.tracker.cursor, cursors.rotate[0]);

  controller.SetLayerFramesVisible(false);
  EXPECT_EQ(At(mode, centre).kind, CViewCursor::Kind::arrow) << "hidden frames take no press";
  controller.SetLayerFramesVisible(true);
  document.SetCurrentLayer(nullptr);
  mode.edit.currentKind = kKindGlasses;
  EXPECT_EQ(At(mode, centre).kind, CViewCursor::Kind::unchanged) << "a kind without a layer";
}

TEST_F(ViewCursors, ToolsComeFirstInThePressOrder) {
  CViewMode mode;
  mode.edit.photoMode = true;
  mode.hairTool = HairTool::spray;
  EXPECT_EQ(At(mode, {10, 10}).tool, ViewToolCursor::spray);
  mode.eyedropper = true;
  EXPECT_EQ(At(mode, {10, 10}).tool, ViewToolCursor::eyedropper);
  mode.zoomTool = true;
  EXPECT_EQ(At(mode, {10, 10}).tool, ViewToolCursor::zoom);

  mode = {};
  mode.edit.photoMode = true;
  document.CreateContours();
  document.SetActiveTool(document.GetInitialContour());
  EXPECT_EQ(At(mode, {10, 10}).kind, CViewCursor::Kind::activeTool);
}

TEST_F(ViewCursors, ThePhotoShowsCornersAndMoveButNeverRotates) {
  CLayer& photo = *document.GetPhotoLayer();
  photo.SetRect(0, 0, 200, 150);
  controller.UpdateMapping();
  CViewMode mode;
  mode.edit.photoMode = true;
  EXPECT_EQ(At(mode, {0, 0}).tracker.kind, CTrackerCursor::Kind::resize);
  EXPECT_EQ(At(mode, {100, 75}).tracker.cursor, cursors.move);
  EXPECT_EQ(At(mode, {100, 1}).tracker.cursor, cursors.move) << "no side handles: the edge moves it";
  EXPECT_EQ(At(mode, {300, 250}).kind, CViewCursor::Kind::arrow) << "the photo is not turned";
}

TEST_F(ViewCursors, TheFaceRectangleToolShowsLinePointsBeforeTheFrame) {
  CViewMode mode;
  mode.edit.faceRectangleTool = true;
  const CViewCursor point = At(mode, {120, 90});
  EXPECT_EQ(point.tracker.kind, CTrackerCursor::Kind::endPoint);
  EXPECT_EQ(point.tracker.cursor, cursors.linePoint);
  const CViewCursor corner = At(mode, {200, 170});
  EXPECT_EQ(corner.tracker.kind, CTrackerCursor::Kind::resize);
  EXPECT_EQ(corner.tracker.cursor, cursors.resize[corner.tracker.index]);
  EXPECT_EQ(At(mode, {350, 20}).kind, CViewCursor::Kind::arrow) << "no rotation with this tool";
}

TEST_F(ViewCursors, KeysReachOnlyTheActiveToolObject) {
  bool repaint = true;
  EXPECT_FALSE(controller.OnKeyDown(VK_LEFT, 0, repaint));
  EXPECT_FALSE(repaint);
  document.CreateContours();
  document.SetActiveTool(document.GetDeformationArea());
  EXPECT_TRUE(controller.OnKeyDown(VK_ESCAPE, 0, repaint));
  EXPECT_TRUE(repaint);
  EXPECT_TRUE(controller.OnKeyUp(VK_ESCAPE, repaint));
  EXPECT_FALSE(repaint);
  EXPECT_EQ(tools.downs, std::vector<int>{VK_ESCAPE});
  EXPECT_EQ(tools.ups, std::vector<int>{VK_ESCAPE});
}

}  // namespace
