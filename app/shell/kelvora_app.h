// CKelvoraApp: how the program comes up and goes down. InitApplication keeps
// to one running copy; InitInstance sets the locale, finds the program's
// folder, reads the settings, checks the screen, loads the style, makes the
// main window and queues the loading of the sample photo; ExitInstance
// gives everything back. What start-up asks of the machine (the screen, the
// style file, the panel templates) comes in a StartupEnvironment, so each
// check and its message is tested without a display or a real style.
#pragma once

#include "app/document/kelvora_doc.h"

#include <QIcon>

#include <QPoint>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/shell/camera/camera_link.h"
#include "app/shell/main_frame.h"
#include "app/shell/options/options_model.h"
#include "app/shell/settings/settings.h"
#include "app/shell/single_instance.h"
#include "platform/core/geometry.h"

struct StartupEnvironment {
  std::string commandLine;  // the program's path first, quoted when it holds blanks
  std::vector<std::string> arguments;  // the words after the program's path
  std::string profilePath;
  std::string userDataFolder;
  std::function<int()> colourDepth;       // bits per pixel of the screen
  std::function<CSize()> screenClientSize;  // the full-screen client area
  StyleLoader loadStyle;
  PanelTemplateFactory panelTemplates = SetUpPanelTemplate;
  std::function<bool(const std::string& url)> openUrl;  // the user's browser
  bool showWindows = true;
};

// The real machine: the primary screen, the user's folders, the style file.
StartupEnvironment DesktopEnvironment(const std::string& programPath, std::vector<std::string> arguments = {});

class CKelvoraApp {
 public:
  CKelvoraApp();
  ~CKelvoraApp();

  // False when another copy runs: it has been asked to come forward (and to
  // open `fileToOpen` when one is given), and this copy ends without a
  // message.
  bool InitApplication(const std::string& instanceFolder, const std::string& fileToOpen = {});
  // False when start-up ends; the reason has been shown.
  bool InitInstance(StartupEnvironment environment);
  int ExitInstance();

  // A file from the command line or a later copy: a gallery project is
  // restored, anything else loaded as the current projection's photo.
  bool OpenDocumentFile(const std::string& path);

  void OnHelp();
  void OnContextHelp(UINT contextId, QPoint at);
  void OnOptions();
  bool SaveSettings();

  CSettings& Settings() { return m_settings; }
  CMainFrame* MainFrame() const { return m_frame.get(); }
  CCameraCommands* Camera() const { return m_camera.get(); }
  CResourceModule* Style() const { return m_style.get(); }
  const std::string& ProgramFolder() const { return m_programFolder; }

  // Centred on the primary screen at nine tenths of its available size,
  // within the window's smallest and largest sizes.
  static void PlaceMainWindow(QWidget& frame);

 private:
  void ConnectFrame();
  static QIcon ProgramIcon();

  CSettings m_settings;
  StartupEnvironment m_environment;
  std::unique_ptr<CSingleInstance> m_instance;

  std::unique_ptr<CResourceModule> m_style;
  std::unique_ptr<CKelvoraDoc> m_document;
  std::unique_ptr<CMainFrame> m_frame;
  std::unique_ptr<CCameraCommands> m_camera;  // the frame's, taken down before it
  std::string m_programFolder;
  HINSTANCE m_previousResources = nullptr;
};

// "Can't find %s." and friends with their values filled in.
std::string FormatMessage(const char* format, const std::string& value);
std::string FormatMessage(const char* format, int first, int second);
// `path` against the working folder; empty stays empty.
std::string AbsoluteFilePath(const std::string& path);
