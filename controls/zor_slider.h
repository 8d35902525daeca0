// CZORSlider ("ZORSlider"): a value from 0 to 100 shown as a thumb picture
// ("_THUMB", "_ACTION" while the pointer is over it) on a background
// ("_BACKGROUND") with the track filled in the track colour up to the
// thumb. Option bits pick drawing variants: the action area (from the
// track's first end to the thumb) filled with the "_TRACK" picture, or the
// "_TRACK" picture drawn whole under the thumb. The parent's background
// always shows where nothing is drawn, so no copy of it is kept. Changes made with the mouse are sent as scroll messages (value in
// the high word, SB_THUMBPOSITION in the low word) to the parent and then to
// the main window; SetPos sends nothing.
#pragma once

#include "controls/scaled_picture.h"
#include "controls/slider_track.h"
#include "controls/zor_ctrl_wnd.h"

inline constexpr int kSliderNoTrackFill = 1;
inline constexpr int kSliderActionPicture = 2;
inline constexpr int kSliderTrackPicture = 4;  // clears kSliderActionPicture
inline constexpr int kSliderHorizontal = 8;

class CZORSlider : public CZORCtrlWnd {
 public:
  explicit CZORSlider(QWidget* parent = nullptr);

  int SubclassDlgItem(UINT id, QWidget* parent, int options);
  int SubclassDlgItem(UINT id, QWidget* parent) override { return SubclassDlgItem(id, parent, 0); }

  void SetPos(int value);
  int GetPos() const { return m_value; }
  void SetTrackColor(COLORREF color);

  bool IsHorizontal() const { return m_options & kSliderHorizontal; }
  int Options() const { return m_options; }
  int ThumbPosition() const { return m_thumb; }
  const CSliderTrack& Track() const { return m_track; }
  bool ThumbHovered() const { return m_thumbHovered; }
  bool HasThumb() const { return !m_thumbPicture.IsEmpty(); }

 protected:
  void PreSubclassWindow() override;
  void OnBGMsg(WPARAM wParam, LPARAM lParam) override;

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void LayoutTrack();
  int AlongAxis(QPoint point) const { return IsHorizontal() ? point.x() : point.y(); }
  CRect ThumbRect() const;
  QRect ActionArea() const;
  void MoveThumbTo(int position);
  void SendScroll(UINT message);

  int m_value = 100;
  int m_thumb = 0;
  int m_options = 0;
  COLORREF m_trackColor = RGB(0, 0, 0);
  CSliderTrack m_track;
  bool m_thumbHovered = false;
  CScaledPicture m_thumbPicture;
  CScaledPicture m_actionPicture;
  CScaledPicture m_backgroundPicture;
  CScaledPicture m_trackPicture;
};
