#include "app/shell/main_frame.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCloseEvent>
#include <QCursor>
#include <QKeyEvent>

#include "app/resources/program_messages.h"
#include "controls/skin_resources.h"
#include "platform/core/message_box.h"

CMainFrame::CMainFrame(CSettings& settings) : CWnd(nullptr), m_settings(settings) {
  // The skinned title bar replaces the window system's.
  setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
  setAutoFillBackground(true);
  QPalette dark = palette();
  dark.setColor(QPalette::Window, Qt::black);
  setPalette(dark);
}

CMainFrame::CMainFrame(CSettings& settings, CKelvoraDoc& document, HINSTANCE style)
    : CMainFrame(settings) {
  m_document = &document;
  m_style = style;
}

CMainFrame::~CMainFrame() {
  if (qApp) qApp->removeEventFilter(this);
  if (m_document) m_document->SetHost(nullptr);
  if (m_settings.autoSave && m_saveSettings) m_saveSettings();
}

bool CMainFrame::Create(const PanelTemplateFactory& templates) {
  auto* rows = new QVBoxLayout(this);
  auto* top = new QVBoxLayout;
  auto* middle = new QHBoxLayout;
  auto* left = new QHBoxLayout;
  auto* right = new QHBoxLayout;
  auto* bottom = new QVBoxLayout;
  for (QBoxLayout* layout : {static_cast<QBoxLayout*>(rows), static_cast<QBoxLayout*>(top),
                             static_cast<QBoxLayout*>(middle), static_cast<QBoxLayout*>(left),
                             static_cast<QBoxLayout*>(right), static_cast<QBoxLayout*>(bottom)}) {
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
  }
  rows->addLayout(top);
  rows->addLayout(middle, 1);
  rows->addLayout(bottom);
  middle->addLayout(left);
  if (m_document)
    CreateView(*middle);
  else
    middle->addStretch(1);  // the view's place
  middle->addLayout(right);

  for (const PanelSpec& spec : PanelTable()) {
    auto* panel = new CSkinPanel(spec, this);
    if (!panel->Create(templates)) {
      ShowMessageBox(spec.failureMessage, {}, MessageIcon::Stop);
      return false;
    }
    switch (spec.side) {
      case DockSide::Top: top->addWidget(panel); break;
      case DockSide::Bottom: bottom->addWidget(panel); break;
      case DockSide::Left: left->addWidget(panel); break;
      case DockSide::Right: right->addWidget(panel); panel->hide(); break;
    }
    m_panels.push_back(panel);
  }
  // The gallery strip shows on the user's request.
  if (CSkinPanel* strip = Panel(kGalleryStripTemplate)) strip->hide();
  ShowRightPanel(kEmptyPanelTemplate);
  ApplyWindowLimits();
  CreateStatusLine();
  qApp->installEventFilter(this);
  if (m_document) {
    SetUpMakeupPanel();
    ShowFilterButtons();
    ConnectColourReceivers();
  }
  SyncControls();
  return true;
}

void CMainFrame::ApplyWindowLimits() {
  CPoint size;
  if (LoadCustomWndPos("IDR_APPWINDOW_SIZE_MIN", &size, GetImageInstance()) && size.x > 0 && size.y > 0)
    setMinimumSize(size.x, size.y);
  if (LoadCustomWndPos("IDR_APPWINDOW_SIZE_MAX", &size, GetImageInstance()) && size.x > 0 && size.y > 0)
    setMaximumSize(std::max(size.x, minimumWidth()), std::max(size.y, minimumHeight()));
}

CSkinPanel* CMainFrame::Panel(unsigned templateId) const {
  for (CSkinPanel* panel : m_panels)
    if (panel->Spec().templateId == templateId) return panel;
  return nullptr;
}

bool CMainFrame::ShowRightPanel(unsigned templateId) {
  CSkinPanel* next = Panel(templateId);
  if (!next || next->Spec().side != DockSide::Right) return false;
  if (CSkinPanel* previous = Panel(m_currentRight); previous && previous != next) previous->hide();
  next->show();
  m_currentRight = templateId;
  m_state.SetRightPanel(templateId);
  return true;
}

void CMainFrame::BringForward() {
  if (isMinimized()) showNormal();
  else show();
  raise();
  activateWindow();
}

LRESULT CMainFrame::WindowProc(UINT message, WPARAM wParam, LPARAM lParam, const std::string& text) {
  if (message == WM_CLOSE) {
    close();
    return 0;
  }
  if (message == WM_HSCROLL || message == WM_VSCROLL) {
    OnScroll(wParam, lParam);
    return 0;
  }
  if (message == WM_SETMESSAGESTRING) {
    SetStatusText(text);
    return 0;
  }
  if (g_nBGRButMsg && message == g_nBGRButMsg) {
    ShowFilterColourMenu(static_cast<UINT>(lParam));
    return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam, text);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  if (m_settings.showQuestions &&
      ShowMessageBox(LoadResourceString(kStringQuitQuestion), {}, MessageIcon::Question, MessageButtons::YesNo,
                     MessageDefault::Second) != IDYES) {
    event->ignore();
    return;
  }
  event->accept();
}

void CMainFrame::keyPressEvent(QKeyEvent* event) {
  // F1 over a control asks for its context help; elsewhere, the manual.
  if (event->key() == Qt::Key_F1) {
    QWidget* under = childAt(mapFromGlobal(QCursor::pos()));
    for (; under && under != this; under = under->parentWidget()) {
      if (auto* control = dynamic_cast<CWnd*>(under); control && control->GetDlgCtrlID()) {
        if (m_contextHelp) m_contextHelp(control->GetDlgCtrlID(), QCursor::pos());
        return;
      }
    }
    OnCommand(ID_HELP, 0, nullptr);
    return;
  }
  CWnd::keyPressEvent(event);
}
