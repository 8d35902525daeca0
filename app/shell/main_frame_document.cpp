// The main frame's side of the document: the view in its central place and
// the commands that load photos, choose projections and modes, and undo.
#include <QBoxLayout>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>

#include "app/bases/item_record.h"
#include "app/document/photo_loading.h"
#include "app/editing/layer_mirror.h"
#include "app/shell/items/item_application.h"
#include "controls/zor_dib_list_ctrl.h"
#include "platform/qt/dialog_template.h"
#include "app/document/undo_routing.h"
#include "app/shell/editing_commands.h"
#include "app/shell/frame_document_host.h"
#include "app/shell/main_frame.h"
#include "app/view/context_menu.h"
#include "app/view/kelvora_view.h"
#include "platform/core/resource_module.h"

namespace {

constexpr unsigned kImageFileFilterId = 61782;
constexpr unsigned kItemPanelTemplate = 104;
constexpr UINT kItemListId = 998;
constexpr UINT ID_TOOL_SNIPPERS = 1021;
constexpr UINT ID_TOOL_COMB = 1022;
constexpr UINT ID_TOOL_BRUSH = 1025;
constexpr UINT ID_TOOL_SPRAY = 1026;

// "JPEG Files (*.jpg)|*.jpg|...||" as a Qt file dialog filter list, with
// every type the image library reads offered first.
QString FileDialogFilter() {
  QStringList filters{"Images (*.jpg *.jpeg *.jpe *.bmp *.pcx)"};
  const QStringList parts = QString::fromStdString(LoadResourceString(kImageFileFilterId)).split('|');
  for (int i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;
    filters << parts[i] + " (" + QString(parts[i + 1]).replace(';', ' ') + ")";
  }
  filters << "PCX Files (*.pcx)";
  return filters.join(";;");
}

}  // namespace

void CMainFrame::CreateView(QBoxLayout& place) {
  m_host = std::make_unique<CFrameDocumentHost>(*this, m_settings);
  m_document->SetHost(m_host.get());
  m_tools = std::make_unique<CContourViewTools>(*m_document);
  m_tools->SetSetupSource([this]() -> std::optional<CHairToolSetup> {
    static constexpr HairStrokeTool kStrokeTools[] = {HairStrokeTool::comb, HairStrokeTool::comb,
                                                      HairStrokeTool::snippers, HairStrokeTool::brush,
                                                      HairStrokeTool::spray};
    if (m_viewMode.hairTool == HairTool::none) return std::nullopt;
    CHairToolSetup setup;
    setup.tool = kStrokeTools[static_cast<int>(m_viewMode.hairTool)];
    setup.controls.thickness = m_viewMode.eyedropperThickness;
    return setup;
  });
  m_view = new CKelvoraView(*m_document, *m_tools, this);
  m_tools->SetCaptureWidget(m_view);
  m_tools->SetContourCaptureWidget(m_view);
  m_view->setMinimumSize(64, 64);
  place.addWidget(m_view, 1);
  m_view->Controller().SetLayerFramesVisible(m_settings.lTrackersVisible);
  m_view->SetDropHandler([this](const std::string& path) { return LoadPhotoFromPath(*m_document, path); });
  ReloadFilterProfile();
  m_view->SetFilterColours([this](int number) { return m_filterProfile.FilterColour(number); });
  m_view->SetCommandSink([this](UINT id) {
    if (id == ID_TOGGLE_LAYER_FRAMES) return;
    PostMessage(this, WM_COMMAND, MAKEWPARAM(id, 0));
  });
  QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = screen ? screen->size() : QSize(1920, 1080);
  m_view->OnInitialUpdate(CSize(size.width(), size.height()));
  RegisterEditingCommands(*this, *m_tools, m_settings);
  SyncViewMode();
}

void CMainFrame::SyncViewMode() {
  if (m_view) m_view->Controller().SetMode(m_viewMode);
}

void CMainFrame::SetEditMode(bool photo, bool makeup) {
  m_viewMode.edit.photoMode = photo;
  m_viewMode.edit.makeupMode = makeup;
  SyncViewMode();
  if (m_view) m_view->update();
}

void CMainFrame::LoadFromFile() {
  const QString path = QFileDialog::getOpenFileName(this, QString::fromStdString(LoadResourceString(ID_LOAD_FROM_FILE)),
                                                    QString(), FileDialogFilter());
  if (!path.isEmpty()) LoadPhotoFromPath(*m_document, path.toStdString());
}

CBaseDatabase* CMainFrame::KindDatabase(int kind) {
  if (!IsItemKind(kind)) return nullptr;
  std::unique_ptr<CBaseDatabase>& base = m_kindBases[kind];
  if (!base) {
    base = std::make_unique<CBaseDatabase>();
    const std::string path = m_settings.GetBasePath(kind);
    // Only the custom base is written to; the shipped ones stay read-only.
    if (path.empty() || !base->Open(path, kind != kKindCustom) || !base->Load()) base->Close();
  }
  return base->IsOpen() ? base.get() : nullptr;
}

void CMainFrame::ChooseItemKind(int kind) {
  CEditMode& edit = m_viewMode.edit;
  edit.photoMode = edit.makeupMode = false;
  edit.currentKind = edit.currentKind == kind ? -1 : kind;
  m_document->SetCurrentLayer(edit.currentKind >= 0 ? m_document->GetProjection(-1)->GetSlot(kind) : nullptr);
  SyncViewMode();
  ShowRightPanel(edit.currentKind >= 0 ? kItemPanelTemplate : kEmptyPanelTemplate);
  RefillItemList();
  if (m_view) m_view->update();
}

void CMainFrame::RefillItemList() {
  CSkinPanel* panel = Panel(kItemPanelTemplate);
  auto* list = panel ? dynamic_cast<CZORDibListCtrl*>(GetDlgItem(panel, kItemListId)) : nullptr;
  if (!list) return;
  list->ResetContent();
  const int kind = m_viewMode.edit.currentKind;
  CBaseDatabase* base = KindDatabase(kind);
  if (!base) return;
  RefreshSelection(*base, AllCategories(), ProjectionFilterFor(*m_document, kind, m_settings.selectByOrient), -1);
  const std::vector<BaseItemRecord>& selection = base->Selection();
  const auto& thumbnails = base->SelectionThumbnails();
  for (std::size_t i = 0; i < selection.size(); ++i) {
    std::unique_ptr<CDib> picture;
    if (i < thumbnails.size() && thumbnails[i]) picture = std::make_unique<CDib>(*thumbnails[i]);
    list->AddItem(std::move(picture), GetItemName(selection[i]));
  }
}

void CMainFrame::OnItemListClick() {
  CSkinPanel* panel = Panel(kItemPanelTemplate);
  auto* list = panel ? dynamic_cast<CZORDibListCtrl*>(GetDlgItem(panel, kItemListId)) : nullptr;
  const int kind = m_viewMode.edit.currentKind;
  CBaseDatabase* base = KindDatabase(kind);
  if (!list || !base || list->GetCurSel() < 0) return;
  if (ApplySelectedItem(*m_document, *base, kind, list->GetCurSel(), false) == ApplyResult::applied) {
    SyncViewMode();
    if (m_view) m_view->update();
  }
}

void CMainFrame::ChooseHairTool(HairTool tool) {
  m_viewMode.hairTool = m_viewMode.hairTool == tool ? HairTool::none : tool;
  SyncViewMode();
}

bool CMainFrame::OnDocumentCommand(UINT id) {
  if (!m_document) return false;
  switch (id) {
    case ID_TOOL_COMB: ChooseHairTool(HairTool::comb); return true;
    case ID_TOOL_SNIPPERS: ChooseHairTool(HairTool::snippers); return true;
    case ID_TOOL_BRUSH: ChooseHairTool(HairTool::brush); return true;
    case ID_TOOL_SPRAY: ChooseHairTool(HairTool::spray); return true;
    case ID_MIRROR_LEFT_RIGHT:
    case ID_MIRROR_TOP_BOTTOM:
      MirrorEditedLayers(*m_document, m_viewMode.edit,
                         id == ID_MIRROR_LEFT_RIGHT ? MirrorAxis::leftRight : MirrorAxis::topBottom);
      return true;
    default: break;
  }
  for (int kind = 0; kind < kItemKindCount; ++kind) {
    if (id == FindItemKind(kind)->command) {
      ChooseItemKind(kind);
      return true;
    }
  }
  if (id == kItemListId) {
    OnItemListClick();
    return true;
  }
  CKelvoraDoc& document = *m_document;
  const int setSize = document.GetMode() == kBodySet ? 1 : 4;
  switch (id) {
    case ID_LOAD_SAMPLE_PHOTO: LoadSamplePhotos(document, m_style); return true;
    case ID_LOAD_FROM_FILE: LoadFromFile(); return true;
    case ID_CLEAR_CLIENTS: document.ClearDocument(); document.UpdateWholeView(); return true;
    case ID_SELECT_PROJECTION: document.SelectProjection(m_projectionPicture, true, false); return true;
    case ID_NEXT_VIEW:
    case ID_PREVIOUS_VIEW:
      m_projectionPicture = (m_projectionPicture + (id == ID_NEXT_VIEW ? 1 : setSize - 1)) % setSize;
      document.SelectProjection(m_projectionPicture, true, false);
      return true;
    case ID_SWITCH_TO_BODY: document.SwitchProjectionSet(kBodySet); return true;
    case ID_SWITCH_TO_FACE: document.SwitchProjectionSet(kFaceSet); return true;
    case ID_PHOTO_FACE:
    case ID_PHOTO_BODY: SetEditMode(!m_viewMode.edit.photoMode, false); return true;
    case ID_MAKEUP: SetEditMode(false, !m_viewMode.edit.makeupMode); return true;
    case ID_EDIT_UNDO:
    case ID_EDIT_REDO:
      RunUndoCommand(document, m_viewMode.edit, id == ID_EDIT_UNDO ? UndoDirection::undo : UndoDirection::redo);
      return true;
    case ID_DELETE_LAYER: document.DeleteCurrentLayer(); return true;
    case ID_FLATTEN_IMAGE: document.FlattenImage(); return true;
    default: return false;
  }
}
