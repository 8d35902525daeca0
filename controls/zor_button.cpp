#include "controls/zor_button.h"

#include <QMouseEvent>
#include <QPainter>

#include <cstdio>

#include "controls/skin_resources.h"
#include "platform/core/message_box.h"
#include "platform/qt/painter_dc.h"

namespace {

std::string FrameName(const std::string& base, int number) {
  char name[512];
  std::snprintf(name, sizeof name, "%s_D%d", base.c_str(), number);
  return name;
}

}  // namespace

CZORButton::CZORButton(QWidget* parent) : CZORButton(parent, std::make_unique<CButtonAnimation>()) {}

CZORButton::CZORButton(QWidget* parent, std::unique_ptr<CButtonAnimation> animation)
    : CZORCtrlWnd("ZORButton", parent), m_animation(std::move(animation)) {}

CZORButton::~CZORButton() { RunOnDestroyOnce(); }

int CZORButton::SubclassDlgItem(UINT id, QWidget* parent, QWidget* notify, bool repeat) {
  m_notify = notify;
  m_animation->SetRepeat(repeat);
  return CZORCtrlWnd::SubclassDlgItem(id, parent);
}

UINT CZORButton::SetDelay(UINT milliseconds) {
  UINT previous = m_delay;
  m_delay = milliseconds;
  return previous;
}

void CZORButton::PreSubclassWindow() {
  // No background of its own: the parent shows through the black pixels.
  setAutoFillBackground(false);
  std::string base = GetWindowText();
  HINSTANCE skin = GetImageInstance();

  PictureBlock first = LoadPictureBlock(FrameName(base, 1).c_str(), "", skin);
  if (!first) {
    ShowMessageBox("Cannot load first DIB");
    return;
  }
  m_frameSize = PictureSize(first.get());
  resize(m_frameSize.cx, m_frameSize.cy);
  m_frames.push_back(std::move(first));
  for (int number = 2;; ++number) {
    PictureBlock frame = LoadPictureBlock(FrameName(base, number).c_str(), "", skin);
    if (!frame) break;
    m_frames.push_back(std::move(frame));
  }
  if (m_frames.size() > 2) m_options &= ~kButtonTwoStateOption;
  m_animation->SetFrameCount(FrameCount());
  m_animation->SetTwoState(m_options & kButtonTwoStateOption);

  m_disabled = LoadPictureBlock((base + "_DISABLED").c_str(), "", skin);
  m_mouseIn = LoadPictureBlock((base + "_MOUSEIN").c_str(), "", skin);
  m_downMouseIn = LoadPictureBlock((base + "_DOWNMOUSEIN").c_str(), "", skin);
  m_animation->SetHoverPictures(m_mouseIn != nullptr, m_downMouseIn != nullptr);

  if (!(m_options & kButtonTwoStateOption)) m_timerStarted = SetTimer(GetDlgCtrlID(), m_delay) != 0;

  LoadCustomCursor();
  CZORCtrlWnd::PreSubclassWindow();
}

void CZORButton::BuildStrip() {
  int n = FrameCount();
  bool inPlace = m_options & kButtonInPlaceOption;
  m_strip = QImage(m_frameSize.cx * (inPlace ? n : n + 3), m_frameSize.cy, QImage::Format_ARGB32_Premultiplied);
  m_strip.fill(Qt::transparent);
  QPainter painter(&m_strip);
  CPainterDC dc(painter);
  auto cell = [this](int index) { return CPoint(index * m_frameSize.cx, 0); };
  for (int i = 0; i < n; ++i) MaskDrawPicture(&dc, m_frames[i].get(), cell(i));
  if (inPlace) return;
  MaskDrawPicture(&dc, m_disabled ? m_disabled.get() : m_frames.front().get(), cell(n));
  MaskDrawPicture(&dc, m_mouseIn ? m_mouseIn.get() : m_frames.front().get(), cell(n + 1));
  MaskDrawPicture(&dc, m_downMouseIn ? m_downMouseIn.get() : m_frames.back().get(), cell(n + 2));
}

void CZORButton::DrawItem(QPainter& painter) {
  if (m_frames.empty()) return;
  if (m_firstDraw) {
    // The strip's see-through pixels stay transparent, so the parent's
    // background shows through whatever it is painted with later.
    BuildStrip();
    m_firstDraw = false;
  }
  int cell = m_animation->Cell(), n = FrameCount();
  if ((m_options & kButtonInPlaceOption) && cell >= n) {
    const PictureBlock& state = cell == n ? m_disabled : cell == n + 1 ? m_mouseIn : m_downMouseIn;
    const void* picture = state ? state.get() : (cell == n + 2 ? m_frames.back() : m_frames.front()).get();
    CPainterDC dc(painter);
    MaskDrawPicture(&dc, picture, CPoint(0, 0));
    return;
  }
  painter.drawImage(QPoint(0, 0), m_strip, QRect(cell * m_frameSize.cx, 0, m_frameSize.cx, m_frameSize.cy));
}

void CZORButton::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawItem(painter);
}

void CZORButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) Repaint(m_animation->OnPress());
  event->accept();
}

void CZORButton::mouseReleaseEvent(QMouseEvent* event) {
  // Qt keeps sending to the pressed widget after the pointer leaves it; a
  // release outside the button is no click, as without a mouse grab.
  bool inside = rect().contains(event->position().toPoint());
  if (event->button() == Qt::LeftButton) {
    if (inside) OnLeftRelease();
    else Repaint(m_animation->CancelPress());
  } else if (event->button() == Qt::RightButton && inside) {
    PostMessage(m_notify ? m_notify.data() : parentWidget(), g_nBGRButMsg, 0, GetDlgCtrlID());
  }
  event->accept();
}

void CZORButton::OnLeftRelease() {
  Repaint(m_animation->OnRelease());
  NotifyParentClicked();
}

void CZORButton::NotifyParentClicked() {
  SendMessage(parentWidget(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), BN_CLICKED), LParamFromWindow(this));
}

void CZORButton::OnBGMsg(WPARAM wParam, LPARAM lParam) {
  CZORCtrlWnd::OnBGMsg(wParam, lParam);
  if (wParam == static_cast<WPARAM>(HoverChange::Entered)) {
    if (m_animation->Enabled() && !m_firstDraw) Repaint(m_animation->OnEnter());
  } else if (wParam == static_cast<WPARAM>(HoverChange::Left)) {
    Repaint(m_animation->OnLeave());
  }
}

void CZORButton::OnTimer(UINT id) {
  if (id == GetDlgCtrlID()) Repaint(m_animation->OnTick());
}

void CZORButton::OnEnable(bool enabled) { Repaint(m_animation->OnEnable(enabled)); }

void CZORButton::OnDestroy() {
  if (m_timerStarted) KillTimer(GetDlgCtrlID());
  m_timerStarted = false;
  CZORCtrlWnd::OnDestroy();
}
