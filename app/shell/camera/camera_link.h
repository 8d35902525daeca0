// The camera's link to the desktop: the parent window the source manager
// is given (its sources' messages become events of the application, its
// questions become the program's dialogs) and the message loop that, while
// a source is enabled, offers every event of the user-interface thread to
// the camera first. CCameraCommands wires commands 32771 and 32772 to the
// frame's camera object.
#pragma once

#include <QEvent>
#include <QObject>
#include <QPointer>

#include <functional>
#include <memory>

#include "app/shell/camera/camera_dialogs.h"
#include "app/shell/camera/frame_camera.h"
#include "app/shell/camera/source_window.h"
#include "platform/core/twain_parent.h"

class QEventLoop;
class CMainFrame;

class CCameraLink : public QObject, public CTwainParent, public CTwainMessageLoop {
 public:
  explicit CCameraLink(QWidget* frame);
  ~CCameraLink() override;

  void PostSourceMessage(TW_UINT16 message) override;
  int ChooseSource(const std::vector<std::string>& names, int current) override;
  void ShowSourceWindow(TwainSourceWindow window) override;
  void CloseSourceWindow() override;
  void BringToTop() override;

  void RunWhileEnabled(CTwainCamera& camera) override;
  void Pump(CTwainCamera& camera) override;

  // The enabled source's window, null while none shows.
  CSourceWindow* SourceWindow() const { return m_window; }
  // Tests answer the device list themselves.
  using SourceChooser = std::function<int(const std::vector<std::string>&, int)>;
  void SetSourceChooser(SourceChooser chooser) { m_chooser = std::move(chooser); }

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QWidget* m_frame;
  CTwainCamera* m_camera = nullptr;
  QEventLoop* m_loop = nullptr;
  QPointer<CSourceWindow> m_window;
  SourceChooser m_chooser;
};

class CCameraCommands {
 public:
  // Registers the two commands with `frame`; `managerPath` is the source
  // manager plug-in.
  CCameraCommands(CMainFrame& frame, CKelvoraDoc& document, std::string managerPath);
  ~CCameraCommands();

  void Acquire();
  void SelectSource();

  CFrameCamera& Camera() { return *m_camera; }
  CCameraLink& Link() { return *m_link; }
  // Tests answer the projection dialog themselves: a face projection or -1.
  void SetProjectionChooser(std::function<int()> chooser) { m_chooseProjection = std::move(chooser); }

 private:
  int ChooseProjection();

  CMainFrame& m_frame;
  std::unique_ptr<CCameraLink> m_link;
  std::unique_ptr<CFrameCamera> m_camera;
  std::function<int()> m_chooseProjection;
};
