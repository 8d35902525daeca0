#include "app/shell/frame_cursors.h"

#include "app/resources/program_cursors.h"
#include "controls/skin_resources.h"

CFrameCursors LoadFrameCursors() {
  CFrameCursors cursors;
  for (int octant = 0; octant < 8; ++octant)
    cursors.rotate[octant] = LoadCustomCursor(RotateCursorName(octant).c_str());
  for (int axis = 0; axis < 4; ++axis) cursors.resize[axis] = LoadCustomCursor(MakeIntResource(kResizeCursorIds[axis]));
  cursors.move = LoadCustomCursor(MakeIntResource(kMoveCursorId));
  cursors.linePoint = LoadCustomCursor(MakeIntResource(kLinePointCursorId));
  return cursors;
}
