#include "app/shell/frame/frame_state.h"

#include "app/document/item_kinds.h"

namespace {

struct ToolCommand {
  FrameTool tool;
  CommandId command;
};

constexpr ToolCommand kToolCommands[] = {
    {FrameTool::faceRectangle, ID_SET_FACE_RECTANGLE}, {FrameTool::printArea, ID_SET_PRINT_AREA},
    {FrameTool::hairStretch, ID_HAIR_STRETCH},         {FrameTool::snippers, ID_TOOL_SNIPPERS},
    {FrameTool::comb, ID_TOOL_COMB},                   {FrameTool::brush, ID_TOOL_BRUSH},
    {FrameTool::spray, ID_TOOL_SPRAY},                 {FrameTool::eyedropper, ID_TOOL_EYEDROPPER},
    {FrameTool::ownEyedropper, ID_TOOL_OWN_EYEDROPPER}, {FrameTool::lasso, ID_TOOL_LASSO},
    {FrameTool::wand, ID_TOOL_WAND},                   {FrameTool::zoom, ID_TOOL_ZOOM},
    {FrameTool::initialContour, ID_DEFORM_INITIAL},    {FrameTool::finalContour, ID_DEFORM_FINAL},
    {FrameTool::deformArea, ID_DEFORM_AREA},
};

constexpr int kDefaultFilterStrength = 95;

}  // namespace

std::optional<FrameTool> ToolOfCommand(CommandId id) {
  for (const ToolCommand& entry : kToolCommands)
    if (entry.command == id) return entry.tool;
  return std::nullopt;
}

bool IsContourTool(FrameTool tool) {
  return tool == FrameTool::lasso || tool == FrameTool::wand || tool == FrameTool::initialContour ||
         tool == FrameTool::finalContour || tool == FrameTool::deformArea;
}

CommandId CommandOfTool(FrameTool tool) {
  for (const ToolCommand& entry : kToolCommands)
    if (entry.tool == tool) return entry.command;
  return 0;
}

void CFrameState::Reset() {
  m_mode = CViewMode{};
  m_tool = FrameTool::none;
  m_thickness = 1;
  m_rightPanel = kEmptyRightPanelTemplate;
  ResetSliders();
  SyncToolFlags();
}

void CFrameState::LeaveModes() {
  m_mode.edit.photoMode = m_mode.edit.makeupMode = false;
  m_mode.edit.currentKind = -1;
}

bool CFrameState::ChooseKind(int kind) {
  const bool again = m_mode.edit.currentKind == kind;
  DisarmTools();
  LeaveModes();
  if (again || !IsItemKind(kind)) {
    m_rightPanel = kEmptyRightPanelTemplate;
    return false;
  }
  m_mode.edit.currentKind = kind;
  m_rightPanel = kind == kKindCustom ? kCustomPanelTemplate : kItemPanelTemplate;
  return true;
}

bool CFrameState::TogglePhotoMode() {
  const bool on = !m_mode.edit.photoMode;
  DisarmTools();
  LeaveModes();
  m_mode.edit.photoMode = on;
  m_rightPanel = on ? kImagePanelTemplate : kEmptyRightPanelTemplate;
  return on;
}

bool CFrameState::ToggleMakeupMode() {
  const bool on = !m_mode.edit.makeupMode;
  DisarmTools();
  LeaveModes();
  m_mode.edit.makeupMode = on;
  m_rightPanel = on ? kMakeupPanelTemplate : kEmptyRightPanelTemplate;
  return on;
}

bool CFrameState::ToggleTool(FrameTool tool) {
  m_tool = m_tool == tool ? FrameTool::none : tool;
  SyncToolFlags();
  return m_tool != FrameTool::none;
}

void CFrameState::DisarmTools() {
  m_tool = FrameTool::none;
  SyncToolFlags();
}

bool CFrameState::ChooseThickness(CommandId id) {
  if (id < ID_THICKNESS_1 || id > ID_THICKNESS_6) return false;
  m_thickness = static_cast<int>(id - ID_THICKNESS_1) + 1;
  SyncToolFlags();
  return true;
}

std::optional<int> CFrameState::ChooseFilter(CommandId id) {
  if (id == ID_CUSTOM_FILTER) return m_sliders.filterNumber = kCustomFilterNumber;
  if (id < ID_FILTER_FIRST || id > ID_FILTER_LAST) return std::nullopt;
  const int number = static_cast<int>(id - ID_FILTER_FIRST);
  m_sliders.filterNumber = m_sliders.filterNumber == number ? kNoFilter : number;
  return m_sliders.filterNumber;
}

void CFrameState::SyncToolFlags() {
  CEditMode& edit = m_mode.edit;
  edit.faceRectangleTool = m_tool == FrameTool::faceRectangle;
  edit.printAreaTool = m_tool == FrameTool::printArea;
  edit.hairStretchTool = m_tool == FrameTool::hairStretch;
  m_mode.zoomTool = m_tool == FrameTool::zoom;
  m_mode.eyedropper = m_tool == FrameTool::eyedropper;
  m_mode.ownColourEyedropper = m_tool == FrameTool::ownEyedropper;
  switch (m_tool) {
    case FrameTool::comb: m_mode.hairTool = HairTool::comb; break;
    case FrameTool::snippers: m_mode.hairTool = HairTool::snippers; break;
    case FrameTool::brush: m_mode.hairTool = HairTool::brush; break;
    case FrameTool::spray: m_mode.hairTool = HairTool::spray; break;
    default: m_mode.hairTool = HairTool::none; break;
  }
  m_mode.eyedropperThickness = m_thickness;
}

void CFrameState::SetSlidersFrom(const CLayer& layer) {
  m_sliders.brightness = layer.GetBrightness();
  m_sliders.contrast = layer.GetContrast();
  m_sliders.hue = layer.GetHue();
  m_sliders.filterStrength = layer.GetFilterStrength();
  m_sliders.opacity = 100 - layer.GetImageOpacity();
  m_sliders.filterNumber = layer.IsFilterOn() ? layer.GetFilterNumber() : kNoFilter;
  if (m_sliders.filterNumber == kCustomFilterNumber) m_sliders.customFilterColour = layer.GetFilterColour();
}

void CFrameState::ResetSliders() {
  m_sliders.brightness = m_sliders.contrast = m_sliders.hue = 50;
  m_sliders.filterStrength = kDefaultFilterStrength;
  m_sliders.opacity = 0;
  m_sliders.filterNumber = kNoFilter;
}

bool CFrameState::SetSlider(CommandId sliderId, int value) {
  switch (sliderId) {
    case ID_SLIDER_BRIGHTNESS: m_sliders.brightness = value; return true;
    case ID_SLIDER_CONTRAST: m_sliders.contrast = value; return true;
    case ID_SLIDER_HUE: m_sliders.hue = value; return true;
    case ID_SLIDER_FILTER: m_sliders.filterStrength = value; return true;
    case ID_SLIDER_OPACITY: m_sliders.opacity = value; return true;
    default: return false;
  }
}

std::optional<int> CFrameState::SliderValue(CommandId sliderId) const {
  switch (sliderId) {
    case ID_SLIDER_BRIGHTNESS: return m_sliders.brightness;
    case ID_SLIDER_CONTRAST: return m_sliders.contrast;
    case ID_SLIDER_HUE: return m_sliders.hue;
    case ID_SLIDER_FILTER: return m_sliders.filterStrength;
    case ID_SLIDER_OPACITY: return m_sliders.opacity;
    default: return std::nullopt;
  }
}

bool CFrameState::IsButtonDown(CommandId id) const {
  if (id >= ID_THICKNESS_1 && id <= ID_THICKNESS_6) return static_cast<int>(id - ID_THICKNESS_1) + 1 == m_thickness;
  if (auto tool = ToolOfCommand(id)) return *tool == m_tool;
  if (id == ID_PHOTO_FACE || id == ID_PHOTO_BODY) return m_mode.edit.photoMode;
  if (id == ID_MAKEUP) return m_mode.edit.makeupMode;
  if (id == ID_COMB_DRAWING) return m_combDrawing;
  if (id >= ID_FILTER_FIRST && id <= ID_FILTER_LAST) return static_cast<int>(id - ID_FILTER_FIRST) == m_sliders.filterNumber;
  for (int kind = 0; kind < kItemKindCount; ++kind)
    if (FindItemKind(kind)->command == id) return kind == m_mode.edit.currentKind;
  return false;
}
