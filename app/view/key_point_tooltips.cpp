#include "app/view/key_point_tooltips.h"

ProjectionHandles HandlesOfProjection(int index) {
  return {index >= 0 && index <= 3, index == 0 || index == 1, index == 0, index == 4};
}

// Later tests win: underarm or eyes, then the face frame's sides, then lips.
unsigned KeyPointTooltipAt(const CProjection& projection, int index, CPoint p) {
  const ProjectionHandles handles = HandlesOfProjection(index);
  unsigned tip = 0;
  if (handles.underarmLine) {
    const int hit = projection.UnderarmLine().HitTest(p.x, p.y);
    if (hit >= 0) tip = 61775 + hit;
  }
  if (handles.eyesLine) {
    const int hit = projection.EyesLine().HitTest(p.x, p.y);
    if (hit >= 0) tip = 61767 + hit;
  }
  if (handles.faceFrame) {
    const int hit = projection.FaceFrame().HitTest(p.x, p.y);
    if (hit >= 4 && hit <= 7) tip = 61769 + (hit - 4);
  }
  if (handles.lipsLine) {
    const int hit = projection.LipsLine().HitTest(p.x, p.y);
    if (hit >= 0) tip = 61773 + hit;
  }
  return tip;
}
