#include "platform/qt/hover_hook.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

class QtHoverHost : public QObject, public CHoverTracker::Host {
 public:
  bool InstallHook() override {
    if (!qApp) return false;
    qApp->installEventFilter(this);
    return true;
  }
  void RemoveHook() override {
    if (qApp) qApp->removeEventFilter(this);
  }
  bool WindowExists(CHoverTracker::WindowId window) const override {
    return IsWindow(const_cast<QWidget*>(static_cast<const QWidget*>(window)));
  }
  void PostHover(CHoverTracker::WindowId target, HoverChange change, CHoverTracker::WindowId other) override {
    PostMessage(const_cast<QWidget*>(static_cast<const QWidget*>(target)), HoverMessage(),
                static_cast<WPARAM>(change),
                LParamFromWindow(const_cast<QWidget*>(static_cast<const QWidget*>(other))));
  }

  void SetTracker(CHoverTracker* tracker) { m_tracker = tracker; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::MouseMove && watched->isWidgetType()) {
      auto* receiver = static_cast<QWidget*>(watched);
      QPoint global = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
      m_tracker->OnMouseSeen(WidgetUnder(receiver->window(), global));
    }
    return false;  // the move always goes on to its receiver
  }

 private:
  // The deepest widget of `top` under the pointer. A mouse move is offered
  // to each parent in turn when a child ignores it; asking by position
  // rather than by receiver keeps those offers from counting as moves.
  static QWidget* WidgetUnder(QWidget* top, QPoint global) {
    QPoint local = top->mapFromGlobal(global);
    if (!top->rect().contains(local)) return nullptr;
    QWidget* child = top->childAt(local);
    return child ? child : top;
  }

  CHoverTracker* m_tracker = nullptr;
};

struct HoverHook {
  QtHoverHost host;
  CHoverTracker tracker{host};
  HoverHook() { host.SetTracker(&tracker); }
};

HoverHook& TheHook() {
  static HoverHook* hook = new HoverHook;  // lives as long as the process
  return *hook;
}

}  // namespace

UINT HoverMessage() {
  static const UINT message = RegisterWindowMessage("BGMouseMsg");
  return message;
}

bool StartHoverHook(HWND window) {
  HoverMessage();
  return TheHook().tracker.Start(window);
}

void ReleaseHoverHook() { TheHook().tracker.Release(); }

const CHoverTracker& HoverTracker() { return TheHook().tracker; }
