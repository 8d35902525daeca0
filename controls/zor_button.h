// CZORButton ("ZORButton"): a push button drawn from skin pictures. Frames
// base + "_D1", "_D2", ... and the optional "_DISABLED", "_MOUSEIN" and
// "_DOWNMOUSEIN" pictures are composed once into a strip of cells, black
// being see-through; each paint shows one cell. Two frames toggle on press
// and release; more frames animate on a timer while the mouse is over the
// button. A left click sends WM_COMMAND (id, BN_CLICKED) to the parent; a
// right click posts "BGRButMsg" (0, id) to the notification window.
// Where the painter draws two device pixels to the unit, a second strip is
// composed from the double-density pictures, its cells at twice the
// offsets, and drawn over the same logical rectangle.
#pragma once

#include <QImage>
#include <QPointer>

#include <vector>

#include "controls/button_animation.h"
#include "controls/scaled_picture.h"
#include "controls/zor_ctrl_wnd.h"

inline constexpr int kButtonTwoStateOption = 1;
// The disabled, mouse-in and down-mouse-in pictures are drawn in place of
// the frame they stand for instead of being kept in the strip.
inline constexpr int kButtonInPlaceOption = 4;

class CZORButton : public CZORCtrlWnd {
 public:
  explicit CZORButton(QWidget* parent = nullptr);
  ~CZORButton() override;

  int SubclassDlgItem(UINT id, QWidget* parent, QWidget* notify, bool repeat);
  int SubclassDlgItem(UINT id, QWidget* parent) override { return SubclassDlgItem(id, parent, nullptr, false); }

  // Options take effect when the control is subclassed.
  void SetOptions(int options) { m_options = options; }
  int Options() const { return m_options; }

  UINT GetDelay() const { return m_delay; }
  // Returns the previous delay.
  UINT SetDelay(UINT milliseconds);

  static bool MaskDraw(CDC* dc, const void* picture, CPoint at) { return MaskDrawPicture(dc, picture, at); }
  static PictureBlock LoadFromResource(const char* name, const char* type, HINSTANCE module) {
    return LoadPictureBlock(name, type, module);
  }
  // Paints the current cell.
  void DrawItem(QPainter& painter);

  const CButtonAnimation& Animation() const { return *m_animation; }
  int FrameCount() const { return static_cast<int>(m_frames.size()); }
  CSize FrameSize() const { return m_frameSize; }
  // The composed strip at scale 1 or 2; null before the first paint at
  // that scale.
  const QImage& Strip(int scale = 1) const { return m_strips[scale > 1 ? 1 : 0]; }

 protected:
  // The check box brings its own state machine.
  CZORButton(QWidget* parent, std::unique_ptr<CButtonAnimation> animation);

  void PreSubclassWindow() override;
  void OnBGMsg(WPARAM wParam, LPARAM lParam) override;
  void OnTimer(UINT id) override;
  void OnEnable(bool enabled) override;
  void OnDestroy() override;
  virtual void OnLeftRelease();

  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

  void Repaint(bool needed) {
    if (needed) update();
  }
  void NotifyParentClicked();

  std::unique_ptr<CButtonAnimation> m_animation;

 private:
  void BuildStrip(int scale);

  std::vector<CScaledPicture> m_frames;
  CSize m_frameSize;
  UINT m_delay = 100;
  bool m_timerStarted = false;
  bool m_firstDraw = true;
  int m_options = kButtonTwoStateOption;
  QPointer<QWidget> m_notify;
  CScaledPicture m_disabled;
  CScaledPicture m_mouseIn;
  CScaledPicture m_downMouseIn;
  QImage m_strips[2];
};
