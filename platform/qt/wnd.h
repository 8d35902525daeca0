// CWnd: the window base of the skinned controls and panels, a QWidget that
// keeps what the controls expect of a window: a class name, a dialog id, a
// window text, numbered timers, the mouse capture, a window shape, a cursor
// and numbered messages (window_message.h) delivered to WindowProc.
//
// A control is made with its parent (the panel or dialog, which owns it as
// Qt parents do) and put in place of a template item with SubclassDlgItem:
// it takes the item's id, caption (its window text), geometry, place in the
// stacking order, visibility and enabled state, runs PreSubclassWindow, and
// the item, a mere placeholder from the form, is hidden and deleted later.
// From then on the control "exists" as a window (GetSafeHwnd is not null).
#pragma once

#include <QWidget>

#include <map>
#include <string>

#include "platform/core/region.h"
#include "platform/qt/cursor.h"
#include "platform/qt/window_message.h"

class CWnd : public QWidget {
 public:
  explicit CWnd(QWidget* parent = nullptr);
  ~CWnd() override;

  // Puts this window in place of the dialog item with that id among the
  // descendants of `parent`. 0 when there is no such item.
  virtual int SubclassDlgItem(UINT id, QWidget* parent);
  // This widget itself while it exists as a window, otherwise null.
  HWND GetSafeHwnd() { return m_exists ? this : nullptr; }
  UINT GetDlgCtrlID() const { return m_id; }
  QWidget* GetParent() const { return parentWidget(); }

  const std::string& GetWindowClassName() const { return m_className; }
  void SetWindowText(const std::string& text);
  std::string GetWindowText() const;

  // Returns true when the window was disabled before the call.
  bool EnableWindow(bool enable);
  bool IsWindowEnabled() const { return isEnabled(); }

  // Timers by the caller's id; setting an id again restarts it.
  UINT SetTimer(UINT id, UINT milliseconds);
  bool KillTimer(UINT id);
  bool HasTimer(UINT id) const { return m_timers.contains(id); }
  // Qt's id for the timer, for code that delivers timer events itself.
  int NativeTimerId(UINT id) const;

  void SetCapture() { grabMouse(); }
  static void ReleaseCapture();
  static HWND GetCapture();

  // The window's shape; null restores the rectangle. An empty region hides
  // the whole window, as on the original platform. A region of `scale`
  // pixels per window unit (the shape of pictures drawn for a screen of
  // that density) keeps every unit it touches, so that nothing drawn inside
  // it at that density is cut off.
  void SetWindowRgn(const CRgn* region, bool redraw, int scale = 1);
  void SetCursor(HCURSOR cursor);

  // Destroys the window: OnDestroy, then the widget is deleted by Qt's
  // event loop (deleteLater). Deleting the object directly also works.
  virtual bool DestroyWindow();

  // Every message sent or posted to this window arrives here. The default
  // hands WM_COMMAND to OnCommand and answers 0.
  virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam, const std::string& text);

 protected:
  // For the controls: the class name they register and create.
  void SetWindowClassName(const std::string& className) { m_className = className; }

  virtual void PreSubclassWindow() {}
  virtual void OnCommand(UINT id, UINT code, HWND control) {}
  virtual void OnTimer(UINT id) {}
  virtual void OnEnable(bool enabled) {}
  // Runs once, when the window is destroyed through DestroyWindow or deleted.
  virtual void OnDestroy() {}
  // Derived classes whose destructor must run OnDestroy call this first: a
  // virtual call from ~CWnd would no longer reach them.
  void RunOnDestroyOnce();

  bool event(QEvent* event) override;
  void timerEvent(QTimerEvent* event) override;
  void changeEvent(QEvent* event) override;

 private:
  std::string m_className;
  UINT m_id = 0;
  bool m_exists = false;
  bool m_destroyed = false;
  std::map<UINT, int> m_timers;  // caller's id -> Qt's timer id
};
