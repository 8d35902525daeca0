#include "platform/qt/drag_loop.h"

#include <QApplication>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace {

class DragFilter : public QObject {
 public:
  DragFilter(QWidget* capture, CDragHandler& handler, QEventLoop& loop, Qt::MouseButtons endButtons)
      : m_capture(capture), m_handler(handler), m_loop(loop), m_endButtons(endButtons) {}

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

 protected:
  bool eventFilter(QObject* receiver, QEvent* event) override {
    if (m_finished) return false;
    switch (event->type()) {
      case QEvent::MouseMove:
        m_last = Local(receiver, static_cast<QMouseEvent*>(event));
        m_handler.OnDragMove(m_last);
        return true;
      case QEvent::MouseButtonRelease:
        if (!(static_cast<QMouseEvent*>(event)->button() & m_endButtons)) return true;
        Finish(true, Local(receiver, static_cast<QMouseEvent*>(event)));
        return true;
      case QEvent::KeyPress:
        if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) Finish(false, m_last);
        return true;
      case QEvent::UngrabMouse:
        Finish(false, m_last);
        return false;
      default:
        return false;
    }
  }

 private:
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
};

}  // namespace

bool RunDragLoop(QWidget* capture, CDragHandler& handler, Qt::MouseButtons endButtons) {
  if (!capture || !qApp) return false;
  QPointer<QWidget> guard(capture);
  QEventLoop loop;
  DragFilter filter(capture, handler, loop, endButtons);
  qApp->installEventFilter(&filter);
  QObject::connect(capture, &QObject::destroyed, &loop, [&filter] { filter.Finish(false, filter.LastPoint()); });
  capture->grabMouse();
  loop.exec();
  qApp->removeEventFilter(&filter);
  if (guard) guard->releaseMouse();
  return filter.Completed();
}
