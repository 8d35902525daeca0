// Window messages on Qt. The controls and panels talk to each other with
// numbered messages (command notifications, scroll messages, the registered
// hover and right-button messages): each is a CWindowMessageEvent, sent
// (synchronously, QCoreApplication::sendEvent) or posted (queued,
// QCoreApplication::postEvent) to a QWidget. A CWnd receives them in its
// WindowProc; any other widget can watch for them with an event filter.
//
// Registered messages get a Qt event type of their own, allocated once per
// name, so the numbers are stable for the life of the process and a message
// is told apart by its number as on the original window system.
#pragma once

#include <QEvent>
#include <QWidget>

#include <cstdint>
#include <string>

using HWND = QWidget*;
using UINT = unsigned int;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

inline constexpr UINT WM_COMMAND = 0x0111;
inline constexpr UINT WM_HSCROLL = 0x0114;
inline constexpr UINT WM_VSCROLL = 0x0115;
// The frame's "show this in the status bar" message; the text travels in the
// event (CWindowMessageEvent::text), never as a pointer into its sender.
inline constexpr UINT WM_SETMESSAGESTRING = 0x0362;

inline constexpr UINT BN_CLICKED = 0;
inline constexpr UINT SB_THUMBPOSITION = 4;

inline constexpr WPARAM MAKEWPARAM(unsigned low, unsigned high) {
  return (static_cast<WPARAM>(high & 0xFFFF) << 16) | (low & 0xFFFF);
}
inline constexpr unsigned LOWORD(WPARAM value) { return value & 0xFFFF; }
inline constexpr unsigned HIWORD(WPARAM value) { return (value >> 16) & 0xFFFF; }

inline LPARAM LParamFromWindow(HWND window) { return reinterpret_cast<LPARAM>(window); }
inline HWND WindowFromLParam(LPARAM value) { return reinterpret_cast<HWND>(value); }

class CWindowMessageEvent : public QEvent {
 public:
  CWindowMessageEvent(UINT message, WPARAM wParam, LPARAM lParam, std::string text = {});

  // The one Qt event type that carries every window message.
  static QEvent::Type EventType();

  UINT message() const { return m_message; }
  WPARAM wParam() const { return m_wParam; }
  LPARAM lParam() const { return m_lParam; }
  const std::string& text() const { return m_text; }
  LRESULT result() const { return m_result; }
  void setResult(LRESULT result) { m_result = result; }

 private:
  UINT m_message;
  WPARAM m_wParam;
  LPARAM m_lParam;
  std::string m_text;
  LRESULT m_result = 0;
};

// The number of the message registered under `name`; the same name always
// gives the same number. Registered numbers lie in 0xC000..0xFFFF.
UINT RegisterWindowMessage(const char* name);

// Delivers at once; returns the receiver's result (0 when the window is gone).
LRESULT SendMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                    std::string text = {});
// Queues for the event loop; false when the window does not exist.
bool PostMessage(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0,
                 std::string text = {});

// Whether the handle names a live widget.
bool IsWindow(HWND window);

// The application's main window: where status texts and the sliders' scroll
// messages go. Null until the program sets one.
HWND GetMainWindow();
void SetMainWindow(HWND window);
