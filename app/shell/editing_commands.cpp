// The frame's state says which tool is armed (at most one) and shows its
// button pressed; its dispatch has toggled that state before these handlers
// run. A handler then makes the tool's outline when absent and the
// document's active tool object, or clears it when the press disarmed it.
// The controls a command reads (the pressure slider, the thickness button,
// the colour) are read when it runs.
#include "app/shell/editing_commands.h"


#include "app/editing/area_operation.h"
#include "app/editing/deform.h"
#include "app/editing/edited_layer.h"
#include "app/shell/frame/frame_state.h"
#include "app/shell/main_frame.h"
#include "app/shell/progress_window.h"
#include "app/view/contour_view_tools.h"
#include "app/view/kelvora_view.h"
#include "controls/zor_ctrl_wnd.h"
#include "controls/zor_slider.h"
#include "platform/core/resource_module.h"
#include "platform/qt/dialog_template.h"

namespace {

constexpr unsigned kToolsPanel = 103;
constexpr unsigned kImagePanel = 112;

class CEditingCommands {
 public:
  CEditingCommands(CMainFrame& frame, CContourViewTools& tools, const CSettings& settings)
      : m_frame(frame), m_document(*frame.Document()), m_tools(tools), m_settings(settings) {}

  void ArmSelection(SelectionTool tool) {
    if (m_frame.State().ArmedTool() != ToolOf(tool)) {
      Disarm();
      return;
    }
    CSelectionContour& made = m_document.MakeSelectionOutline(tool, m_settings.useCtrlForTracker);
    made.ClearVertices();
    m_document.SetActiveTool(&made);
    Sync();
  }

  void ArmContour(unsigned command) {
    if (m_frame.State().ArmedTool() != *ToolOfCommand(command)) {
      Disarm();
      return;
    }
    if (!m_document.GetInitialContour()) m_document.CreateContours(m_settings.useCtrlForTracker);
    CDeformContour* contour = command == ID_INITIAL_CONTOUR ? m_document.GetInitialContour()
                              : command == ID_FINAL_CONTOUR ? m_document.GetFinalContour()
                                                            : m_document.GetDeformationArea();
    // The final contour starts as a copy of the initial one and is then only
    // reshaped: arming it again must not throw the user's reshaping away.
    // A redrawn initial contour with another vertex count starts it afresh,
    // since the warp pairs the two contours' vertices.
    if (command == ID_FINAL_CONTOUR) {
      const std::vector<CPoint>& initial = m_document.GetInitialContour()->GetVertices();
      if (contour->GetVertices().empty() || contour->GetVertices().size() != initial.size())
        contour->SetVertices(initial);
    }
    m_document.SetActiveTool(contour);
    Sync();
  }

  void RunArea(AreaOp op) {
    const std::optional<SelectionTool> selection = ArmedSelection();
    if (!selection) return;
    CAreaControls controls = Controls();
    // The mask of a large selection can take a moment; a short one shows
    // no window.
    CProgressWindow progress(&m_frame, CProgressWindow::Show::whenSlow);
    AreaOperation(m_document, EditedLayer(m_document, m_frame.ViewMode().edit),
                  m_document.GetSelectionOutline(*selection), op, controls,
                  [&](int percent) { progress.Advance(percent); });
    Sync();
  }

  void StartSimulation() {
    m_frame.DisarmTools();
    if (CKelvoraView* view = m_frame.View()) view->repaint();
    CProgressWindow progress(&m_frame);
    Deform(m_document, [&](int percent) { return progress.Advance(percent); });
    Sync();
  }

  CWandSetup WandSetup() {
    return {EditedLayer(m_document, m_frame.ViewMode().edit), Controls().pressure, Controls().thickness};
  }

  void Sync() {
    CViewMode& mode = m_frame.ViewMode();
    const std::optional<SelectionTool> selection = ArmedSelection();
    const CSelectionContour* outline = selection ? m_document.GetSelectionOutline(*selection) : nullptr;
    mode.areaSelected = outline && outline->IsCompleted();
    mode.areaCopied = outline && outline->IsBufferFilled();
    if (CKelvoraView* view = m_frame.View()) {
      view->Controller().SetMode(mode);
      view->update();
    }
  }

 private:
  CAreaControls Controls() {
    CAreaControls controls;
    controls.thickness = m_frame.State().Thickness();
    if (CSkinPanel* tools = m_frame.Panel(kToolsPanel))
      if (auto* slider = dynamic_cast<CZORSlider*>(GetDlgItem(tools, ID_SLIDER_PRESSURE))) controls.pressure = slider->GetPos();
    return controls;
  }

  static FrameTool ToolOf(SelectionTool tool) {
    return tool == SelectionTool::lasso ? FrameTool::lasso : FrameTool::wand;
  }

  // The lasso when its button is down, else the wand when its is.
  std::optional<SelectionTool> ArmedSelection() const {
    switch (m_frame.State().ArmedTool()) {
      case FrameTool::lasso: return SelectionTool::lasso;
      case FrameTool::wand: return SelectionTool::wand;
      default: return std::nullopt;
    }
  }

  void Disarm() {
    m_document.SetActiveTool(nullptr);
    Sync();
  }

  CMainFrame& m_frame;
  CKelvoraDoc& m_document;
  CContourViewTools& m_tools;
  const CSettings& m_settings;
};

void SetTooltips(CMainFrame& frame) {
  CSkinPanel* panel = frame.Panel(kImagePanel);
  if (!panel) return;
  for (unsigned id : {ID_START_SIMULATION, ID_INITIAL_CONTOUR, ID_FINAL_CONTOUR, ID_DEFORMATION_AREA})
    if (auto* control = dynamic_cast<CZORCtrlWnd*>(GetDlgItem(panel, id)))
      control->SetToolTipText(LoadResourceString(id).c_str());
}

}  // namespace

void RegisterEditingCommands(CMainFrame& frame, CContourViewTools& tools, const CSettings& settings) {
  if (!frame.Document()) return;
  auto commands = std::make_shared<CEditingCommands>(frame, tools, settings);
  tools.SetWandSetupSource([commands] { return commands->WandSetup(); });
  tools.SetOnOutlineChanged([commands] { commands->Sync(); });
  frame.SetCommandHandler(ID_TOOL_LASSO, [commands] { commands->ArmSelection(SelectionTool::lasso); });
  frame.SetCommandHandler(ID_TOOL_WAND, [commands] { commands->ArmSelection(SelectionTool::wand); });
  const std::pair<unsigned, AreaOp> areaCommands[] = {{ID_AREA_FILL, AreaOp::fill},
                                                      {ID_AREA_BLUR, AreaOp::blur},
                                                      {ID_AREA_CLEAR, AreaOp::clear},
                                                      {ID_AREA_COPY, AreaOp::copy},
                                                      {ID_AREA_PASTE_COMMAND, AreaOp::paste}};
  for (auto [id, op] : areaCommands) frame.SetCommandHandler(id, [commands, op] { commands->RunArea(op); });
  for (unsigned id : {ID_INITIAL_CONTOUR, ID_FINAL_CONTOUR, ID_DEFORMATION_AREA})
    frame.SetCommandHandler(id, [commands, id] { commands->ArmContour(id); });
  frame.SetCommandHandler(ID_START_SIMULATION, [commands] { commands->StartSimulation(); });

  // Their keys are rows of the frame's one accelerator list.
  SetTooltips(frame);
  if (CKelvoraView* view = frame.View()) new CContourOverlay(*frame.Document(), view);
}
