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

  CScaledPicture first;
  if (!first.Load(FrameName(base, 1), skin)) {
    ShowMessageBox("Cannot load first DIB");
    return;
  }
  m_frameSize = first.Size();
  resize(m_frameSize.cx, m_frameSize.cy);
  m_frames.push_back(std::move(first));
  for (int number = 2;; ++number) {
    CScaledPicture frame;
    if (!frame.Load(FrameName(base, number), skin)) break;
    m_frames.push_back(std::move(frame));
  }
  if (m_frames.size() > 2) m_options &= ~kButtonTwoStateOption;
  m_animation->SetFrameCount(FrameCount());
  m_animation->SetTwoState(m_options & kButtonTwoStateOption);

  m_disabled.Load(base + "_DISABLED", skin);
  m_mouseIn.Load(base + "_MOUSEIN", skin);
  m_downMouseIn.Load(base + "_DOWNMOUSEIN", skin);
  m_animation->SetHoverPictures(!m_mouseIn.IsEmpty(), !m_downMouseIn.IsEmpty());

  if (!(m_options & kButtonTwoStateOption)) m_timerStarted = SetTimer(GetDlgCtrlID(), m_delay) != 0;

  LoadCustomCursor();
  CZORCtrlWnd::PreSubclassWindow();
}

void CZORButton::BuildStrip(int scale) {
  int n = FrameCount();
  bool inPlace = m_options & kButtonInPlaceOption;
  const int cellWidth = m_frameSize.cx * scale, cellHeight = m_frameSize.cy * scale;
  QImage& strip = m_strips[scale > 1 ? 1 : 0];
  strip = QImage(cellWidth * (inPlace ? n : n + 3), cellHeight, QImage::Format_ARGB32_Premultiplied);
  strip.fill(Qt::transparent);
  QPainter painter(&strip);
  CPainterDC dc(painter);
  auto cell = [cellWidth](int index) { return CPoint(index * cellWidth, 0); };
  auto either = [scale](const CScaledPicture& picture, const CScaledPicture& fallback) {
    return (picture.IsEmpty() ? fallback : picture).Block(scale);
  };
  for (int i = 0; i < n; ++i) MaskDrawPicture(&dc, m_frames[i].Block(scale), cell(i));
  if (!inPlace) {
    MaskDrawPicture(&dc, either(m_disabled, m_frames.front()), cell(n));
    MaskDrawPicture(&dc, either(m_mouseIn, m_frames.front()), cell(n + 1));
    MaskDrawPicture(&dc, either(m_downMouseIn, m_frames.back()), cell(n + 2));
  }
  // At double density the window's shape is coarser than the pictures: each
  // cell keeps only what lies inside the style's shape for that density.
  if (const CRgn* shape = WindowShape(scale); shape && scale > 1) {
    QImage inside(cellWidth, cellHeight, QImage::Format_ARGB32_Premultiplied);
    inside.fill(Qt::transparent);
    QPainter shapePainter(&inside);
    for (const CRect& rect : shape->Rects())
      shapePainter.fillRect(QRect(rect.left, rect.top, rect.Width(), rect.Height()), Qt::black);
    shapePainter.end();
    painter.setCompositionMode(QPainter::CompositionMode_DestinationIn);
    for (int x = 0; x < strip.width(); x += cellWidth) painter.drawImage(QPoint(x, 0), inside);
  }
  painter.end();
  strip.setDevicePixelRatio(scale);
}

void CZORButton::DrawItem(QPainter& painter) {
  if (m_frames.empty()) return;
  const int scale = PictureScale(painter);
  // The strip's see-through pixels stay transparent, so the parent's
  // background shows through whatever it is painted with later.
  if (Strip(scale).isNull()) BuildStrip(scale);
  m_firstDraw = false;
  int cell = m_animation->Cell(), n = FrameCount();
  if ((m_options & kButtonInPlaceOption) && cell >= n) {
    const CScaledPicture& state = cell == n ? m_disabled : cell == n + 1 ? m_mouseIn : m_downMouseIn;
    const CScaledPicture& picture = !state.IsEmpty() ? state : cell == n + 2 ? m_frames.back() : m_frames.front();
    picture.MaskDraw(painter, CPoint(0, 0));
    return;
  }
  const int width = m_frameSize.cx * scale, height = m_frameSize.cy * scale;
  painter.drawImage(QPoint(0, 0), Strip(scale), QRect(cell * width, 0, width, height));
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
