#include "controls/zor_ctrl_wnd.h"

#include "controls/skin_resources.h"
#include "platform/core/message_box.h"
#include "platform/qt/hover_hook.h"
#include "platform/qt/window_class.h"

namespace {

constexpr int kMaxTipWidth = 300;

// Moves a position given from the right or bottom edge (negative) into the
// parent's client area.
CPoint FromParentEdges(CPoint position, const QWidget* parent) {
  if (!parent) return position;
  if (position.x < 0) position.x += parent->width();
  if (position.y < 0) position.y += parent->height();
  return position;
}

}  // namespace

CZORCtrlWnd::CZORCtrlWnd(const std::string& className, QWidget* parent) : CWnd(parent) {
  SetWindowClassName(className);
  if (!IsWindowClassRegistered(className) && !RegisterWindowClass(className, CS_DBLCLKS))
    ShowMessageBox("Cannot register " + className + " class");
}

CZORCtrlWnd::~CZORCtrlWnd() { RunOnDestroyOnce(); }

void CZORCtrlWnd::SetToolTipText(const char* text) {
  std::string newText = text ? text : "";
  if (newText == m_toolTipText) return;
  m_toolTipText = newText;
  if (!GetSafeHwnd() || !m_toolTip) return;
  m_toolTip->Activate(false);
  m_toolTip->UpdateTipText(m_toolTipText);
  if (!m_toolTipText.empty()) m_toolTip->Activate(true);
}

bool CZORCtrlWnd::LoadCustomCursor(const char* name) {
  std::string cursorName = name && *name ? name : GetWindowText() + "_CURSOR";
  HCURSOR cursor = ::LoadCustomCursor(cursorName.c_str());
  if (!cursor) cursor = ::LoadCustomCursor("IDC_CUR_CUSTOMBUTTON");
  m_cursor = cursor;
  SetCursor(m_cursor);
  return m_cursor != nullptr;
}

void CZORCtrlWnd::PreSubclassWindow() {
  if (auto info = GetResourceModule() ? GetResourceModule()->LoadString(GetDlgCtrlID()) : std::nullopt)
    LoadInfoStrings(*info, m_toolTipText, m_statusText, m_helpText);

  if (!m_toolTipText.empty()) CreateToolTipCtrl();

  RegisterSkinkitMessages();
  m_hoverStarted = StartHoverHook(GetSafeHwnd());

  std::string baseName = GetWindowText();
  if (!baseName.empty()) {
    CPoint position;
    if (LoadCustomWndPos((baseName + "_POS").c_str(), &position, GetImageInstance())) {
      position = FromParentEdges(position, parentWidget());
      move(position.x, position.y);
    }
    for (int scale : {1, kHighDensityScale}) {
      CRgn region;
      std::string name = ScaledResourceName(baseName + "_RGN", scale);
      if (LoadCustomWndRgn(name.c_str(), region, GetImageInstance())) m_shapes[scale > 1 ? 1 : 0] = region;
    }
    // The window's own density decides; a double shape without a plain one
    // is not taken, as a style without "_RGN" keeps the rectangle.
    if (m_shapes[0]) {
      if (m_shapes[1] && devicePixelRatioF() >= 1.5) SetWindowRgn(&*m_shapes[1], true, kHighDensityScale);
      else SetWindowRgn(&*m_shapes[0], true);
    }
  }
}

const CRgn* CZORCtrlWnd::WindowShape(int scale) const {
  const std::optional<CRgn>& shape = m_shapes[scale > 1 ? 1 : 0];
  return m_shapes[0] && shape ? &*shape : nullptr;
}

void CZORCtrlWnd::CreateToolTipCtrl() {
  if (m_toolTip) return;
  m_toolTip = std::make_unique<CToolTipCtrl>(this);
  m_toolTip->Activate(!m_toolTipText.empty());
  m_toolTip->AddTool(m_toolTipText);
  m_toolTip->SetMaxTipWidth(kMaxTipWidth);
}

void CZORCtrlWnd::OnDestroy() {
  if (m_hoverStarted) ReleaseHoverHook();
  m_hoverStarted = false;
}

LRESULT CZORCtrlWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam, const std::string& text) {
  if (message == HoverMessage()) {
    OnBGMsg(wParam, lParam);
    return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam, text);
}

void CZORCtrlWnd::OnBGMsg(WPARAM wParam, LPARAM) {
  // The status bar shows the control's status text while the mouse is over
  // it; the text travels with the message, so it outlives this control.
  if (wParam == static_cast<WPARAM>(HoverChange::Entered))
    PostMessage(GetMainWindow(), WM_SETMESSAGESTRING, 0, 0, m_statusText);
  else if (wParam == static_cast<WPARAM>(HoverChange::Left))
    PostMessage(GetMainWindow(), WM_SETMESSAGESTRING, 0, 0, std::string());
}
