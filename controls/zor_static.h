// CZORStatic ("ZORStatic"): a skinned picture that shows one of its frames,
// base + "_D1", "_D2", ..., black being see-through, sized to the first.
// The owner chooses the frame (the projection picture shows the current
// projection, a panel's layer-name label the current item kind); the index
// is kept within the frames the style gives. A left click sends WM_COMMAND
// (id, BN_CLICKED) to the parent.
#pragma once

#include <vector>

#include "controls/scaled_picture.h"
#include "controls/zor_ctrl_wnd.h"

class CZORStatic : public CZORCtrlWnd {
 public:
  explicit CZORStatic(QWidget* parent = nullptr);
  ~CZORStatic() override;

  int FrameCount() const { return static_cast<int>(m_frames.size()); }
  int GetCurFrame() const { return m_current; }
  // Clamped into the frames; repaints when the shown frame changes.
  void SetCurFrame(int index);

 protected:
  void PreSubclassWindow() override;
  void paintEvent(QPaintEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  std::vector<CScaledPicture> m_frames;
  int m_current = 0;
};
