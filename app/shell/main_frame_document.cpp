// The main frame's side of the document: the view in its central place and
// loading photos.
#include <QBoxLayout>
#include <QFileDialog>
#include <QGuiApplication>
#include <QScreen>

#include "app/document/photo_loading.h"
#include "app/editing/layer_mirror.h"
#include "app/document/undo_routing.h"
#include "app/shell/editing_commands.h"
#include "app/shell/face_fit_commands.h"
#include "app/shell/frame_cursors.h"
#include "app/shell/frame_document_host.h"
#include "app/shell/main_frame.h"
#include "app/view/context_menu.h"
#include "app/view/kelvora_view.h"
#include "platform/core/resource_module.h"

namespace {

constexpr unsigned kImageFileFilterId = 61782;

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
  m_tryOn = std::make_unique<CItemTryOn>(*m_document, m_settings);
  m_document->SetFrameCursors(LoadFrameCursors());
  m_tools = std::make_unique<CContourViewTools>(*m_document);
  m_tools->SetSetupSource([this]() -> std::optional<CHairToolSetup> {
    static constexpr HairStrokeTool kStrokeTools[] = {HairStrokeTool::comb, HairStrokeTool::comb,
                                                      HairStrokeTool::snippers, HairStrokeTool::brush,
                                                      HairStrokeTool::spray};
    const CViewMode& mode = m_state.ViewMode();
    if (mode.hairTool == HairTool::none) return std::nullopt;
    CHairToolSetup setup;
    setup.tool = kStrokeTools[static_cast<int>(mode.hairTool)];
    setup.controls = HairToolControls();
    return setup;
  });
  m_view = new CKelvoraView(*m_document, *m_tools, this);
  m_tools->SetCaptureWidget(m_view);
  m_tools->SetContourCaptureWidget(m_view);
  m_tools->SetPressSource([this] { return m_view->PressPoint(); }, [this] { return m_state.CurrentKind(); });
  m_view->setMinimumSize(64, 64);
  place.addWidget(m_view, 1);
  m_view->Controller().SetLayerFramesVisible(m_settings.lTrackersVisible);
  m_view->SetDropHandler([this](const std::string& path) { return LoadPhotoFromPath(*m_document, path); });
  ReloadFilterProfile();
  m_view->SetFilterColours([this](int number) { return m_filterProfile.FilterColour(number); });
  m_view->SetSliderSource([this] { return m_state.Sliders(); });
  m_view->SetCommandSink([this](UINT id) {
    // The view has turned its frames on or off; the setting follows.
    if (id == ID_TOGGLE_LAYER_FRAMES) {
      m_handlers.Run(id);
      return;
    }
    PostMessage(this, WM_COMMAND, MAKEWPARAM(id, 0));
  });
  QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = screen ? screen->size() : QSize(1920, 1080);
  m_view->OnInitialUpdate(CSize(size.width(), size.height()));
  RegisterEditingCommands(*this, *m_tools, m_settings);
  RegisterFaceFitCommands(*this);
  SyncViewMode();
}

void CMainFrame::SyncViewMode() {
  // An outline stays the document's active tool only while its button is
  // the armed tool; its own handler arms it.
  if (m_document && !IsContourTool(m_state.ArmedTool())) m_document->SetActiveTool(nullptr);
  if (m_view) m_view->Controller().SetMode(m_state.ViewMode());
}

void CMainFrame::LoadFromFile() {
  const QString path = QFileDialog::getOpenFileName(this, QString::fromStdString(LoadResourceString(ID_LOAD_FROM_FILE)),
                                                    QString(), FileDialogFilter());
  if (!path.isEmpty() && LoadPhotoFromPath(*m_document, path.toStdString())) m_statistics.NotePhotoLoaded();
}
