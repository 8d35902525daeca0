// The main window's command dispatch. A command of the table that a
// subsystem carries runs only through its registered handler; the
// application's commands run through theirs; the rest are the frame's own.
// After every command the panels are brought in line with the state.
#include <QCursor>

#include "app/document/photo_loading.h"
#include "app/document/undo_routing.h"
#include "app/editing/layer_mirror.h"
#include "app/shell/frame/command_enabling.h"
#include "app/shell/frame/command_table.h"
#include "app/shell/main_frame.h"
#include "app/view/kelvora_view.h"
#include "controls/zor_dib_list_ctrl.h"

void CMainFrame::SetCommandHandler(UINT id, std::function<void()> handler, std::function<bool()> enabled) {
  m_handlers.Set(id, std::move(handler), std::move(enabled));
  SyncControls();
}

bool CMainFrame::IsCommandEnabled(UINT id) {
  if (auto item = IsItemCommandEnabled(id)) return *item;
  CommandFacts facts;
  if (m_document) {
    const CEditMode& mode = m_state.ViewMode().edit;
    facts.currentHasPhoto = m_document->HasPhoto(true);
    facts.canUndo = CanRunUndoCommand(*m_document, mode, UndoDirection::undo);
    facts.canRedo = CanRunUndoCommand(*m_document, mode, UndoDirection::redo);
    facts.kindDatabaseOpen = [this](int kind) { return KindDatabase(kind) != nullptr; };
  }
  return ::IsCommandEnabled(id, facts, m_handlers);
}

void CMainFrame::OnCommand(UINT id, UINT code, HWND) {
  // The click before a double click has picked the item already.
  if (id == ID_ITEM_LIST && code == kDibListNotifyDoubleClick) return;
  RunCommand(id);
}

void CMainFrame::RunCommand(UINT id) {
  // Any other command ends the slideshow, as the user has moved on.
  if (id != ID_SLIDESHOW) StopSlideshow();
  const CommandSpec* spec = FindCommand(id);
  if (id == ID_TOGGLE_LAYER_FRAMES && m_view) {
    // The view turns its frames and tells the setting through its sink.
    SendMessage(m_view, WM_COMMAND, MAKEWPARAM(id, 0));
  } else if (spec && spec->carrier == CommandCarrier::handler) {
    if (!m_handlers.IsEnabled(id)) return;
    // The face-rectangle and stretching tools are armed here like every
    // other tool; what a press on the view does is the handler's.
    if (ToolOfCommand(id)) ChooseTool(id);
    m_handlers.Run(id);
  } else if (m_handlers.Has(id)) {
    m_handlers.Run(id);
  } else {
    RunFrameCommand(id);
  }
  SyncControls();
}

void CMainFrame::ChooseTool(UINT id) {
  m_state.ToggleTool(*ToolOfCommand(id));
  SyncViewMode();
  if (m_view) m_view->update();
}

void CMainFrame::DisarmTools() {
  m_state.DisarmTools();
  SyncViewMode();
  SyncControls();
}

bool CMainFrame::RunFrameCommand(UINT id) {
  switch (id) {
    case ID_MINIMIZE_WINDOW: showMinimized(); return true;
    case ID_APP_EXIT_PROGRAM: PostMessage(this, WM_CLOSE); return true;
    case ID_GET_PHOTO: ShowPhotoMenu(); return true;
    case ID_APP_ABOUT: ShowAbout(); return true;
    case ID_VERSION_INFO: ShowInformationSheet(); return true;
    case ID_STATISTICS: ShowStatistics(); return true;
    default: break;
  }
  return OnDocumentCommand(id);
}

bool CMainFrame::OnDocumentCommand(UINT id) {
  if (!m_document) return false;
  if (ToolOfCommand(id)) {
    ChooseTool(id);
    return true;
  }
  if (m_state.ChooseThickness(id)) {
    SyncViewMode();
    return true;
  }
  if (RunItemCommand(id)) return true;
  if (RunColourCommand(id)) return true;
  CKelvoraDoc& document = *m_document;
  const int setSize = document.GetMode() == kBodySet ? 1 : 4;
  switch (id) {
    case ID_TOOL_MIRROR: ShowMirrorMenu(); return true;
    case ID_MIRROR_LEFT_RIGHT:
    case ID_MIRROR_TOP_BOTTOM:
      MirrorEditedLayers(document, m_state.ViewMode().edit,
                         id == ID_MIRROR_LEFT_RIGHT ? MirrorAxis::leftRight : MirrorAxis::topBottom);
      return true;
    case ID_LOAD_SAMPLE_PHOTO:
      if (LoadSamplePhotos(document, m_style)) m_statistics.NotePhotoLoaded();
      return true;
    case ID_LOAD_FROM_FILE: LoadFromFile(); return true;
    case ID_CLEAR_CLIENTS:
      document.ClearDocument();
      ResetPanels();
      m_statistics.NoteClientCleared();
      document.UpdateWholeView();
      return true;
    case ID_SELECT_PROJECTION: document.SelectProjection(m_projectionPicture, true, false); return true;
    case ID_NEXT_VIEW:
    case ID_PREVIOUS_VIEW:
      m_projectionPicture = (m_projectionPicture + (id == ID_NEXT_VIEW ? 1 : setSize - 1)) % setSize;
      document.SelectProjection(m_projectionPicture, true, false);
      return true;
    case ID_SWITCH_TO_BODY:
      // "SWITCH_BODY" is a toggle and the only control for the two sets: its
      // second press goes back to the face set.
      document.SwitchProjectionSet(document.GetMode() == kBodySet ? kFaceSet : kBodySet);
      return true;
    case ID_SWITCH_TO_FACE: document.SwitchProjectionSet(kFaceSet); return true;
    case ID_PHOTO_FACE:
    case ID_PHOTO_BODY:
      EnterMode(m_state.TogglePhotoMode() ? document.GetPhotoLayer() : nullptr);
      return true;
    case ID_MAKEUP: EnterMode(m_state.ToggleMakeupMode() ? document.GetMakeupLayer() : nullptr); return true;
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
      if (!IsCommandEnabled(id)) return true;
      RunUndoCommand(document, m_state.ViewMode().edit, id == ID_EDIT_UNDO ? UndoDirection::undo : UndoDirection::redo);
      return true;
    case ID_DELETE_LAYER:
      if (document.DeleteCurrentLayer() && !document.GetCurrentLayer()) m_state.ResetSliders();
      return true;
    case ID_FLATTEN_IMAGE: document.FlattenImage(); return true;
    default: return false;
  }
}

void CMainFrame::EnterMode(CLayer* edited) {
  // Photo and make-up mode edit their own layer, not an item's.
  m_document->SetCurrentLayer(nullptr);
  if (edited) m_state.SetSlidersFrom(*edited);
  else m_state.ResetSliders();
  SyncViewMode();
  ShowRightPanel(m_state.RightPanel());
  if (m_view) m_view->update();
}

void CMainFrame::ResetPanels() {
  m_state.Reset();
  m_document->SetCurrentLayer(nullptr);
  SyncViewMode();
  ShowRightPanel(m_state.RightPanel());
}
