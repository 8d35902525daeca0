#include "app/document/cross_dissolve.h"

#include <memory>

int ForEachDissolveFrame(CDib& before, CDib& after, const std::function<void(CDib& frame, double t)>& draw) {
  int frames = 0;
  for (double t = 0.0; t < 1.0; t += kDissolveStep) {
    std::unique_ptr<CDib> frame(before.Effect_CrossDissolve(&after, t, true));
    if (!frame) return frames;
    if (draw) draw(*frame, t);
    ++frames;
  }
  return frames;
}

CRect DissolveWindowRect(const CRect& area, int scrollX, int scrollY, double zoom) {
  const int left = static_cast<int>((area.left - scrollX) * zoom);
  const int top = static_cast<int>((area.top - scrollY) * zoom);
  const int width = static_cast<int>(area.Width() * zoom);
  const int height = static_cast<int>(area.Height() * zoom);
  return {left, top, left + width, top + height};
}
