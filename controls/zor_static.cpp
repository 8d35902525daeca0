#include "controls/zor_static.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

#include "controls/skin_resources.h"

CZORStatic::CZORStatic(QWidget* parent) : CZORCtrlWnd("ZORStatic", parent) {}

CZORStatic::~CZORStatic() { RunOnDestroyOnce(); }

void CZORStatic::PreSubclassWindow() {
  setAutoFillBackground(false);
  const std::string base = GetWindowText();
  for (int number = 1;; ++number) {
    CScaledPicture frame;
    if (!frame.Load(base + "_D" + std::to_string(number), GetImageInstance())) break;
    m_frames.push_back(std::move(frame));
  }
  // Without pictures the place stays empty rather than showing its caption.
  if (m_frames.empty()) setVisible(false);
  else {
    const CSize size = m_frames.front().Size();
    resize(size.cx, size.cy);
  }
  CZORCtrlWnd::PreSubclassWindow();
}

void CZORStatic::SetCurFrame(int index) {
  const int clamped = m_frames.empty() ? 0 : std::clamp(index, 0, FrameCount() - 1);
  if (clamped == m_current) return;
  m_current = clamped;
  update();
}

void CZORStatic::paintEvent(QPaintEvent*) {
  if (m_frames.empty()) return;
  QPainter painter(this);
  m_frames[m_current].MaskDraw(painter, CPoint(0, 0));
}

void CZORStatic::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    SendMessage(parentWidget(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), LParamFromWindow(this));
  event->accept();
}
