// CZORCtrlWnd: what every skinned control shares. It registers its window
// class, takes its tooltip, status and help texts from the program's string
// table entry of its dialog id, joins the hover hook, tells the main window
// the status text while the mouse is over it, and takes its position
// ("_POS") and shape ("_RGN") from the style module by its skin base name,
// which is its caption in the dialog template. A style may give the shape
// again for screens of twice the density ("_RGN@2x", in the pixels of its
// double-density pictures); on such a screen the window takes that one.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "platform/qt/hover_tracker.h"
#include "platform/qt/tooltip_ctrl.h"
#include "platform/qt/wnd.h"

class CZORCtrlWnd : public CWnd {
 public:
  explicit CZORCtrlWnd(const std::string& className, QWidget* parent = nullptr);
  ~CZORCtrlWnd() override;

  void SetToolTipText(const char* text);
  void SetStatusText(const char* text) { m_statusText = text ? text : ""; }
  void SetHelpText(const char* text) { m_helpText = text ? text : ""; }
  std::string GetToolTipText() const { return m_toolTipText; }
  std::string GetStatusText() const { return m_statusText; }
  std::string GetHelpText() const { return m_helpText; }
  CToolTipCtrl* GetToolTipCtrl() const { return m_toolTip.get(); }
  UINT GetID() const { return GetDlgCtrlID(); }

  // Returns true when the window was disabled before the call.
  bool Enable(bool enable) { return EnableWindow(enable); }

  // The cursor shown over the control: `name`, or base name + "_CURSOR"
  // when none is given, from the program's module, else the program's
  // "IDC_CUR_CUSTOMBUTTON". True when a cursor was obtained.
  bool LoadCustomCursor(const char* name = nullptr);
  HCURSOR GetCursor() const { return m_cursor; }

  bool HoverHookStarted() const { return m_hoverStarted; }
  // The style's shape for pictures drawn at `scale` (1 or 2), in their
  // pixels; null when the style gives none for that scale.
  const CRgn* WindowShape(int scale) const;

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam, const std::string& text) override;

 protected:
  void PreSubclassWindow() override;
  void OnDestroy() override;
  // "BGMouseMsg": wParam 0 the mouse entered, 1 it left.
  virtual void OnBGMsg(WPARAM wParam, LPARAM lParam);
  // Makes the tooltip control if there is none yet, for controls whose tips
  // change with the pointer rather than coming from the string table.
  void CreateToolTipCtrl();

 private:
  std::string m_toolTipText;
  std::string m_statusText;
  std::string m_helpText;
  std::unique_ptr<CToolTipCtrl> m_toolTip;
  HCURSOR m_cursor;
  std::optional<CRgn> m_shapes[2];
  bool m_hoverStarted = false;
};
