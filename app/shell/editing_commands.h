// The main window's selection, area and deformation commands: arming the
// lasso (1029) and the magic wand (1030), the area operations 1031 to 1036
// with their keys, the deformation buttons 1177 to 1180 with their
// tooltips. They are registered on the frame through its command hook, so
// the frame itself only calls RegisterEditingCommands once its view exists.
#pragma once

#include "app/shell/frame/command_ids.h"

class CMainFrame;
class CContourViewTools;
struct CSettings;

inline constexpr unsigned ID_START_SIMULATION = ID_DEFORM_START;
inline constexpr unsigned ID_INITIAL_CONTOUR = ID_DEFORM_INITIAL;
inline constexpr unsigned ID_FINAL_CONTOUR = ID_DEFORM_FINAL;
inline constexpr unsigned ID_DEFORMATION_AREA = ID_DEFORM_AREA;
inline constexpr unsigned ID_AREA_PASTE_COMMAND = 1036;

void RegisterEditingCommands(CMainFrame& frame, CContourViewTools& tools, const CSettings& settings);
