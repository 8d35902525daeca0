#include "app/shell/gallery_bars.h"

#include <QBuffer>
#include <QContextMenuEvent>
#include <QFileDialog>
#include <QKeyEvent>

#include <filesystem>

#include "app/document/project_file.h"
#include "app/shell/gallery/automatic_selection.h"
#include "app/shell/gallery/gallery_commands.h"
#include "app/shell/gallery/program_busy.h"
#include "app/shell/gallery_image_window.h"
#include "app/shell/item_dialogs/item_dialogs.h"
#include "app/shell/item_list_ctrl_view.h"
#include "app/shell/main_frame.h"
#include "app/shell/printing/dib_image.h"
#include "app/shell/printing/print_pdf.h"
#include "app/shell/progress_window.h"
#include "controls/zor_dib_list_ctrl.h"
#include "platform/core/message_box.h"
#include "platform/qt/dialog_template.h"

namespace {

constexpr unsigned kGalleryPanelTemplate = 154;
constexpr unsigned kGalleryStripTemplate152 = 152;

class CGalleryListCtrlView : public CGalleryListView {
 public:
  explicit CGalleryListCtrlView(CZORDibListCtrl& list) : m_list(list) {}
  void AddItem(std::unique_ptr<CDib> picture, const std::string& caption) override {
    m_list.AddItem(std::move(picture), caption);
  }
  int GetCount() const override { return m_list.GetCount(); }
  std::vector<int> SelectedItems() const override {
    const CWordArray* selection = m_list.GetSelItems();
    return std::vector<int>(selection->begin(), selection->end());
  }
  void DeleteSelected() override { m_list.DeleteItems(); }
  void ResetContent() override { m_list.ResetContent(); }

 private:
  CZORDibListCtrl& m_list;
};

CZORDibListCtrl* FindList(CMainFrame& frame, unsigned templateId, unsigned listId) {
  CSkinPanel* panel = frame.Panel(templateId);
  return panel ? dynamic_cast<CZORDibListCtrl*>(GetDlgItem(panel, listId)) : nullptr;
}

// The file format a saved picture takes from its name; JPEG when the name
// has none of the three.
std::string PictureFormat(std::string& path) {
  std::string extension = std::filesystem::path(path).extension().string();
  for (char& c : extension) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  if (extension == ".png") return "PNG";
  if (extension == ".bmp") return "BMP";
  if (extension != ".jpg" && extension != ".jpeg") path += ".jpg";
  return "JPG";
}

}  // namespace

CGalleryBars::CGalleryBars(CMainFrame& frame, CSettings& settings, CKelvoraDoc& document)
    : QObject(&frame), m_frame(frame), m_settings(settings), m_document(document) {
  if (CZORDibListCtrl* list = FindList(frame, kGalleryStripTemplate152, kGalleryListHorzId)) {
    m_stripView = std::make_unique<CGalleryListCtrlView>(*list);
    m_strip = std::make_unique<CGalleryBar>(GalleryNaming::padded, *m_stripView);
    list->installEventFilter(this);
  }
  if (CZORDibListCtrl* list = FindList(frame, kGalleryPanelTemplate, kGalleryListVertId)) {
    m_panelView = std::make_unique<CGalleryListCtrlView>(*list);
    m_panel = std::make_unique<CGalleryBar>(GalleryNaming::plain, *m_panelView);
    list->installEventFilter(this);
  }
  const std::string& data = settings.GetDataFolder();
  if (m_strip) m_strip->FillFromFolder(data);
  if (m_panel) m_panel->FillFromFolder(data);
  // Looks kept earlier are in view from the start.
  if (m_strip && m_strip->Count() > 0) ShowBar(m_strip.get());
  m_chooseSavePath = [this](const std::string& suggestion) {
    return QFileDialog::getSaveFileName(&m_frame, "Save as a file", QString::fromStdString(suggestion),
                                        "JPEG picture (*.jpg *.jpeg);;PNG picture (*.png);;BMP picture (*.bmp)")
        .toStdString();
  };
  RegisterCommands();
}

CGalleryBars::~CGalleryBars() = default;

CGalleryBar* CGalleryBars::StandardBar() const { return m_settings.standardGallery ? m_strip.get() : m_panel.get(); }

CGalleryBar* CGalleryBars::BarInUse() const {
  if (m_inUse) return m_inUse;
  if (m_panel && m_frame.CurrentRightPanel() == kGalleryPanelTemplate) return m_panel.get();
  return m_strip ? m_strip.get() : m_panel.get();
}

CZORDibListCtrl* CGalleryBars::ListOf(const CGalleryBar* bar) const {
  if (!bar) return nullptr;
  return bar == m_strip.get() ? FindList(m_frame, kGalleryStripTemplate152, kGalleryListHorzId)
                              : FindList(m_frame, kGalleryPanelTemplate, kGalleryListVertId);
}

std::vector<CGalleryImageWindow*> CGalleryBars::ImageWindows() const {
  std::vector<CGalleryImageWindow*> open;
  for (const QPointer<CGalleryImageWindow>& window : m_windows)
    if (window) open.push_back(window.data());
  return open;
}

void CGalleryBars::RegisterCommands() {
  auto add = [this](CommandId id, void (CGalleryBars::*run)()) {
    m_frame.SetCommandHandler(id, [this, run] { (this->*run)(); }, [this, id] { return IsEnabled(id); });
  };
  add(ID_GALLERY_ADD, &CGalleryBars::Add);
  add(ID_GALLERY_RESTORE, &CGalleryBars::Restore);
  add(ID_GALLERY_VIEW, &CGalleryBars::View);
  add(ID_GALLERY_DELETE, &CGalleryBars::Delete);
  add(ID_GALLERY_DELETE_ALL, &CGalleryBars::DeleteAll);
  add(ID_GALLERY_SAVE_AS, &CGalleryBars::SaveAs);
  add(ID_GALLERY_PRINT, &CGalleryBars::Print);
  m_frame.SetCommandHandler(ID_GALLERY_SCROLL_BACK, [this] { Scroll(false); },
                            [this] { return IsEnabled(ID_GALLERY_SCROLL_BACK); });
  m_frame.SetCommandHandler(ID_GALLERY_SCROLL_FORWARD, [this] { Scroll(true); },
                            [this] { return IsEnabled(ID_GALLERY_SCROLL_FORWARD); });
  m_frame.SetCommandHandler(ID_SHOW_GALLERY, [this] { ToggleGalleryPanel(); });
  m_frame.SetCommandHandler(ID_AUTOMATIC_SELECTION, [this] { AutomaticSelection(); }, [this] {
    CItemTryOn* tryOn = m_frame.TryOn();
    const int kind = m_frame.State().CurrentKind();
    return tryOn && kind >= 0 && StandardBar() && tryOn->Database(kind) && m_document.HasPhoto(true);
  });
  // A click in a list makes its bar the one in use; the frame then
  // refreshes which buttons are live.
  m_frame.SetCommandHandler(kGalleryListHorzId, [this] { m_inUse = m_strip.get(); });
  m_frame.SetCommandHandler(kGalleryListVertId, [this] { m_inUse = m_panel.get(); });
}

bool CGalleryBars::IsEnabled(unsigned id) const {
  const CGalleryBar* bar = id == ID_GALLERY_ADD ? StandardBar() : BarInUse();
  if (!bar) return false;
  GalleryBarFacts facts;
  facts.photoInProjection = m_document.HasPhoto(true);
  facts.count = bar->Count();
  facts.selected = bar->SelectedCount();
  facts.busy = IsProgramBusy();
  if (const CZORDibListCtrl* list = ListOf(bar)) {
    const CDibListGeometry& geometry = list->Geometry();
    facts.hiddenBefore = geometry.TopLine() > 0;
    facts.hiddenAfter = geometry.TopLine() + geometry.VisibleLines() < geometry.TotalLines();
  }
  return IsGalleryCommandEnabled(id, facts);
}

void CGalleryBars::UseBarOf(const QObject* widget) {
  if (m_strip && widget == ListOf(m_strip.get())) m_inUse = m_strip.get();
  if (m_panel && widget == ListOf(m_panel.get())) m_inUse = m_panel.get();
}

void CGalleryBars::ShowBar(const CGalleryBar* bar) {
  if (!bar) return;
  if (bar == m_strip.get()) {
    if (CSkinPanel* strip = m_frame.Panel(kGalleryStripTemplate152)) strip->show();
  } else {
    m_frame.ShowRightPanel(kGalleryPanelTemplate);
  }
}

std::vector<std::unique_ptr<CDib>> CGalleryBars::SelectedPictures() {
  CGalleryBar* bar = BarInUse();
  return bar ? bar->RenderSelected() : std::vector<std::unique_ptr<CDib>>{};
}

void CGalleryBars::Add() {
  CGalleryBar* bar = StandardBar();
  if (!bar) return;
  if (bar->AddProjection(m_document, m_settings.GetDataFolder()).empty()) return;
  ShowBar(bar);
  // The new look is the last entry: bring it into view.
  if (CZORDibListCtrl* list = ListOf(bar)) list->SetTopIndex(list->Geometry().TotalLines() - 1);
}

void CGalleryBars::AfterDocumentChanged() {
  if (CLayer* layer = m_document.GetCurrentLayer())
    m_frame.SetSlidersFrom(*layer);
  else
    m_frame.ResetSliders();
  m_frame.RefillItemList();
  m_document.UpdateWholeView();
}

void CGalleryBars::Restore() {
  CGalleryBar* bar = BarInUse();
  if (!bar) return;
  const int kind = m_frame.State().CurrentKind();
  if (bar->Restore(m_document, kind)) AfterDocumentChanged();
}

void CGalleryBars::View() {
  CGalleryBar* bar = BarInUse();
  if (!bar) return;
  CGalleryImageWindow* last = nullptr;
  for (std::unique_ptr<CDib>& picture : bar->RenderSelected()) {
    last = new CGalleryImageWindow(DibToImage(*picture), &m_frame);
    m_windows.emplace_back(last);
    last->show();
  }
  if (last) {
    last->raise();
    last->activateWindow();
  }
}

void CGalleryBars::Delete() {
  if (CGalleryBar* bar = BarInUse(); bar && !IsProgramBusy()) bar->DeleteSelected(m_settings.showQuestions);
}

void CGalleryBars::DeleteAll() {
  if (CGalleryBar* bar = BarInUse(); bar && !IsProgramBusy()) bar->DeleteAll(m_settings.showQuestions);
}

void CGalleryBars::SaveAs() {
  CGalleryBar* bar = BarInUse();
  if (!bar) return;
  for (const std::string& entry : bar->SelectedPaths()) {
    std::string reason;
    std::unique_ptr<CDib> picture = RenderProjectFile(entry, nullptr, nullptr, &reason);
    if (!picture) {
      ShowMessageBox("Can't show the gallery file " + entry + ": " + reason + ".", {}, MessageIcon::Stop);
      continue;
    }
    const std::string suggestion = std::filesystem::path(entry).replace_extension(".jpg").string();
    std::string path = m_chooseSavePath ? m_chooseSavePath(suggestion) : std::string();
    if (path.empty()) continue;
    const std::string format = PictureFormat(path);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    if (!DibToImage(*picture).save(&buffer, format.c_str(), 90)) reason = "the picture cannot be encoded";
    else if (WriteBytesAtomically(path, bytes, &reason)) continue;
    ShowMessageBox("Can't write the picture " + path + ": " + reason + ".", {}, MessageIcon::Stop);
  }
}

void CGalleryBars::Print() {
  std::vector<std::unique_ptr<CDib>> pictures = SelectedPictures();
  if (!pictures.empty() && m_print) m_print(std::move(pictures));
}

void CGalleryBars::Scroll(bool forward) {
  if (CZORDibListCtrl* list = ListOf(BarInUse())) list->SetTopIndex(list->GetTopIndex() + (forward ? 1 : -1));
}

void CGalleryBars::ToggleGalleryPanel() {
  if (!m_panel) return;
  if (m_frame.CurrentRightPanel() == kGalleryPanelTemplate) {
    m_frame.ShowRightPanel(kEmptyPanelTemplate);
    if (m_inUse == m_panel.get()) m_inUse = nullptr;
  } else {
    m_frame.ShowRightPanel(kGalleryPanelTemplate);
    m_inUse = m_panel.get();
  }
}

void CGalleryBars::AutomaticSelection() {
  CItemTryOn* tryOn = m_frame.TryOn();
  CZORDibListCtrl* list = m_frame.ItemList();
  CGalleryBar* target = StandardBar();
  const int kind = m_frame.State().CurrentKind();
  if (!tryOn || !list || !target || kind < 0) return;
  CBaseDatabase* base = tryOn->Database(kind);
  if (!base) return;
  m_frame.DisarmTools();  // ends a comb stroke that is armed
  CDibListCtrlView view(*list);
  std::unique_ptr<CProgressWindow> progress;
  int last = 0;
  AutoSelectionWindow window;
  window.chooseCategories = [&] {
    CSelectCategoriesDialog dialog(*base, tryOn->Categories(kind), &m_frame);
    m_frame.RunDialog(dialog);
    if (dialog.result() != QDialog::Accepted) return false;
    tryOn->SetCategories(kind, dialog.Choice());
    return true;
  };
  window.openProgress = [&](int lastPosition) {
    last = lastPosition;
    progress = std::make_unique<CProgressWindow>(&m_frame);
    progress->show();
  };
  window.advance = [&](int position) { return progress->Advance(last > 0 ? position * 100 / last : 100); };
  window.closeProgress = [&] { progress.reset(); };
  {
    // The entries being written must not be deleted under the loop.
    CBusyScope busy;
    RunAutomaticSelectionCommand(m_document, *tryOn, m_settings, kind, view, *target, window);
  }
  ShowBar(target);
  if (CZORDibListCtrl* targetList = ListOf(target)) targetList->SetTopIndex(targetList->Geometry().TotalLines() - 1);
  m_document.UpdateWholeView();
}

bool CGalleryBars::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::MouseButtonPress: UseBarOf(watched); break;
    case QEvent::MouseButtonDblClick:
      UseBarOf(watched);
      // The press before has chosen the entry.
      PostMessage(&m_frame, WM_COMMAND,
                  MAKEWPARAM(m_settings.galleryDblClkRestore ? ID_GALLERY_RESTORE : ID_GALLERY_VIEW, 0));
      break;
    case QEvent::KeyPress:
      if (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        // The bar deletes the files with the thumbnails, so the list must
        // not drop them on its own.
        UseBarOf(watched);
        PostMessage(&m_frame, WM_COMMAND, MAKEWPARAM(ID_GALLERY_DELETE, 0));
        return true;
      }
      break;
    case QEvent::ContextMenu: {
      UseBarOf(watched);
      const UINT id = m_frame.RunMenu(GalleryContextMenu([this](CommandId command) { return IsEnabled(command); }));
      if (id) PostMessage(&m_frame, WM_COMMAND, MAKEWPARAM(id, 0));
      return true;
    }
    default: break;
  }
  return QObject::eventFilter(watched, event);
}

CGalleryBars* ConnectGallery(CMainFrame& frame, CSettings& settings, CKelvoraDoc& document) {
  return new CGalleryBars(frame, settings, document);
}
