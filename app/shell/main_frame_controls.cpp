// The panels' controls as the frame's state shows them: buttons pressed and
// enabled, the undo and redo tooltips naming their step, the sliders where
// the state has them; the sliders' moves back into the state; the status
// text in the title bar; and the window's keys from the one key list.
#include <QApplication>
#include <QKeyEvent>
#include <QLabel>

#include "app/document/undo_routing.h"
#include "app/shell/frame/accelerator_table.h"
#include "app/shell/main_frame.h"
#include "app/view/kelvora_view.h"
#include "controls/zor_check_box.h"
#include "controls/zor_custom_filter.h"
#include "controls/zor_slider.h"
#include "controls/zor_static.h"
#include "platform/qt/drag_loop.h"

namespace {

constexpr unsigned kTitleBarTemplate = 110;

int ModifierBits(Qt::KeyboardModifiers modifiers) {
  int bits = 0;
  if (modifiers & Qt::ControlModifier) bits |= kModifierCtrl;
  if (modifiers & Qt::AltModifier) bits |= kModifierAlt;
  if (modifiers & Qt::ShiftModifier) bits |= kModifierShift;
  return bits;
}

}  // namespace

void CMainFrame::SyncControls() {
  if (m_syncing) return;
  m_syncing = true;
  ShowRightPanel(m_state.RightPanel());
  for (CSkinPanel* panel : m_panels) {
    // The controls' classes carry no Qt meta-object, so they are told apart
    // by their C++ type.
    for (QWidget* child : panel->findChildren<QWidget*>()) {
      auto* button = dynamic_cast<CZORButton*>(child);
      if (!button) continue;
      const UINT id = button->GetDlgCtrlID();
      if (!id) continue;
      const bool enabled = IsCommandEnabled(id);
      if (button->IsWindowEnabled() != enabled) button->EnableWindow(enabled);
      if (auto* check = dynamic_cast<CZORCheckBox*>(button); check && check->IsChecked() != IsButtonDown(id))
        check->SetCheck(IsButtonDown(id));
      if (m_document && (id == ID_EDIT_UNDO || id == ID_EDIT_REDO)) {
        const auto direction = id == ID_EDIT_UNDO ? UndoDirection::undo : UndoDirection::redo;
        std::string tip = UndoCommandText(*m_document, m_state.ViewMode().edit, direction);
        if (tip.empty()) tip = id == ID_EDIT_UNDO ? "Undo" : "Redo";
        if (button->GetToolTipText() != tip) button->SetToolTipText(tip.c_str());
      }
    }
    for (QWidget* child : panel->findChildren<QWidget*>())
      if (auto* slider = dynamic_cast<CZORSlider*>(child); !slider) continue;
      else if (auto value = m_state.SliderValue(slider->GetDlgCtrlID()); value && slider->GetPos() != *value)
        slider->SetPos(*value);
  }
  // The custom filter is a colour well, not a button: its ring shows the choice.
  if (CZORCustomFilter* custom = CustomFilter()) custom->SetChosen(m_state.FilterNumber() == kCustomFilterNumber);
  SyncPictures();
  m_syncing = false;
}

// The projection picture shows the current projection (the body set's one
// projection is the picture's fifth frame); the item panel's layer-name
// label shows the current kind.
void CMainFrame::SyncPicture(CZORStatic& picture) {
  if (picture.GetDlgCtrlID() == ID_SELECT_PROJECTION && m_document) {
    const bool body = m_document->GetMode() == kBodySet;
    picture.SetCurFrame(body ? kBodyProjection + m_projectionPicture : m_projectionPicture);
  } else if (picture.GetWindowText() == "LAYERNAME_BASE") {
    picture.SetCurFrame(std::max(m_state.CurrentKind(), 0));
  }
}

void CMainFrame::SetProjectionPicture(int index) {
  m_projectionPicture = index;
  SyncPictures();
}

void CMainFrame::SyncPictures() {
  for (CSkinPanel* panel : m_panels)
    for (QWidget* child : panel->findChildren<QWidget*>())
      if (auto* picture = dynamic_cast<CZORStatic*>(child)) SyncPicture(*picture);
}

void CMainFrame::SetSlidersFrom(const CLayer& layer) {
  m_state.SetSlidersFrom(layer);
  SyncControls();
}

void CMainFrame::ResetSliders() {
  m_state.ResetSliders();
  SyncControls();
}

void CMainFrame::OnScroll(WPARAM wParam, LPARAM lParam) {
  auto* control = dynamic_cast<CWnd*>(WindowFromLParam(lParam));
  if (!control) return;
  const int value = static_cast<int>(wParam >> 16);
  // Sliders of the same id sit on several panels; all show the one value.
  if (m_state.SetSlider(control->GetDlgCtrlID(), value)) {
    SyncControls();
    if (m_view) m_view->OnSliderMoved();
  }
}

void CMainFrame::CreateStatusLine() {
  CSkinPanel* title = Panel(kTitleBarTemplate);
  if (!title) return;
  // Left of the title bar's buttons, under them in the stacking order.
  int right = title->width();
  for (QWidget* child : title->findChildren<QWidget*>())
    if (auto* control = dynamic_cast<CWnd*>(child); control && control->GetDlgCtrlID() && control->x() > 8) right = std::min(right, control->x());
  m_statusLine = new QLabel(title);
  m_statusLine->setObjectName("statusLine");
  m_statusLine->setGeometry(8, 0, std::max(0, right - 16), title->height());
  m_statusLine->setAttribute(Qt::WA_TransparentForMouseEvents);
  m_statusLine->setStyleSheet("color: rgb(230, 230, 230); background: transparent;");
  m_statusLine->lower();
  m_statusLine->show();
}

void CMainFrame::SetStatusText(const std::string& text) {
  if (m_statusLine) m_statusLine->setText(QString::fromStdString(text));
}

std::string CMainFrame::StatusText() const { return m_statusLine ? m_statusLine->text().toStdString() : std::string(); }

bool CMainFrame::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  auto* widget = qobject_cast<QWidget*>(watched);
  if (!widget || widget->window() != this) return false;
  auto* key = static_cast<QKeyEvent*>(event);
  if (OnItemListKey(watched, *key)) return true;
  const int virtualKey = VirtualKeyFromQtKey(key->key());
  if (!virtualKey) return false;
  auto command = FindAccelerator(virtualKey, ModifierBits(key->modifiers()));
  if (!command) return false;
  if (IsCommandEnabled(*command)) PostMessage(this, WM_COMMAND, MAKEWPARAM(*command, 0));
  return true;
}
