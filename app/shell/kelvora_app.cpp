#include "app/shell/kelvora_app.h"

#include "app/shell/gallery_bars.h"
#include "app/shell/print_commands.h"

#include <QDesktopServices>
#include <QPainter>
#include <QGuiApplication>
#include <QScreen>
#include <QSplashScreen>
#include <QUrl>

#include <clocale>
#include <cstdio>
#include <filesystem>

#include "app/bases/custom_base.h"
#include "app/document/photo_loading.h"
#include "app/document/project_file.h"
#include "app/shell/command_line.h"
#include "app/resources/program_icon.h"
#include "app/resources/program_messages.h"
#include "app/resources/program_resources.h"
#include "app/shell/help_popup.h"
#include "app/shell/help_text.h"
#include "app/shell/options/options_dialog.h"
#include "app/shell/settings/settings_file.h"
#include "app/shell/settings/user_folders.h"
#include "app/shell/style_loading.h"
#include "app/view/context_menu.h"
#include "controls/scaled_picture.h"
#include "controls/skin_resources.h"
#include "imagelib/dib.h"
#include "platform/qt/painter_dc.h"
#include "platform/core/message_box.h"
#include "platform/core/twain_manager_library.h"

std::string FormatMessage(const char* format, const std::string& value) {
  std::string text = format;
  if (auto at = text.find("%s"); at != std::string::npos) text.replace(at, 2, value);
  return text;
}

std::string AbsoluteFilePath(const std::string& path) {
  if (path.empty()) return path;
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  return error ? path : absolute.lexically_normal().string();
}

std::string FormatMessage(const char* format, int first, int second) {
  char text[256];
  std::snprintf(text, sizeof text, format, first, second);
  return text;
}

StartupEnvironment DesktopEnvironment(const std::string& programPath, std::vector<std::string> arguments) {
  StartupEnvironment environment;
  environment.commandLine = '"' + programPath + '"';
  environment.arguments = std::move(arguments);
  environment.profilePath = UserProfilePath();
  environment.userDataFolder = UserDataFolder();
  environment.colourDepth = [] {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->depth() : 0;
  };
  environment.screenClientSize = [] {
    QScreen* screen = QGuiApplication::primaryScreen();
    QSize size = screen ? screen->availableGeometry().size() : QSize();
    return CSize(size.width(), size.height());
  };
  environment.loadStyle = LoadStyleModule;
  environment.openUrl = [](const std::string& url) { return QDesktopServices::openUrl(QUrl(QString::fromStdString(url))); };
  return environment;
}

CKelvoraApp::CKelvoraApp() = default;

CKelvoraApp::~CKelvoraApp() { ExitInstance(); }

bool CKelvoraApp::InitApplication(const std::string& instanceFolder, const std::string& fileToOpen) {
  m_instance = std::make_unique<CSingleInstance>(instanceFolder);
  if (m_instance->Acquire()) return true;
  m_instance->AskRunningCopyToShow(AbsoluteFilePath(fileToOpen));
  m_instance.reset();
  return false;
}

bool CKelvoraApp::InitInstance(StartupEnvironment environment) {
  m_environment = std::move(environment);
  m_previousResources = UseProgramResources();

  // The table's locale name is the original platform's; where the system
  // does not know it, the user's own locale serves.
  std::string locale = LoadResourceString(kStringLocaleName);
  if (locale.empty() || !std::setlocale(LC_ALL, locale.c_str())) std::setlocale(LC_ALL, "");

  m_programFolder = ProgramFolderFromCommandLine(m_environment.commandLine);
  LoadSettingsFile(m_settings, m_environment.profilePath,
                   {DefaultApplicationFolder(m_programFolder), m_environment.userDataFolder});
  m_settings.CreateWritableFolders();
  // Before the frame opens its slots, so the custom slot finds its base.
  EnsureCustomBase(m_settings.GetBasePath(kKindCustom));

  int depth = m_environment.colourDepth ? m_environment.colourDepth() : 32;
  if (depth < 16) {
    ShowMessageBox(kMsgScreenColours, {}, MessageIcon::Stop);
    return false;
  }
  if (depth == 16 && m_settings.showWarnings) ShowMessageBox(kMsgUseTrueColour, {}, MessageIcon::Information);

  std::string stylePath = m_settings.GetStylePath();
  m_style = m_environment.loadStyle ? m_environment.loadStyle(stylePath) : nullptr;
  if (!m_style) {
    ShowMessageBox(FormatMessage(kMsgCantFind, stylePath), {}, MessageIcon::Stop);
    return false;
  }
  SetImageInstance(m_style.get());

  CPoint minimum;
  if (LoadCustomWndPos("IDR_APPWINDOW_SIZE_MIN", &minimum, m_style.get()) && m_environment.screenClientSize) {
    CSize screen = m_environment.screenClientSize();
    if (screen.cx < minimum.x || screen.cy < minimum.y) {
      ShowMessageBox(FormatMessage(kMsgScreenResolution, minimum.x, minimum.y), {}, MessageIcon::Stop);
      return false;
    }
  }

  std::unique_ptr<QSplashScreen> splash;
  if (m_environment.showWindows) {
    CScaledDib splashPicture;
    if (splashPicture.Load("IDB_SPLASH", m_style.get())) {
      // The splash shows before any window: the main screen's density decides.
      const QScreen* screen = QGuiApplication::primaryScreen();
      const int scale = screen && screen->devicePixelRatio() >= 1.5 ? kHighDensityScale : 1;
      CDib& picture = splashPicture.At(scale);
      QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
      QPainter painter(&image);
      CPainterDC dc(painter);
      picture.DrawWithoutStretch(&dc, CPoint(0, 0), CSize(picture.Width(), picture.Height()));
      painter.end();
      image.setDevicePixelRatio(scale);
      splash = std::make_unique<QSplashScreen>(QPixmap::fromImage(image));
      splash->show();
    }
  }

  m_document = std::make_unique<CKelvoraDoc>(m_style.get());
  m_frame = std::make_unique<CMainFrame>(m_settings, *m_document, m_style.get());
  m_frame->setWindowTitle(QString::fromStdString(LoadResourceString(kStringApplicationTitle)));
  if (!m_frame->Create(m_environment.panelTemplates)) {
    m_frame.reset();
    return false;
  }
  ConnectFrame();
  m_camera = std::make_unique<CCameraCommands>(*m_frame, *m_document, TwainManagerPath(m_programFolder));
  SetMainWindow(m_frame.get());
  m_frame->setWindowIcon(ProgramIcon());

  if (m_environment.showWindows) {
    PlaceMainWindow(*m_frame);
    m_frame->show();
    if (splash) splash->finish(m_frame.get());
  }
  PostMessage(m_frame.get(), WM_COMMAND, MAKEWPARAM(ID_LOAD_SAMPLE_PHOTO, 0));
  // Queued behind the sample photo, so the file is what the user sees.
  const CommandLineInfo commandLine = ParseCommandLine(m_environment.arguments);
  if (!commandLine.fileName.empty())
    QMetaObject::invokeMethod(m_frame.get(), [this, path = AbsoluteFilePath(commandLine.fileName)] { OpenDocumentFile(path); },
                              Qt::QueuedConnection);
  return true;
}

bool CKelvoraApp::OpenDocumentFile(const std::string& path) {
  if (!m_document || path.empty()) return false;
  if (!IsProjectFileName(path)) return LoadPhotoFromPath(*m_document, path);
  std::string reason;
  if (!RestoreProjectFile(*m_document, path, -1, &reason)) {
    ShowMessageBox(FormatMessage(kMsgCantOpenProject, path + (reason.empty() ? "" : " (" + reason + ")")), {},
                   MessageIcon::Stop);
    return false;
  }
  m_document->UpdateWholeView();
  return true;
}

QIcon CKelvoraApp::ProgramIcon() {
  // Icon 128 of the program's resources, at the small and the large size.
  CDib picture;
  QIcon icon;
  if (!picture.LoadFromResource(MakeIntResource(kProgramIconId), MakeIntResource(kResourceTypeBitmap),
                                &ProgramResources()))
    return icon;
  QImage image(picture.Width(), picture.Height(), QImage::Format_RGB32);
  QPainter painter(&image);
  CPainterDC dc(painter);
  picture.DrawWithoutStretch(&dc, CPoint(0, 0), picture.GetSize());
  painter.end();
  for (int side : {16, 32}) icon.addPixmap(QPixmap::fromImage(image.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  return icon;
}

void CKelvoraApp::ConnectFrame() {
  CMainFrame* frame = m_frame.get();
  frame->SetSaveSettings([this] { SaveSettings(); });
  frame->SetUrlOpener(m_environment.openUrl);
  frame->SetCommandHandler(ID_CHANGE_OPTIONS, [this] { OnOptions(); });
  frame->SetCommandHandler(ID_HELP_FINDER, [this] { OnHelp(); });
  frame->SetCommandHandler(ID_HELP, [this] { OnHelp(); });
  frame->SetCommandHandler(ID_TOGGLE_LAYER_FRAMES, [this] { m_settings.lTrackersVisible = !m_settings.lTrackersVisible; });
  frame->SetContextHelpHandler([this](UINT id, QPoint at) { OnContextHelp(id, at); });
  CGalleryBars* gallery = ConnectGallery(*frame, m_settings, *m_document);
  ConnectPrinting(*frame, *m_document, gallery, m_environment.profilePath);
  if (m_instance)
    m_instance->SetShowRequestHandler([this, frame](const std::string& path) {
      frame->BringForward();
      OpenDocumentFile(path);
    });
}

// Centred on the screen, nine tenths of it in each direction (within the
// style's limits), so a portrait photo shows large from the start.
void CKelvoraApp::PlaceMainWindow(QWidget& frame) {
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  const QRect area = screen->availableGeometry();
  QSize size(area.width() * 9 / 10, area.height() * 9 / 10);
  size = size.expandedTo(frame.minimumSize()).boundedTo(frame.maximumSize());
  frame.resize(size);
  frame.move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
}

int CKelvoraApp::ExitInstance() {
  if (m_instance) m_instance->SetShowRequestHandler(nullptr);
  m_camera.reset();  // the camera link comes down to state 1 with the frame
  if (m_frame) {
    m_frame.reset();  // saves the settings when "AutoSave" is on
  }
  m_document.reset();
  m_instance.reset();
  if (m_style) {
    SetImageInstance(nullptr);
    m_style.reset();
  }
  if (m_previousResources) SetResourceModule(m_previousResources);
  m_previousResources = nullptr;
  return 0;
}

bool CKelvoraApp::SaveSettings() { return SaveSettingsFile(m_settings, m_environment.profilePath); }

void CKelvoraApp::OnHelp() {
  std::string manual = HelpManualPath(m_settings.GetHelpFolder());
  std::error_code error;
  if (!std::filesystem::is_regular_file(manual, error)) {
    ShowMessageBox(FormatMessage(kMsgCantFind, manual), {}, MessageIcon::Stop);
    return;
  }
  if (m_environment.openUrl) m_environment.openUrl(HelpManualUrl(manual));
}

void CKelvoraApp::OnContextHelp(UINT contextId, QPoint at) {
  ShowHelpPopup(ContextHelpText(m_settings.GetHelpFolder(), contextId), at, m_frame.get());
}

void CKelvoraApp::OnOptions() {
  COptionsDialog dialog(m_settings, FindStyles(m_settings.GetStylesFolder(), m_environment.loadStyle),
                        [this] { return SaveSettings(); }, m_frame.get());
  if (dialog.exec() == QDialog::Accepted && m_frame) m_frame->ReloadProfiles();
}
