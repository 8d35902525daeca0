// The pointer nudge: the loop moves the real pointer with QCursor::setPos
// and hands the handler the new place itself, at once. Some window systems
// (Wayland) do not let a program move the pointer and others report the move
// later or not at all; this way the drag behaves the same everywhere. The
// window system's own reports of those moves, when they come (perhaps after
// the next key), are passed over.
#include "platform/qt/drag_loop.h"

#include <QApplication>
#include <QCursor>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

#include <algorithm>
#include <deque>

#include "platform/core/virtual_keys.h"

namespace {

class DragFilter : public QObject, public CDragPointer {
 public:
  DragFilter(QWidget* capture, CDragHandler& handler, QEventLoop& loop, Qt::MouseButtons endButtons)
      : m_capture(capture), m_handler(handler), m_loop(loop), m_endButtons(endButtons) {
    const QPoint at = capture->mapFromGlobal(QCursor::pos());
    m_last = {at.x(), at.y()};
  }

  bool Finished() const { return m_finished; }
  bool Completed() const { return m_completed; }
  CPoint LastPoint() const { return m_last; }

  void Finish(bool completed, CPoint at) {
    if (m_finished) return;
    m_finished = true;
    m_completed = completed;
    m_handler.OnDragEnd(at, !completed);
    m_loop.quit();
  }

  void MovePointerBy(int dx, int dy) override {
    if (m_finished || !m_capture) return;
    const CPoint to{m_last.x + dx, m_last.y + dy};
    QCursor::setPos(m_capture->mapToGlobal(QPoint(to.x, to.y)));
    if (m_echoes.size() == kMaxEchoes) m_echoes.pop_front();
    m_echoes.push_back(to);
    Moved(to);
  }

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (m_finished) return false;
    switch (event->type()) {
      case QEvent::MouseMove: {
        const CPoint at = Local(receiver, static_cast<QMouseEvent*>(event));
        const auto echo = std::find(m_echoes.begin(), m_echoes.end(), at);
        if (echo != m_echoes.end()) {
          m_echoes.erase(m_echoes.begin(), echo + 1);
        } else {
          m_echoes.clear();
          Moved(at);
        }
        return true;
      }
      case QEvent::MouseButtonRelease: {
        const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
        if ((button & m_endButtons) || (button == Qt::RightButton && m_handler.EndsOnRightButton()))
          Finish(true, Local(receiver, static_cast<QMouseEvent*>(event)));
        return true;
      }
      case QEvent::KeyPress: {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Escape) Finish(false, m_last);
        else m_handler.OnDragKey(VirtualKeyFromQtKey(key), *this);
        return true;
      }
      case QEvent::KeyRelease:
        if (!static_cast<QKeyEvent*>(event)->isAutoRepeat())
          m_handler.OnDragKeyUp(VirtualKeyFromQtKey(static_cast<QKeyEvent*>(event)->key()));
        return true;
      case QEvent::UngrabMouse:
        Finish(false, m_last);
        return false;
      default:
        return false;
    }
  }

 private:
  void Moved(CPoint at) {
    m_last = at;
    m_handler.OnDragMove(at);
  }

  // The position relative to the capturing widget, taken from the event's
  // own position where the receiver is a widget of the same window, so that
  // a window still being placed by the window system cannot skew it.
  CPoint Local(QObject* receiver, QMouseEvent* event) const {
    if (!m_capture) return {};
    QPoint local;
    auto* widget = qobject_cast<QWidget*>(receiver);
    if (widget && widget->window() == m_capture->window())
      local = m_capture->mapFrom(widget->window(), widget->mapTo(widget->window(), event->position().toPoint()));
    else
      local = m_capture->mapFromGlobal(event->globalPosition().toPoint());
    return {local.x(), local.y()};
  }

  QPointer<QWidget> m_capture;
  CDragHandler& m_handler;
  QEventLoop& m_loop;
  Qt::MouseButtons m_endButtons;
  bool m_finished = false;
  bool m_completed = false;
  CPoint m_last;
  static constexpr std::size_t kMaxEchoes = 16;
  std::deque<CPoint> m_echoes;  // where the pointer was moved to, not yet reported back
};

}  // namespace

int VirtualKeyFromQtKey(int qtKey) {
  switch (qtKey) {
    case Qt::Key_Left: return VK_LEFT;
    case Qt::Key_Up: return VK_UP;
    case Qt::Key_Right: return VK_RIGHT;
    case Qt::Key_Down: return VK_DOWN;
    case Qt::Key_Shift: return VK_SHIFT;
    case Qt::Key_Control: return VK_CONTROL;
    case Qt::Key_Alt: return VK_MENU;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Escape: return VK_ESCAPE;
    case Qt::Key_Backspace: return VK_BACK;
    case Qt::Key_Insert: return VK_INSERT;
    case Qt::Key_Delete: return VK_DELETE;
    default:
      // Letters and digits have the same codes on both.
      if ((qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z) || (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)) return qtKey;
      return 0;
  }
}

bool RunDragLoop(QWidget* capture, CDragHandler& handler, Qt::MouseButtons endButtons) {
  if (!capture || !qApp) return false;
  if (QWidget* holder = QWidget::mouseGrabber(); holder && holder != capture) return false;
  QPointer<QWidget> guard(capture);
  QEventLoop loop;
  DragFilter filter(capture, handler, loop, endButtons);
  capture->grabMouse();
  if (!handler.OnDragStart()) {
    if (guard) guard->releaseMouse();
    return false;
  }
  qApp->installEventFilter(&filter);
  QObject::connect(capture, &QObject::destroyed, &loop, [&filter] { filter.Finish(false, filter.LastPoint()); });
  loop.exec();
  qApp->removeEventFilter(&filter);
  if (guard) guard->releaseMouse();
  return filter.Completed();
}
