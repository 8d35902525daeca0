#include "platform/qt/window_message.h"

#include <QApplication>
#include <QPointer>

#include <map>

namespace {

QPointer<QWidget> g_mainWindow;

}  // namespace

CWindowMessageEvent::CWindowMessageEvent(UINT message, WPARAM wParam, LPARAM lParam, std::string text)
    : QEvent(EventType()), m_message(message), m_wParam(wParam), m_lParam(lParam), m_text(std::move(text)) {}

QEvent::Type CWindowMessageEvent::EventType() {
  static const QEvent::Type type = static_cast<QEvent::Type>(QEvent::registerEventType());
  return type;
}

UINT RegisterWindowMessage(const char* name) {
  static std::map<std::string, UINT> registered;
  static UINT next = 0xC000;
  if (!name || !*name) return 0;
  auto [entry, added] = registered.try_emplace(name, next);
  if (added) ++next;
  return entry->second;
}

LRESULT SendMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, std::string text) {
  if (!IsWindow(window)) return 0;
  CWindowMessageEvent event(message, wParam, lParam, std::move(text));
  QCoreApplication::sendEvent(window, &event);
  return event.result();
}

bool PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam, std::string text) {
  if (!IsWindow(window)) return false;
  QCoreApplication::postEvent(window, new CWindowMessageEvent(message, wParam, lParam, std::move(text)));
  return true;
}

bool IsWindow(HWND window) {
  return window && QApplication::allWidgets().contains(window);
}

HWND GetMainWindow() { return g_mainWindow.data(); }

void SetMainWindow(HWND window) { g_mainWindow = window; }
