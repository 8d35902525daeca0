#include "controls/zor_slider.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>

#include "controls/skin_resources.h"
#include "platform/core/message_box.h"
#include "platform/qt/painter_dc.h"

CZORSlider::CZORSlider(QWidget* parent) : CZORCtrlWnd("ZORSlider", parent) {}

int CZORSlider::SubclassDlgItem(UINT id, QWidget* parent, int options) {
  m_options = options;
  if (m_options & kSliderTrackPicture) m_options &= ~kSliderActionPicture;
  return CZORCtrlWnd::SubclassDlgItem(id, parent);
}

void CZORSlider::PreSubclassWindow() {
  std::string base = GetWindowText();
  HINSTANCE skin = GetImageInstance();
  if (!m_thumbPicture.Load(base + "_THUMB", skin)) ShowMessageBox("ZORSlider: Resource load failed");
  m_actionPicture.Load(base + "_ACTION", skin);
  m_backgroundPicture.Load(base + "_BACKGROUND", skin);
  m_trackPicture.Load(base + "_TRACK", skin);
  CZORCtrlWnd::PreSubclassWindow();
  LayoutTrack();
  m_thumb = m_track.ThumbForValue(m_value);
}

void CZORSlider::LayoutTrack() {
  CSize thumb = m_thumbPicture.Size();
  if (IsHorizontal()) m_track.Layout(width(), thumb.cx);
  else m_track.Layout(height(), thumb.cy);
}

void CZORSlider::SetPos(int value) {
  m_value = CSliderTrack::ClampValue(value);
  m_thumb = m_track.ThumbForValue(m_value);
  update();
}

void CZORSlider::SetTrackColor(COLORREF color) {
  m_trackColor = color;
  if (GetSafeHwnd() && !(m_options & kSliderNoTrackFill)) update();
}

CRect CZORSlider::ThumbRect() const {
  CSize thumb = m_thumbPicture.Size();
  if (IsHorizontal()) {
    int left = m_thumb - thumb.cx / 2, top = (height() - thumb.cy) / 2;
    return CRect(left, top, left + thumb.cx, top + thumb.cy);
  }
  int left = (width() - thumb.cx) / 2, top = m_thumb - thumb.cy / 2;
  return CRect(left, top, left + thumb.cx, top + thumb.cy);
}

QRect CZORSlider::ActionArea() const {
  // From the window's first edge, so the lit groove meets the groove's end.
  return IsHorizontal() ? QRect(0, 0, std::max(0, m_thumb), height()) : QRect(0, 0, width(), std::max(0, m_thumb));
}

void CZORSlider::MoveThumbTo(int position) {
  CSliderTrack::Placement placement = m_track.PlaceAt(position);
  m_thumb = placement.thumb;
  m_value = placement.value;
}

void CZORSlider::SendScroll(UINT message) {
  WPARAM wParam = static_cast<WPARAM>(m_value) * 65536 + SB_THUMBPOSITION;
  SendMessage(parentWidget(), message, wParam, LParamFromWindow(this));
  SendMessage(GetMainWindow(), message, wParam, LParamFromWindow(this));
}

void CZORSlider::paintEvent(QPaintEvent*) {
  // The track is laid out at every paint: the window may have been resized
  // or reshaped by its skin since the last one.
  LayoutTrack();
  QPainter painter(this);
  CPainterDC dc(painter);
  m_backgroundPicture.MaskDraw(painter, CPoint(0, 0));
  if (m_options & kSliderTrackPicture) m_trackPicture.MaskDraw(painter, CPoint(0, 0));
  if (m_options & kSliderActionPicture) {
    painter.setClipRect(ActionArea());
    m_trackPicture.MaskDraw(painter, CPoint(0, 0));
    painter.setClipping(false);
  }
  if (!(m_options & kSliderNoTrackFill)) {
    CRect fill = IsHorizontal() ? CRect(m_track.Start(), 0, m_thumb, height())
                                : CRect(0, m_track.Start(), width(), m_thumb);
    dc.FillSolidRect(fill, m_trackColor);
  }
  const CScaledPicture& thumb = m_thumbHovered && !m_actionPicture.IsEmpty() ? m_actionPicture : m_thumbPicture;
  thumb.MaskDraw(painter, ThumbRect().TopLeft());
}

void CZORSlider::resizeEvent(QResizeEvent* event) {
  LayoutTrack();
  m_thumb = m_track.ThumbForValue(m_value);
  CZORCtrlWnd::resizeEvent(event);
}

void CZORSlider::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  MoveThumbTo(AlongAxis(event->position().toPoint()));
  QRect screen(mapToGlobal(QPoint(0, 0)), size());
  CRect confinement(screen.left(), screen.top(), screen.right() + 1, screen.bottom() + 1);
  ClipCursor(&confinement);
  SendScroll(IsHorizontal() ? WM_HSCROLL : WM_VSCROLL);
  update();
  event->accept();
}

void CZORSlider::mouseMoveEvent(QMouseEvent* event) {
  QPoint at = event->position().toPoint();
  if (event->buttons() & Qt::LeftButton) {
    MoveThumbTo(AlongAxis(at));
    m_thumbHovered = true;
    // Every change during a drag is a vertical scroll, whatever the
    // orientation: the receivers rely on it.
    SendScroll(WM_VSCROLL);
    update();
  } else {
    bool over = ThumbRect().PtInRect({at.x(), at.y()});
    if (over != m_thumbHovered) {
      m_thumbHovered = over;
      update();
    }
  }
  event->accept();
}

void CZORSlider::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  ClipCursor(nullptr);
  QPoint at = event->position().toPoint();
  if (!ThumbRect().PtInRect({at.x(), at.y()}) && m_thumbHovered) {
    m_thumbHovered = false;
    update();
  }
  event->accept();
}

void CZORSlider::OnBGMsg(WPARAM wParam, LPARAM lParam) {
  CZORCtrlWnd::OnBGMsg(wParam, lParam);
  if (wParam == static_cast<WPARAM>(HoverChange::Left) && m_thumbHovered) {
    m_thumbHovered = false;
    update();
  }
}
