// The program's own cursors as "CustomCursor" resources.
#pragma once

#include "platform/core/resource_module.h"

// "IDC_CUR_CUSTOMBUTTON" (the pointing hand over skinned buttons) and
// "IDC_CUR_HANDCLOSE" (the closed hand that drags a thumb).
void AddProgramCursors(CMemoryResourceModule& module);
