// The selection and deformation commands run through the main window's
// dispatch on the offscreen platform: the armed tool's button shows pressed
// and is the document's active outline, the area commands change the photo
// in photo mode as one undo step each, and the simulation warps the photo,
// discards its contours and is undone in one step, or stops on Escape.
#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QTimer>

#include "app/document/layer.h"
#include "app/document/undo_routing.h"
#include "app/shell/editing_commands.h"
#include "app/shell/progress_window.h"
#include "app/view/kelvora_view.h"
#include "controls/zor_check_box.h"
#include "platform/core/virtual_keys.h"
#include "platform/qt/dialog_template.h"
#include "tests/imagelib/image_builders.h"
#include "tests/imagelib/test_images.h"
#include "tests/shell/startup_fixture.h"

namespace {

using testimg::GetPixel;

class EditingCommands : public StartupTest {
 protected:
  void SetUp() override {
    StartWithSamplePhoto(320, 240);
    ASSERT_TRUE(Document().HasPhoto(true));
    Command(ID_PHOTO_FACE);
    ASSERT_TRUE(Frame().ViewMode().edit.photoMode);
  }
  CMainFrame& Frame() { return *app.MainFrame(); }
  CKelvoraDoc& Document() { return *Frame().Document(); }
  CDibAlpha& Photo() { return *Document().GetPhotoLayer()->GetImage(); }
  void Command(UINT id) { SendMessage(&Frame(), WM_COMMAND, MAKEWPARAM(id, 0)); }
  // A contour moved 15 pixels right inside a square area round it.
  void DrawSimulationOutlines() {
  Command(ID_INITIAL_CONTOUR);
  Document().GetInitialContour()->SetVertices({{160, 60}, {160, 180}});
  Command(ID_FINAL_CONTOUR);
  Document().GetFinalContour()->SetVertices({{175, 60}, {175, 180}});
  Command(ID_DEFORMATION_AREA);
  Document().GetDeformationArea()->SetVertices({{120, 40}, {220, 40}, {220, 200}, {120, 200}});
  }
  // Whether the check box of `id` on `panel` is shown pressed.
  bool Pressed(unsigned panel, unsigned id) {
    auto* check = dynamic_cast<CZORCheckBox*>(GetDlgItem(Frame().Panel(panel), id));
    EXPECT_TRUE(check) << id;
    return check && check->IsChecked();
  }
  std::vector<bool> PressedTools() {
    return {Pressed(103, ID_TOOL_LASSO), Pressed(103, ID_TOOL_WAND), Pressed(112, ID_INITIAL_CONTOUR),
            Pressed(112, ID_FINAL_CONTOUR), Pressed(112, ID_DEFORMATION_AREA)};
  }
  std::string UndoText() { return UndoCommandText(Document(), Frame().ViewMode().edit, UndoDirection::undo); }
};

TEST_F(EditingCommands, OneToolIsArmedAtATimeAndItsButtonIsShownPressed) {
  Command(ID_TOOL_LASSO);
  EXPECT_EQ(Frame().State().ArmedTool(), FrameTool::lasso);
  EXPECT_EQ(Document().GetActiveTool(), Document().GetSelectionOutline(SelectionTool::lasso));
  EXPECT_EQ(PressedTools(), (std::vector<bool>{true, false, false, false, false}));

  Command(ID_TOOL_WAND);
  EXPECT_EQ(Document().GetActiveTool(), Document().GetSelectionOutline(SelectionTool::wand));
  EXPECT_EQ(PressedTools(), (std::vector<bool>{false, true, false, false, false}));

  Command(ID_INITIAL_CONTOUR);
  EXPECT_EQ(Document().GetActiveTool(), Document().GetInitialContour());
  EXPECT_EQ(PressedTools(), (std::vector<bool>{false, false, true, false, false}));

  Command(ID_TOOL_COMB);
  EXPECT_EQ(Document().GetActiveTool(), nullptr) << "a hair tool takes over from the outline";
  EXPECT_EQ(PressedTools(), (std::vector<bool>(5, false)));

  Command(ID_DEFORMATION_AREA);
  Command(ID_DEFORMATION_AREA);
  EXPECT_EQ(Frame().State().ArmedTool(), FrameTool::none) << "a second press disarms";
  EXPECT_EQ(Document().GetActiveTool(), nullptr);
  EXPECT_EQ(PressedTools(), (std::vector<bool>(5, false)));

  Command(ID_TOOL_LASSO);
  Command(ID_MAKEUP);
  EXPECT_EQ(Document().GetActiveTool(), nullptr) << "changing modes disarms";
}

TEST_F(EditingCommands, TheViewDrawsTheArmedOutlineInItsTwoColoursOverThePhoto) {
  Command(ID_TOOL_LASSO);
  CSelectionContour* lasso = Document().GetSelectionOutline(SelectionTool::lasso);
  lasso->SetVertices({{40, 40}, {120, 40}, {120, 100}, {40, 100}});
  lasso->MarkSelected();
  const QImage shown = Frame().View()->grab().toImage();
  int red = 0, black = 0;
  for (int x = 41; x < 120; ++x) {
    const QColor c = shown.pixelColor(x, 40);
    red += c == QColor(255, 0, 0);
    black += c == QColor(0, 0, 0);
  }
  EXPECT_GT(red, 10);
  EXPECT_GT(black, 10);
  EXPECT_EQ(red + black, 79) << "the dashes alternate the two colours along the whole edge";
  const testimages::Bgr inside = testimages::PatternColour(80, 70);
  EXPECT_EQ(shown.pixelColor(80, 70), QColor(inside.red, inside.green, inside.blue));

  Command(ID_TOOL_LASSO);
  const QImage disarmed = Frame().View()->grab().toImage();
  const testimages::Bgr edge = testimages::PatternColour(60, 40);
  EXPECT_EQ(disarmed.pixelColor(60, 40), QColor(edge.red, edge.green, edge.blue)) << "no outline once disarmed";
}

TEST_F(EditingCommands, TheFinalContourStartsAsACopyOfTheInitialOne) {
  Command(ID_INITIAL_CONTOUR);
  const std::vector<CPoint> drawn{{100, 40}, {110, 120}, {105, 200}};
  Document().GetInitialContour()->SetVertices(drawn);
  Command(ID_FINAL_CONTOUR);
  EXPECT_EQ(Document().GetFinalContour()->GetVertices(), drawn);
  Document().GetFinalContour()->SetVertices({{120, 40}, {130, 120}, {125, 200}});
  Command(ID_DEFORMATION_AREA);
  Command(ID_FINAL_CONTOUR);
  EXPECT_EQ(Document().GetFinalContour()->GetVertices(), (std::vector<CPoint>{{120, 40}, {130, 120}, {125, 200}}))
      << "armed after the area, the final contour keeps its shape";
  Command(ID_INITIAL_CONTOUR);
  Command(ID_FINAL_CONTOUR);
  EXPECT_EQ(Document().GetFinalContour()->GetVertices(), (std::vector<CPoint>{{120, 40}, {130, 120}, {125, 200}}))
      << "armed again after the initial contour, the reshaping is kept";
  Command(ID_INITIAL_CONTOUR);
  const std::vector<CPoint> redrawn{{90, 40}, {95, 100}, {100, 160}, {98, 210}};
  Document().GetInitialContour()->SetVertices(redrawn);
  Command(ID_FINAL_CONTOUR);
  EXPECT_EQ(Document().GetFinalContour()->GetVertices(), redrawn) << "a redrawn initial contour starts it afresh";
}

TEST_F(EditingCommands, AreaCommandsEditThePhotoInsideTheLassoAsOneStepEach) {
  Command(ID_AREA_FILL);  // nothing armed: nothing happens
  EXPECT_EQ(UndoText(), "");
  Command(ID_TOOL_LASSO);
  CSelectionContour* lasso = Document().GetSelectionOutline(SelectionTool::lasso);
  lasso->SetVertices({{40, 40}, {120, 40}, {120, 100}, {40, 100}});
  lasso->MarkSelected();
  const testimg::Pixel before = GetPixel(Photo(), 80, 70);
  const testimg::Pixel outside = GetPixel(Photo(), 200, 70);

  Command(ID_AREA_CLEAR);
  EXPECT_NE(UndoText().find("Clear"), std::string::npos) << UndoText();
  Command(ID_EDIT_UNDO);
  EXPECT_EQ(GetPixel(Photo(), 80, 70), before);

  Command(ID_AREA_COPY);
  EXPECT_TRUE(Frame().ViewMode().areaCopied) << "Paste is offered once something is copied";
  EXPECT_EQ(UndoText(), "") << "Copy is no step";
  lasso->OnKeyDown(VK_SHIFT);
  // Move the outline by (100, 0) as a Shift drag would, then paste there.
  struct CShiftBy : CContourDragRunner {
    bool Run(CContourDrag& drag, CPoint press) override {
      drag.Begin(press);
      drag.Move({press.x + 100, press.y});
      return true;
    }
  } shift;
  lasso->OnButtonDown(shift, {40, 40});
  lasso->OnKeyUp(VK_SHIFT);
  Command(ID_AREA_PASTE_COMMAND);
  EXPECT_NE(UndoText().find("Paste"), std::string::npos) << UndoText();
  EXPECT_EQ(GetPixel(Photo(), 180, 70), before) << "the pasted pixels land where the outline went";
  EXPECT_NE(GetPixel(Photo(), 200, 70), outside);
  Command(ID_EDIT_UNDO);
  EXPECT_EQ(GetPixel(Photo(), 200, 70), outside);
}

TEST_F(EditingCommands, TheSimulationWarpsThePhotoDiscardsItsContoursAndIsOneStep) {
  std::unique_ptr<CDibAlpha> original = std::make_unique<CDibAlpha>(Photo());
  DrawSimulationOutlines();
  Command(ID_START_SIMULATION);

  EXPECT_EQ(Document().GetInitialContour(), nullptr);
  EXPECT_EQ(Document().GetActiveTool(), nullptr);
  EXPECT_EQ(Frame().State().ArmedTool(), FrameTool::none);
  EXPECT_EQ(PressedTools(), (std::vector<bool>(5, false)));
  EXPECT_NE(UndoText().find("Modelling"), std::string::npos) << UndoText();
  EXPECT_EQ(GetPixel(Photo(), 60, 120), GetPixel(*original, 60, 120)) << "outside the area nothing moves";
  EXPECT_FALSE(testimg::SamePixels(Photo(), *original));
  Command(ID_EDIT_UNDO);
  EXPECT_TRUE(testimg::SamePixels(Photo(), *original));
}

TEST_F(EditingCommands, EscapeInTheProgressWindowStopsTheSimulationAndLeavesThePhoto) {
  std::unique_ptr<CDibAlpha> original = std::make_unique<CDibAlpha>(Photo());
  DrawSimulationOutlines();
  // The key reaches the window while the warp lets its events through.
  bool pressed = false;
  QTimer::singleShot(0, [&] {
    for (QWidget* window : QApplication::topLevelWidgets())
      if (auto* progress = dynamic_cast<CProgressWindow*>(window); progress && progress->isVisible()) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(progress, &escape);
        pressed = true;
      }
  });
  Command(ID_START_SIMULATION);
  EXPECT_TRUE(pressed);
  EXPECT_TRUE(testimg::SamePixels(Photo(), *original)) << "a stopped warp leaves the photo as it was";
  EXPECT_EQ(UndoText().find("Modelling"), std::string::npos) << "and is no step";
}

}  // namespace
