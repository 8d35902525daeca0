// The main frame's item kinds: choosing a kind shows its panel and list,
// a pick in the list tries the item on, the select menu's dialogs narrow the
// list, the slideshow applies each entry in turn, and the custom panel adds
// and removes the user's own items. The rules are CItemTryOn's; this file
// only connects them to the panels.
#include <QDialog>
#include <QKeyEvent>

#include "app/bases/item_record.h"
#include "app/shell/face_fit_commands.h"
#include "app/shell/frame/frame_menus.h"
#include "app/shell/frame/item_command_enabling.h"
#include "app/shell/item_dialogs/item_dialogs.h"
#include "app/shell/item_list_ctrl_view.h"
#include "app/shell/main_frame.h"
#include "app/view/kelvora_view.h"
#include "controls/zor_dib_list_ctrl.h"
#include "controls/zor_slider.h"
#include "platform/core/message_box.h"
#include "platform/core/resource_module.h"
#include "platform/qt/dialog_template.h"

namespace {

constexpr unsigned kToolsBarTemplate = 103;
constexpr unsigned kCantLoadImageId = 61781;  // "Can't load image: %s."
constexpr int kPressureAfterPick = 50;
constexpr const char* kFaceTypeBase = "Common.hbd";
constexpr const char* kCustomAddFailed = "The item could not be added to the custom database.";

std::string WithName(std::string format, const std::string& name) {
  if (const auto at = format.find("%s"); at != std::string::npos) format.replace(at, 2, name);
  return format;
}

}  // namespace

CBaseDatabase* CMainFrame::KindDatabase(int kind) { return m_tryOn ? m_tryOn->Database(kind) : nullptr; }

CZORDibListCtrl* CMainFrame::ItemList() const {
  const int kind = m_state.CurrentKind();
  if (!IsItemKind(kind)) return nullptr;
  CSkinPanel* panel = Panel(kind == kKindCustom ? kCustomPanelTemplate : kItemPanelTemplate);
  return panel ? dynamic_cast<CZORDibListCtrl*>(GetDlgItem(panel, ID_ITEM_LIST)) : nullptr;
}

void CMainFrame::ChooseItemKind(int kind) {
  if (CZORDibListCtrl* list = ItemList()) {
    CDibListCtrlView view(*list);
    m_tryOn->SavePosition(m_state.CurrentKind(), view);
  }
  CLayer* before = m_document->GetCurrentLayer();
  const bool chosen = m_state.ChooseKind(kind);
  CProjection* projection = m_document->GetProjection(-1);
  CLayer* layer = chosen && projection ? projection->GetSlot(kind) : nullptr;
  // The custom slot is never composed, so the custom panel works on the
  // item the user was adjusting: that is what "Add" stores.
  if (chosen && kind == kKindCustom && !layer) layer = before;
  m_document->SetCurrentLayer(layer);
  if (layer) m_state.SetSlidersFrom(*layer);
  else m_state.ResetSliders();
  SyncViewMode();
  ShowRightPanel(m_state.RightPanel());
  if (chosen) {
    RefillItemList();
    if (CZORDibListCtrl* list = ItemList()) {
      CDibListCtrlView view(*list);
      m_tryOn->RestorePosition(kind, view);
    }
  }
  if (m_view) m_view->update();
}

void CMainFrame::RefillItemList() {
  CZORDibListCtrl* list = ItemList();
  if (!list || !m_tryOn) return;
  CDibListCtrlView view(*list);
  m_tryOn->Refill(m_state.CurrentKind(), view);
}

void CMainFrame::OnItemListClick() {
  CZORDibListCtrl* list = ItemList();
  if (!list || !m_tryOn) return;
  CDibListCtrlView view(*list);
  AfterItemApplied(m_tryOn->ApplyChosen(m_state.CurrentKind(), view));
}

// The item lists mirror their database's selection entry for entry, so the
// list's own Delete would leave every later entry picking its neighbour's
// item. On the custom list Delete removes the item from the base (asking
// first); on the others it does nothing.
bool CMainFrame::OnItemListKey(QObject* watched, const QKeyEvent& key) {
  if (key.key() != Qt::Key_Delete || key.modifiers() != Qt::NoModifier) return false;
  CZORDibListCtrl* list = ItemList();
  if (!list || watched != list) return false;
  if (m_state.CurrentKind() == kKindCustom && IsCommandEnabled(ID_CUSTOM_REMOVE))
    PostMessage(this, WM_COMMAND, MAKEWPARAM(ID_CUSTOM_REMOVE, 0));
  return true;
}

void CMainFrame::AfterItemApplied(ApplyResult result) {
  if (result == ApplyResult::imageUnreadable) {
    CZORDibListCtrl* list = ItemList();
    const CZORDibListCtrlItem* item = list ? list->GetItem(list->GetCurSel()) : nullptr;
    SetStatusText(WithName(LoadResourceString(kCantLoadImageId), item ? item->text : std::string()));
    return;
  }
  if (result != ApplyResult::applied) return;
  m_statistics.NoteItemTried(m_state.CurrentKind());
  if (CLayer* layer = m_document->GetCurrentLayer()) m_state.SetSlidersFrom(*layer);
  // The tools' pressure is read from its slider when a tool starts.
  if (CSkinPanel* tools = Panel(kToolsBarTemplate))
    if (auto* pressure = dynamic_cast<CZORSlider*>(GetDlgItem(tools, ID_SLIDER_PRESSURE)))
      pressure->SetPos(kPressureAfterPick);
  SyncViewMode();
  if (m_view) m_view->update();
}

std::optional<bool> CMainFrame::IsItemCommandEnabled(UINT id) {
  if (!::IsItemCommandEnabled(id, {})) return std::nullopt;
  ItemCommandFacts facts;
  if (m_tryOn) {
    facts.kind = m_state.CurrentKind();
    facts.kindDatabaseOpen = KindDatabase(facts.kind) != nullptr;
    if (CZORDibListCtrl* list = ItemList()) {
      facts.listCount = list->GetCount();
      facts.listSelection = list->GetCurSel();
    }
    facts.slideshowRunning = m_tryOn->IsSlideshowRunning();
    facts.customBaseOpen = KindDatabase(kKindCustom) != nullptr;
    CProjection* projection = m_document->GetProjection(-1);
    CLayer* layer = m_document->GetCurrentLayer();
    facts.hasItemLayer = projection && layer && projection->FindSlotOf(layer) >= 0;
  }
  return ::IsItemCommandEnabled(id, facts);
}

bool CMainFrame::IsButtonDown(UINT id) const {
  if (id == ID_SLIDESHOW) return m_tryOn && m_tryOn->IsSlideshowRunning();
  if (id == ID_SWITCH_TO_BODY) return m_document && m_document->GetMode() == kBodySet;
  return m_state.IsButtonDown(id);
}

bool CMainFrame::RunItemCommand(UINT id) {
  if (!m_tryOn) return false;
  for (int kind = 0; kind < kItemKindCount; ++kind) {
    if (id == FindItemKind(kind)->command) {
      if (IsCommandEnabled(id)) ChooseItemKind(kind);
      return true;
    }
  }
  if (id == ID_ITEM_LIST) {
    OnItemListClick();
    return true;
  }
  if (!IsItemCommandEnabled(id)) return false;
  if (!IsCommandEnabled(id)) return true;
  switch (id) {
    case ID_SELECT_MENU: ShowSelectMenu(); break;
    case ID_SELECT_BY_CATEGORIES: SelectByCategories(); break;
    case ID_SELECT_BY_NAME: SelectByName(); break;
    case ID_SELECT_BY_FACE_TYPE: SelectByFaceType(); break;
    case ID_SLIDESHOW: ToggleSlideshow(); break;
    case ID_CUSTOM_ADD: AddToCustomBase(); break;
    case ID_CUSTOM_REMOVE: RemoveFromCustomBase(); break;
    default: break;
  }
  return true;
}

void CMainFrame::ToggleSlideshow() {
  if (m_tryOn->IsSlideshowRunning()) {
    StopSlideshow();
    return;
  }
  CZORDibListCtrl* list = ItemList();
  if (!list) return;
  CDibListCtrlView view(*list);
  if (m_tryOn->StartSlideshow(m_state.CurrentKind(), view)) SetTimer(kSlideshowTimerId, m_settings.slideshowInterval);
}

void CMainFrame::StopSlideshow() {
  if (!m_tryOn || !m_tryOn->IsSlideshowRunning()) return;
  m_tryOn->StopSlideshow();
  KillTimer(kSlideshowTimerId);
  SyncControls();
}

void CMainFrame::OnTimer(UINT id) {
  if (id != kSlideshowTimerId) return;
  CZORDibListCtrl* list = ItemList();
  if (!list || !m_tryOn || !m_tryOn->IsSlideshowRunning()) {
    StopSlideshow();
    return;
  }
  CDibListCtrlView view(*list);
  AfterItemApplied(m_tryOn->SlideshowTick(m_state.CurrentKind(), view));
  SyncControls();
}

void CMainFrame::ShowSelectMenu() {
  if (UINT id = RunMenu(SelectMenu(true))) PostMessage(this, WM_COMMAND, MAKEWPARAM(id, 0));
}

void CMainFrame::SelectByCategories() {
  const int kind = m_state.CurrentKind();
  CBaseDatabase* base = KindDatabase(kind);
  if (!base) return;
  CSelectCategoriesDialog dialog(*base, m_tryOn->Categories(kind), this);
  RunDialog(dialog);
  if (dialog.result() != QDialog::Accepted) return;
  m_tryOn->SetCategories(kind, dialog.Choice());
  RefillItemList();
}

void CMainFrame::SelectByName() {
  const int kind = m_state.CurrentKind();
  CBaseDatabase* base = KindDatabase(kind);
  if (!base) return;
  CSelectByNameDialog dialog(*base, m_settings.searchString, this);
  RunDialog(dialog);
  // The text is kept either way, so the next search starts from it.
  m_settings.searchString = dialog.SearchText();
  if (dialog.result() != QDialog::Accepted) return;
  const int index = m_tryOn->ListIndexOfRecord(kind, dialog.Found());
  CZORDibListCtrl* list = ItemList();
  if (index < 0 || !list) return;
  list->SetCurSel(index);
  list->SetTopIndex(index / std::max(1, list->Geometry().ItemsPerLine()));
  OnItemListClick();
}

void CMainFrame::SelectByFaceType() {
  const int kind = m_state.CurrentKind();
  CSelectFaceTypeDialog dialog(JoinStoredPath(m_settings.bases, kFaceTypeBase), this);
  dialog.SuggestShape(SuggestedFaceShape(*m_document));
  RunDialog(dialog);
  const bool cancelled = dialog.result() != QDialog::Accepted;
  if (m_tryOn->SetFaceShapeByName(kind, cancelled ? std::string() : dialog.ShapeName(), cancelled)) RefillItemList();
}

void CMainFrame::AddToCustomBase() {
  CItemNameDialog dialog(this);
  RunDialog(dialog);
  if (dialog.result() != QDialog::Accepted || dialog.Name().empty()) return;
  if (!m_tryOn->AddCurrentLayerToCustomBase(dialog.Name())) {
    ShowMessageBox(kCustomAddFailed, {}, MessageIcon::Stop);
    return;
  }
  if (m_state.CurrentKind() == kKindCustom) RefillItemList();
}

void CMainFrame::RemoveFromCustomBase() {
  CZORDibListCtrl* list = ItemList();
  if (list && m_tryOn->RemoveFromCustomBase(list->GetCurSel())) RefillItemList();
}
