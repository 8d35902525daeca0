// The view's rules fed with points: which press goes where, the
// eyedroppers, the context menu per mode, the slider pause, the key-point
// tooltips, dropped files and photos from files and samples.
#include <algorithm>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>

#include <filesystem>
#include <fstream>

#include "app/document/photo_loading.h"
#include "app/view/context_menu.h"
#include "app/view/drop_rule.h"
#include "app/view/key_point_tooltips.h"
#include "app/view/slider_application.h"
#include "app/view/view_controller.h"
#include "tests/document/document_fixture.h"

using testdocument::DocumentTest;
using testdocument::MakeItem;
using testdocument::MakePhoto;

namespace {

// Records the drags and answers them as scripted.
class CScriptedWindow : public CViewWindow {
 public:
  bool DragFrame(CQuadTracker& frame, CPoint p, int hit, bool rightButton) override {
    drags.push_back({&frame, hit, rightButton});
    if (!dragChanges) return false;
    frame.PushGeometryUndo("Move");
    const CDoubleRect r = frame.GetBaseRect();
    frame.SetRect(r.left + 10, r.top + 5, r.right + 10, r.bottom + 5);
    if (onMove) onMove();
    return true;
  }
  bool Pan(CPoint) override {
    ++pans;
    return panDrags;
  }
  void ShowContextMenu(CPoint) override { ++menus; }
  void Repaint() override { ++repaints; }

  struct Drag {
    CQuadTracker* frame;
    int hit;
    bool right;
  };
  std::vector<Drag> drags;
  bool dragChanges = true;
  bool panDrags = false;
  std::function<void()> onMove;  // what the real window calls after each move
  int pans = 0, menus = 0, repaints = 0;
};

class CRecordingTools : public CViewTools {
 public:
  bool FaceRectanglePress(CPoint) override { return ++faceRect, true; }
  bool HairStretchPress(CPoint, bool right) override { return ++(right ? stretchRight : stretchLeft), true; }
  bool HairToolPress(CLayer& layer, CPoint) override { return hairTarget = &layer, true; }
  bool ActiveToolPress(CPoint) override { return ++active, true; }
  void OnPickedColour(COLORREF colour) override { picked = colour; }
  int faceRect = 0, stretchLeft = 0, stretchRight = 0, active = 0;
  CLayer* hairTarget = nullptr;
  std::optional<COLORREF> picked;
};

class ViewRules : public DocumentTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(document.SetPhoto(MakePhoto(400, 300)));
    document.GetProjection(-1)->FaceFrame().SetRect(100, 50, 200, 170);
    controller.State().SetScreenSize({400, 300});
    controller.State().SetClientSize({400, 300});
  }
  void Arm(const CViewMode& mode) { controller.SetMode(mode); }
  CScriptedWindow window;
  CRecordingTools tools;
  CViewController controller{document, window, tools};
};

TEST_F(ViewRules, TheZoomToolComesBeforeEveryOtherRule) {
  CViewMode mode;
  mode.zoomTool = true;
  mode.edit.faceRectangleTool = true;
  Arm(mode);
  EXPECT_TRUE(controller.OnLeftButtonDown({200, 150}));
  EXPECT_EQ(controller.State().Zoom(), 1.5);
  EXPECT_EQ(tools.faceRect, 0);
  EXPECT_EQ(document.GetPhotoLayer()->GetViewMapping().zoom, 1.5);
  EXPECT_TRUE(controller.OnRightButtonDown({0, 0}));
  EXPECT_EQ(controller.State().Zoom(), 1.0);
  EXPECT_EQ(window.menus, 0);
}

TEST_F(ViewRules, ToolsTakeThePressInTheirOrder) {
  CViewMode mode;
  mode.edit.faceRectangleTool = true;
  mode.edit.hairStretchTool = true;
  Arm(mode);
  controller.OnLeftButtonDown({1, 1});
  EXPECT_EQ(tools.faceRect, 1);
  mode.edit.faceRectangleTool = false;
  Arm(mode);
  controller.OnLeftButtonDown({1, 1});
  controller.OnRightButtonDown({1, 1});
  EXPECT_EQ(tools.stretchLeft, 1);
  EXPECT_EQ(tools.stretchRight, 1);

  mode = {};
  mode.hairTool = HairTool::brush;
  mode.edit.photoMode = true;
  Arm(mode);
  EXPECT_TRUE(controller.OnLeftButtonDown({1, 1}));
  EXPECT_EQ(tools.hairTarget, document.GetPhotoLayer());

  document.CreateContours();
  document.SetActiveTool(document.GetInitialContour());
  mode.hairTool = HairTool::none;
  Arm(mode);
  controller.OnLeftButtonDown({1, 1});
  EXPECT_EQ(tools.active, 1);
  EXPECT_TRUE(window.drags.empty());
}

TEST_F(ViewRules, AnItemLayerIsDraggedAndThePhotoOnlyByCornersOrInside) {
  CLayer* hair = document.PutItem(MakeItem(40, 40), 0, 0, 20, 0, kKindHairstyle);
  ASSERT_NE(hair, nullptr);
  CViewMode mode;
  mode.edit.currentKind = kKindHairstyle;
  Arm(mode);
  const CPoint inside(RoundHalfAwayFromZero(hair->GetCentre().x), RoundHalfAwayFromZero(hair->GetCentre().y));
  EXPECT_TRUE(controller.OnLeftButtonDown(inside));
  ASSERT_EQ(window.drags.size(), 1u);
  EXPECT_EQ(window.drags[0].frame, hair);
  EXPECT_EQ(window.drags[0].hit, CQuadTracker::kHitInside);
  EXPECT_TRUE(controller.OnLeftButtonDown({399, 299})) << "outside the frame rotates it";

  mode = {};
  mode.edit.photoMode = true;
  Arm(mode);
  window.drags.clear();
  document.GetPhotoLayer()->SetRect(0, 0, 200, 150);
  EXPECT_FALSE(controller.OnLeftButtonDown({300, 250})) << "the photo is not turned";
  EXPECT_TRUE(window.drags.empty());
  EXPECT_TRUE(controller.OnLeftButtonDown({50, 50}));
  EXPECT_EQ(document.GetMakeupLayer()->GetBaseRect(), (CDoubleRect{10, 5, 210, 155}))
      << "the make-up follows the photo";
}

// The picture follows an item layer under the mouse; once released, the
// whole path is composed again without the layers kept for the drag.
TEST_F(ViewRules, ADraggedItemIsRecomposedAtEveryMoveAndOnceMoreAtTheEnd) {
  CLayer* hair = document.PutItem(MakeItem(40, 40), 0, 0, 20, 0, kKindHairstyle);
  ASSERT_NE(hair, nullptr);
  CViewMode mode;
  mode.edit.currentKind = kKindHairstyle;
  Arm(mode);
  const CRect start = hair->GetBoundingRect();
  window.onMove = [&] { controller.FrameMoved(); };
  const int refreshes = host.refreshes;
  const CPoint inside(RoundHalfAwayFromZero(hair->GetCentre().x), RoundHalfAwayFromZero(hair->GetCentre().y));
  EXPECT_TRUE(controller.OnLeftButtonDown(inside));
  EXPECT_EQ(host.refreshes, refreshes + 2);
  EXPECT_NE(hair->GetBoundingRect(), start);
  const std::vector<COLORREF> shown(host.surface.Pixels(), host.surface.Pixels() + 400 * 300);
  document.ComposeToView(&host.surface, CRect(0, 0, 400, 300), true);
  EXPECT_TRUE(std::equal(shown.begin(), shown.end(), host.surface.Pixels()));
  controller.FrameMoved();  // after the drag: nothing kept, nothing composed
  EXPECT_EQ(host.refreshes, refreshes + 2);
}

// The print area is moved and resized by its sides and corners but never
// turned, and moving it changes no pixel of the picture.
TEST_F(ViewRules, ThePrintAreaTakesMovesSidesAndCornersButNoTurn) {
  CQuadTracker& printArea = document.GetProjection(-1)->PrintArea();
  printArea.SetRect(50, 40, 350, 260);
  printArea.SetRotation(0.0, 1.0);
  CViewMode mode;
  mode.edit.printAreaTool = true;
  Arm(mode);
  const int refreshes = host.refreshes;
  EXPECT_TRUE(controller.OnLeftButtonDown({200, 150}));
  EXPECT_TRUE(controller.OnLeftButtonDown({210, 45}));  // the top side, each drag moving it by (10, 5)
  EXPECT_TRUE(controller.OnLeftButtonDown({70, 50}));   // the top-left corner
  ASSERT_EQ(window.drags.size(), 3u);
  EXPECT_EQ(window.drags[0].frame, &printArea);
  EXPECT_EQ(window.drags[0].hit, CQuadTracker::kHitInside);
  EXPECT_GE(window.drags[1].hit, 4);
  EXPECT_LE(window.drags[1].hit, 7);
  EXPECT_GE(window.drags[2].hit, 0);
  EXPECT_LE(window.drags[2].hit, 3);
  EXPECT_FALSE(controller.OnLeftButtonDown({10, 10})) << "outside it nothing turns it";
  EXPECT_EQ(window.drags.size(), 3u);
  EXPECT_EQ(host.refreshes, refreshes);
}

TEST_F(ViewRules, ARightClickOnNothingOpensTheMenuAndARightDragPans) {
  EXPECT_FALSE(controller.OnRightButtonDown({10, 10}));
  EXPECT_EQ(window.pans, 1);
  EXPECT_EQ(window.menus, 1);
  window.panDrags = true;
  EXPECT_TRUE(controller.OnRightButtonDown({10, 10}));
  EXPECT_EQ(window.menus, 1);
}

TEST_F(ViewRules, TheEyedropperPicksTheMeanOfItsSquare) {
  CViewMode mode;
  mode.eyedropper = true;
  mode.eyedropperThickness = 2;  // a 2 x 2 square
  Arm(mode);
  controller.OnLeftButtonDown({10, 20});
  ASSERT_TRUE(tools.picked);
  unsigned red = 0, green = 0, blue = 0;
  for (int y = 20; y < 22; ++y)
    for (int x = 10; x < 12; ++x) {
      const testimages::Bgr p = testimages::PatternColour(x, y);
      red += p.red, green += p.green, blue += p.blue;
    }
  EXPECT_EQ(*tools.picked, RGB(red / 4, green / 4, blue / 4));
  EXPECT_EQ(EyedropperSquareSide(0), 30);
  EXPECT_EQ(EyedropperSquareSide(6), 15);
}

TEST_F(ViewRules, TheContextMenuFollowsTheMode) {
  auto commands = [](const std::vector<MenuEntry>& menu) {
    std::vector<unsigned> ids;
    for (const MenuEntry& entry : menu) ids.push_back(entry.command);
    return ids;
  };
  CViewMode mode;
  std::vector<MenuEntry> menu = BuildViewContextMenu(document, mode, true);
  EXPECT_EQ(commands(menu), (std::vector<unsigned>{1000, 1002, 0, 1214, 32783}));
  EXPECT_TRUE(menu.back().checked);

  document.PutItem(MakeItem(10, 10), 0, 0, 5, 0, kKindGlasses);
  document.GetCurrentLayer()->PushGeometryUndo("Move");
  document.PutItem(MakeItem(10, 10), 0, 0, 5, 0, kKindEyebrow);
  mode.edit.currentKind = kKindGlasses;
  document.SetCurrentLayer(document.GetProjection(-1)->GetSlot(kKindGlasses));
  mode.areaSelected = true;
  menu = BuildViewContextMenu(document, mode, false);
  EXPECT_EQ(commands(menu), (std::vector<unsigned>{1000, 1002, 1004, 0, 0, 0, 57643, 0, 1214, 1015, 32783}));
  EXPECT_TRUE(menu[2].checked);
  EXPECT_EQ(menu[6].text, "Undo \"Move\"\tCtrl+Z");
  EXPECT_FALSE(menu[4].subMenu.back().enabled) << "nothing copied: Paste is greyed";
  EXPECT_FALSE(menu.back().checked);

  CViewMode faceTool;
  faceTool.edit.faceRectangleTool = true;
  const auto offersFit = [&](const CViewMode& m) {
    const auto entries = commands(BuildViewContextMenu(document, m, true));
    return std::count(entries.begin(), entries.end(), ID_FIT_FACE_AUTOMATICALLY) == 1;
  };
  EXPECT_TRUE(offersFit(faceTool)) << "offered while the face-rectangle tool is armed";
  EXPECT_FALSE(offersFit(mode));

  document.SwitchProjectionSet(kBodySet);
  EXPECT_TRUE(BuildViewContextMenu(document, mode, true).empty()) << "no photo in the body projection";
  document.SwitchProjectionSet(kFaceSet);
  mode.zoomTool = true;
  EXPECT_TRUE(BuildViewContextMenu(document, mode, true).empty());
}

TEST(SliderPause, AppliesOnceAfterFourHundredMillisecondsOfRest) {
  CSliderPause pause;
  EXPECT_FALSE(pause.TakeDue(1000));
  pause.OnSliderMoved(1000);
  pause.OnSliderMoved(1300);
  EXPECT_FALSE(pause.TakeDue(1600));
  EXPECT_FALSE(pause.TakeDue(1700)) << "exactly 400 ms is not more than 400";
  EXPECT_TRUE(pause.TakeDue(1701));
  EXPECT_FALSE(pause.TakeDue(2500));
}

TEST(SliderApplication, WritesOpacityAsItsComplementAndSwitchesTheFilterOff) {
  CLayer layer(true);
  layer.AttachImage(MakeItem(8, 8));
  layer.SetFilter(RGB(1, 2, 3), 40, 2);
  CSliderPositions sliders;
  sliders.opacity = 30;
  sliders.brightness = 60;
  ApplySliders(layer, true, kKindHairstyle, sliders, nullptr);
  EXPECT_EQ(layer.GetImageOpacity(), 70);
  EXPECT_EQ(layer.GetBrightness(), 60);
  EXPECT_FALSE(layer.IsFilterOn());
  EXPECT_EQ(layer.GetFilterNumber(), kNoFilter);

  sliders.filterNumber = 3;
  sliders.filterStrength = 80;
  ApplySliders(layer, true, kKindHairstyle, sliders, [](int) { return std::optional<COLORREF>(RGB(9, 9, 9)); });
  EXPECT_TRUE(layer.IsFilterOn());
  EXPECT_EQ(layer.GetFilterColour(), RGB(9, 9, 9));

  CLayer nose(true);
  nose.AttachImage(MakeItem(8, 8));
  nose.SetFilter(RGB(5, 6, 7), 95, -1);
  ApplySliders(nose, true, kKindNose, sliders, nullptr);
  EXPECT_EQ(nose.GetFilterColour(), RGB(5, 6, 7)) << "noses keep their own colour";
}

// A filter button's choice acts at once; pressing the chosen one again
// must take the tint out of the colour table, not just clear the flag.
TEST_F(ViewRules, AFilterChoiceTintsAtOnceAndSwitchingItOffRestoresTheUntintedTable) {
  CLayer layer(true);
  layer.AttachImage(MakeItem(8, 8));
  layer.SetBrightness(60);
  const CLut untinted = *layer.GetImage()->m_pLut;
  CSliderPositions sliders;
  sliders.filterStrength = 70;
  sliders.filterNumber = 4;
  const FilterColourLookup profile = [](int number) {
    return number == 4 ? std::optional<COLORREF>(RGB(200, 40, 10)) : std::nullopt;
  };
  ApplyFilterChoice(layer, sliders, profile);
  ASSERT_TRUE(layer.IsFilterOn());
  EXPECT_EQ(layer.GetFilterColour(), RGB(200, 40, 10));
  EXPECT_EQ(layer.GetFilterStrength(), 70);
  EXPECT_EQ(layer.GetFilterNumber(), 4);
  EXPECT_NE(std::memcmp(layer.GetImage()->m_pLut->Data(), untinted.Data(), 768), 0);

  sliders.filterNumber = 5;  // a button whose group has no colour
  ApplyFilterChoice(layer, sliders, profile);
  EXPECT_EQ(layer.GetFilterNumber(), 4) << "nothing to tint with: the layer keeps its filter";

  sliders.filterNumber = kNoFilter;
  ApplyFilterChoice(layer, sliders, profile);
  EXPECT_FALSE(layer.IsFilterOn());
  EXPECT_EQ(layer.GetFilterNumber(), kNoFilter);
  EXPECT_FALSE(layer.GetImage()->m_bGrayIndex);
  EXPECT_EQ(std::memcmp(layer.GetImage()->m_pLut->Data(), untinted.Data(), 768), 0);
  EXPECT_EQ(layer.GetBrightness(), 60) << "the other adjustments stay";

  sliders.filterNumber = kCustomFilterNumber;
  sliders.customFilterColour = RGB(1, 200, 3);
  ApplyFilterChoice(layer, sliders, nullptr);
  EXPECT_EQ(layer.GetFilterColour(), RGB(1, 200, 3));
  EXPECT_EQ(layer.GetFilterNumber(), kCustomFilterNumber);
}

TEST_F(ViewRules, KeyPointTooltipsNameTheHandleUnderThePointer) {
  CProjection& projection = *document.GetProjection(0);
  projection.EyesLine().SetPoints(120, 100, 180, 100);
  projection.LipsLine().SetPoints(130, 150, 170, 150);
  EXPECT_EQ(KeyPointTooltipAt(projection, 0, {121, 101}), 61767u);
  EXPECT_EQ(KeyPointTooltipAt(projection, 0, {170, 150}), 61774u);
  EXPECT_EQ(KeyPointTooltipAt(projection, 0, {150, 50}), 61769u);  // top mid-point
  EXPECT_EQ(KeyPointTooltipAt(projection, 2, {121, 101}), 0u) << "the side view has no eyes line";
  EXPECT_EQ(KeyPointTooltipAt(projection, 0, {10, 290}), 0u);
}

TEST(DropRule, TakesExactlyOneImageFile) {
  EXPECT_EQ(AcceptedDropPath({"/photos/a.jpg"}), "/photos/a.jpg");
  EXPECT_FALSE(AcceptedDropPath({"/photos/a.jpg", "/photos/b.jpg"}));
  EXPECT_FALSE(AcceptedDropPath({"/photos/notes.txt"}));
  EXPECT_FALSE(AcceptedDropPath({}));
  EXPECT_FALSE(AcceptedDropPath({"/" + std::string(300, 'a') + ".jpg"}));
}

TEST_F(ViewRules, AFileThatCannotBeReadIsReportedWithItsPath) {
  CRecordingMessageBoxService messages;
  EXPECT_FALSE(LoadPhotoFromPath(document, "/nowhere/photo.jpg"));
  ASSERT_FALSE(messages.messages().empty());
  EXPECT_EQ(messages.messages().back().text, "Can't load image: /nowhere/photo.jpg.");

  const std::string path = (std::filesystem::temp_directory_path() / "kelvora_view_photo.bmp").string();
  ASSERT_TRUE(MakePhoto(64, 48)->SaveToBMPFile(path));
  EXPECT_TRUE(LoadPhotoFromPath(document, path));
  EXPECT_EQ(document.GetPhotoLayer()->GetImage()->GetSize(), CSize(64, 48));
  std::filesystem::remove(path);
}

TEST_F(ViewRules, SamplePhotosGoToTheFaceSetEvenFromTheBodySet) {
  CMemoryResourceModule style;
  const std::string path = (std::filesystem::temp_directory_path() / "kelvora_sample_photo.bmp").string();
  ASSERT_TRUE(MakePhoto(30, 20)->SaveToBMPFile(path));
  std::ifstream file(path, std::ios::binary);
  style.AddResource("IDB_PHOTO_W2", "bmpimage", std::vector<unsigned char>(std::istreambuf_iterator<char>(file), {}));
  std::filesystem::remove(path);
  document.SwitchProjectionSet(kBodySet);
  EXPECT_EQ(LoadSamplePhotos(document, &style), 1);
  EXPECT_EQ(document.GetMode(), kFaceSet);
  EXPECT_EQ(document.GetProjectionIndex(-1), 0);
  ASSERT_TRUE(document.GetProjection(1)->HasPhoto());
  EXPECT_EQ(document.GetProjection(1)->GetPhoto()->GetImage()->GetSize(), CSize(30, 20));
}

}  // namespace
