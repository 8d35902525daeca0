// The main window's selection, area and deformation commands: arming the
// lasso (1029) and the magic wand (1030), the area operations 1031 to 1036
// with their keys, the deformation buttons 1177 to 1180 with their
// tooltips. They are registered on the frame through its command hook, so
// the frame itself only calls RegisterEditingCommands once its view exists.
#pragma once

class CMainFrame;
class CContourViewTools;
struct CSettings;

inline constexpr unsigned ID_TOOL_LASSO = 1029;
inline constexpr unsigned ID_TOOL_WAND = 1030;
inline constexpr unsigned ID_AREA_FILL = 1031;
inline constexpr unsigned ID_AREA_BLUR = 1032;
inline constexpr unsigned ID_AREA_CLEAR = 1033;
inline constexpr unsigned ID_AREA_COPY = 1034;
inline constexpr unsigned ID_AREA_PASTE_COMMAND = 1036;
inline constexpr unsigned ID_START_SIMULATION = 1177;
inline constexpr unsigned ID_INITIAL_CONTOUR = 1178;
inline constexpr unsigned ID_FINAL_CONTOUR = 1179;
inline constexpr unsigned ID_DEFORMATION_AREA = 1180;

void RegisterEditingCommands(CMainFrame& frame, CContourViewTools& tools, const CSettings& settings);
