#include "app/shell/camera/camera_link.h"

#include <QApplication>
#include <QEventLoop>

#include "app/shell/camera/camera_dialogs.h"
#include "app/shell/main_frame.h"

namespace {

// A source's message on its way through the application's queue.
class CSourceMessageEvent : public QEvent {
 public:
  static QEvent::Type Type() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
  }
  explicit CSourceMessageEvent(TW_UINT16 message) : QEvent(Type()), m_message(message) {}
  TW_UINT16 Message() const { return m_message; }

 private:
  TW_UINT16 m_message;
};

}  // namespace

CCameraLink::CCameraLink(QWidget* frame) : m_frame(frame) {}

CCameraLink::~CCameraLink() {
  if (m_window) delete m_window.data();
}

void CCameraLink::PostSourceMessage(TW_UINT16 message) {
  QCoreApplication::postEvent(this, new CSourceMessageEvent(message));
}

int CCameraLink::ChooseSource(const std::vector<std::string>& names, int current) {
  if (m_chooser) return m_chooser(names, current);
  CDeviceChoiceDialog dialog(names, current, m_frame);
  return dialog.exec() == QDialog::Accepted ? dialog.Chosen() : -1;
}

void CCameraLink::ShowSourceWindow(TwainSourceWindow window) {
  CloseSourceWindow();
  m_window = new CSourceWindow(std::move(window), m_frame);
  m_window->setAttribute(Qt::WA_DeleteOnClose, false);
  m_window->show();
  m_window->raise();
}

void CCameraLink::CloseSourceWindow() {
  if (!m_window) return;
  m_window->hide();
  m_window->deleteLater();
  m_window = nullptr;
}

void CCameraLink::BringToTop() {
  if (auto* frame = dynamic_cast<CMainFrame*>(m_frame)) frame->BringForward();
}

void CCameraLink::RunWhileEnabled(CTwainCamera& camera) {
  if (camera.State() < 5) return;
  CTwainCamera* outerCamera = m_camera;
  QEventLoop* outerLoop = m_loop;
  QEventLoop loop;
  m_camera = &camera;
  m_loop = &loop;
  qApp->installEventFilter(this);
  loop.exec();
  qApp->removeEventFilter(this);
  m_camera = outerCamera;
  m_loop = outerLoop;
}

void CCameraLink::Pump(CTwainCamera&) { QCoreApplication::processEvents(); }

bool CCameraLink::eventFilter(QObject* watched, QEvent* event) {
  if (!m_camera || m_camera->State() < 5) return false;
  TwainQueuedMessage message;
  message.nativeEvent = event;
  if (event->type() == CSourceMessageEvent::Type()) message.sourceMessage = static_cast<CSourceMessageEvent*>(event)->Message();
  const bool taken = m_camera->ProcessEvent(&message);
  if (m_camera && m_camera->State() < 5 && m_loop) m_loop->quit();
  return taken;
}

CCameraCommands::CCameraCommands(CMainFrame& frame, CKelvoraDoc& document, std::string managerPath)
    : m_frame(frame),
      m_link(std::make_unique<CCameraLink>(&frame)),
      m_camera(std::make_unique<CFrameCamera>(std::move(managerPath), document)) {
  m_camera->SetParentWindow(static_cast<CTwainParent*>(m_link.get()));
  m_camera->SetMessageLoop(m_link.get());
  frame.SetCommandHandler(ID_CAMERA_ACQUIRE, [this] { Acquire(); });
  frame.SetCommandHandler(ID_CAMERA_SELECT, [this] { SelectSource(); });
}

CCameraCommands::~CCameraCommands() {
  m_frame.SetCommandHandler(ID_CAMERA_ACQUIRE, {});
  m_frame.SetCommandHandler(ID_CAMERA_SELECT, {});
  m_camera.reset();  // down to state 1 while the link still answers
}

int CCameraCommands::ChooseProjection() {
  if (m_chooseProjection) return m_chooseProjection();
  CProjectionDialog dialog(&m_frame);
  return dialog.exec() == QDialog::Accepted ? dialog.Projection() : -1;
}

void CCameraCommands::Acquire() {
  // A source already enabled has its window up: bring that forward instead
  // of starting a second loop inside the first.
  if (m_camera->State() >= 5) {
    if (m_link->SourceWindow()) m_link->SourceWindow()->raise();
    return;
  }
  const int projection = ChooseProjection();
  if (projection < 0) return;
  m_camera->AcquireInto(projection);
}

void CCameraCommands::SelectSource() {
  if (m_camera->State() >= 5) return;
  m_camera->SelectSource();
}
