// What the main window has armed, as the view's rules read it: the
// document's edit mode plus the tools that only the view dispatches.
#pragma once

#include "app/document/document_host.h"

enum class HairTool { none, comb, snippers, brush, spray };

struct CViewMode {
  CEditMode edit;
  bool zoomTool = false;              // command 1051
  bool eyedropper = false;            // command 1027
  bool ownColourEyedropper = false;   // command 1028
  HairTool hairTool = HairTool::none;
  int eyedropperThickness = 0;        // 1..6, 0 when none is chosen
  bool areaSelected = false;          // an area selection exists
  bool areaCopied = false;            // something was copied from it
};

// The side of the eyedropper's pick square for a thickness choice.
int EyedropperSquareSide(int thickness);
