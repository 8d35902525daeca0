// What the main window keeps between commands, as plain code: the item kind
// being tried, the armed tool, the brush thickness, the right-hand panel and
// where the adjustment sliders stand. The Qt frame feeds it its commands and
// copies the answers to its buttons, sliders and the view.
//
// Rules: at most one tool is armed (pressing an armed tool's button again
// disarms it); exactly one thickness is chosen, 1 at start, and pressing the
// chosen one keeps it; choosing a kind, photo mode or make-up mode disarms
// every tool, and pressing the current one's button again leaves it.
#pragma once

#include <optional>

#include "app/document/layer.h"
#include "app/shell/frame/command_ids.h"
#include "app/view/slider_application.h"
#include "app/view/view_mode.h"

enum class FrameTool {
  none,
  faceRectangle,  // 1012
  printArea,      // 1013
  hairStretch,    // 1014
  snippers,       // 1021
  comb,           // 1022
  brush,          // 1025
  spray,          // 1026
  eyedropper,     // 1027
  ownEyedropper,  // 1028
  lasso,          // 1029
  wand,           // 1030
  zoom,           // 1051
  initialContour, // 1178
  finalContour,   // 1179
  deformArea,     // 1180
};

// The tools whose outline the document keeps as its active tool object.
bool IsContourTool(FrameTool tool);

// The tool a command arms, or none when the command is not a tool's.
std::optional<FrameTool> ToolOfCommand(CommandId id);
CommandId CommandOfTool(FrameTool tool);

inline constexpr unsigned kImagePanelTemplate = 112;
inline constexpr unsigned kItemPanelTemplate = 104;
inline constexpr unsigned kMakeupPanelTemplate = 151;
inline constexpr unsigned kCustomPanelTemplate = 143;
inline constexpr unsigned kEmptyRightPanelTemplate = 106;

class CFrameState {
 public:
  CFrameState() { Reset(); }

  // Back to the start: no kind, no tool, thickness 1, the empty panel, the
  // sliders at their defaults.
  void Reset();

  // --- item kinds and modes ---
  int CurrentKind() const { return m_mode.edit.currentKind; }
  // An item kind's button. True when the kind became current, false when it
  // was current already and is left (no kind, the empty panel).
  bool ChooseKind(int kind);
  bool PhotoMode() const { return m_mode.edit.photoMode; }
  bool MakeupMode() const { return m_mode.edit.makeupMode; }
  // Commands 1000 and 1002: on with their panel, or off again.
  bool TogglePhotoMode();
  bool ToggleMakeupMode();

  // --- tools ---
  FrameTool ArmedTool() const { return m_tool; }
  // Arms `tool`, or disarms it when it is armed already. True when armed.
  bool ToggleTool(FrameTool tool);
  void DisarmTools();
  int Thickness() const { return m_thickness; }
  // Commands 1202 to 1207; false for other numbers.
  bool ChooseThickness(CommandId id);
  // Check box 1023: the comb paints the colour where a stroke starts.
  bool CombDrawing() const { return m_combDrawing; }
  void ToggleCombDrawing() { m_combDrawing = !m_combDrawing; }

  // --- colour filters ---
  // The filter buttons 1062 to 1072 and the custom filter 1073: the
  // filter number (0..10, 11) they choose, or none (-1) when the chosen
  // profile button is pressed again. Nothing for other ids.
  std::optional<int> ChooseFilter(CommandId id);
  int FilterNumber() const { return m_sliders.filterNumber; }
  void SetCustomFilterColour(COLORREF colour) { m_sliders.customFilterColour = colour; }

  // --- panels ---
  unsigned RightPanel() const { return m_rightPanel; }
  // A panel shown by a command outside the frame (the gallery); the kind
  // and modes stay as they are.
  void SetRightPanel(unsigned templateId) { m_rightPanel = templateId; }

  // --- sliders ---
  const CSliderPositions& Sliders() const { return m_sliders; }
  // Brightness, contrast, hue, filter strength from the layer; opacity is
  // 100 minus its image opacity. The chosen filter follows the layer's, so
  // the buttons show what the layer wears.
  void SetSlidersFrom(const CLayer& layer);
  // 50, 50, 50, 95 and 0.
  void ResetSliders();
  // A slider moved to `value` (0..100). True for the adjustment sliders
  // (whose change the view applies after its pause); false for the rest.
  bool SetSlider(CommandId sliderId, int value);
  std::optional<int> SliderValue(CommandId sliderId) const;

  // --- what the buttons show ---
  // Whether the button of `id` is shown pressed: the current kind, the mode,
  // the armed tool and the chosen thickness.
  bool IsButtonDown(CommandId id) const;
  // The view's and the document's reading of the state.
  const CViewMode& ViewMode() const { return m_mode; }
  CViewMode& ViewMode() { return m_mode; }

 private:
  void SyncToolFlags();
  void LeaveModes();

  CViewMode m_mode;
  FrameTool m_tool = FrameTool::none;
  int m_thickness = 1;
  bool m_combDrawing = false;
  unsigned m_rightPanel = kEmptyRightPanelTemplate;
  CSliderPositions m_sliders;
};
