#include "platform/qt/wnd.h"

#include <algorithm>

#include <QRegion>
#include <QTimerEvent>

#include "platform/qt/dialog_template.h"

CWnd::CWnd(QWidget* parent) : QWidget(parent) {}

CWnd::~CWnd() { RunOnDestroyOnce(); }

void CWnd::RunOnDestroyOnce() {
  if (m_destroyed) return;
  m_destroyed = true;
  if (m_exists) OnDestroy();
  m_exists = false;
}

int CWnd::SubclassDlgItem(UINT id, QWidget* parent) {
  QWidget* item = GetDlgItem(parent, id);
  if (!item) return 0;
  bool itemHidden = item->isHidden();
  m_id = id;
  setParent(item->parentWidget());
  setGeometry(item->geometry());
  setObjectName(item->objectName());
  SetWindowText(DialogItemCaption(item));
  setEnabled(item->isEnabled());
  setProperty(kControlIdProperty, id);
  // The placeholder stops being the item with this id at once; Qt frees it.
  item->setProperty(kControlIdProperty, QVariant());
  stackUnder(item);
  item->hide();
  item->deleteLater();
  m_exists = true;
  PreSubclassWindow();
  setVisible(!itemHidden);
  return 1;
}

void CWnd::SetWindowText(const std::string& text) { setWindowTitle(QString::fromStdString(text)); }

std::string CWnd::GetWindowText() const { return windowTitle().toStdString(); }

bool CWnd::EnableWindow(bool enable) {
  bool wasDisabled = !isEnabled();
  setEnabled(enable);
  return wasDisabled;
}

UINT CWnd::SetTimer(UINT id, UINT milliseconds) {
  KillTimer(id);
  int nativeId = startTimer(static_cast<int>(milliseconds));
  if (nativeId == 0) return 0;
  m_timers[id] = nativeId;
  return id;
}

bool CWnd::KillTimer(UINT id) {
  auto found = m_timers.find(id);
  if (found == m_timers.end()) return false;
  killTimer(found->second);
  m_timers.erase(found);
  return true;
}

int CWnd::NativeTimerId(UINT id) const {
  auto found = m_timers.find(id);
  return found == m_timers.end() ? 0 : found->second;
}

void CWnd::ReleaseCapture() {
  if (QWidget* grabber = QWidget::mouseGrabber()) grabber->releaseMouse();
}

HWND CWnd::GetCapture() { return QWidget::mouseGrabber(); }

void CWnd::SetWindowRgn(const CRgn* region, bool redraw, int scale) {
  if (!region) {
    clearMask();
  } else {
    scale = std::max(scale, 1);
    auto down = [scale](int v) { return v >= 0 ? v / scale : -((-v + scale - 1) / scale); };
    auto up = [&down, scale](int v) { return down(v + scale - 1); };
    QRegion shape;
    for (const CRect& rect : region->Rects())
      shape += QRect(QPoint(down(rect.left), down(rect.top)), QPoint(up(rect.right) - 1, up(rect.bottom) - 1));
    // Qt takes an empty mask for "no mask"; a 0x0 rectangle outside the
    // window hides it instead, as an empty region does on the original.
    setMask(shape.isEmpty() ? QRegion(-1, -1, 1, 1) : shape);
  }
  if (redraw) update();
}

void CWnd::SetCursor(HCURSOR cursor) {
  if (cursor) setCursor(*cursor);
  else unsetCursor();
}

bool CWnd::DestroyWindow() {
  if (!m_exists) return false;
  RunOnDestroyOnce();
  hide();
  deleteLater();
  return true;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam, const std::string&) {
  if (message == WM_COMMAND) OnCommand(LOWORD(wParam), HIWORD(wParam), WindowFromLParam(lParam));
  return 0;
}

bool CWnd::event(QEvent* event) {
  if (event->type() == CWindowMessageEvent::EventType()) {
    auto* message = static_cast<CWindowMessageEvent*>(event);
    message->setResult(WindowProc(message->message(), message->wParam(), message->lParam(), message->text()));
    return true;
  }
  return QWidget::event(event);
}

void CWnd::timerEvent(QTimerEvent* event) {
  for (const auto& [id, nativeId] : m_timers) {
    if (nativeId == event->timerId()) {
      OnTimer(id);
      return;
    }
  }
  QWidget::timerEvent(event);
}

void CWnd::changeEvent(QEvent* event) {
  if (event->type() == QEvent::EnabledChange) OnEnable(isEnabled());
  QWidget::changeEvent(event);
}
