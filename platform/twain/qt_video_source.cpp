// The video cameras of Qt Multimedia (on Linux, V4L2 webcams through its
// GStreamer back end) as the plug-in's video devices. Qt Multimedia stays
// inside the plug-in: the program links none of it. A camera's frames may
// be produced on a thread of the back end; they are taken on the GUI thread
// (the queued connection to the source object) and converted there.
#include <QCamera>
#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QImage>
#include <QMediaCaptureSession>
#include <QMediaDevices>
#include <QTimer>
#include <QVideoFrame>
#include <QVideoSink>

#include <cstring>

#include "platform/core/dib_header.h"
#include "platform/twain/video_device.h"

namespace {

// How long "Take photo" without a window waits for a stream's first frame.
constexpr int kFirstFrameWaitMs = 5000;

HGLOBAL ImageToDib(const QImage& image) {
  if (image.isNull()) return nullptr;
  const QImage bgr = image.convertToFormat(QImage::Format_BGR888);
  const std::size_t width = static_cast<std::size_t>(bgr.width());
  const std::size_t height = static_cast<std::size_t>(bgr.height());
  const std::size_t rowLength = (width * 3 + 3) & ~std::size_t{3};
  if (width == 0 || height == 0 || width > 65535 || height > 65535 ||
      rowLength * height > kMaxMemoryBlockBytes - sizeof(BITMAPINFOHEADER))
    return nullptr;
  HGLOBAL block = MemoryBlockAlloc(sizeof(BITMAPINFOHEADER) + rowLength * height);
  MemoryBlockLockGuard lock(block);
  if (!lock.address()) {
    MemoryBlockFree(block);
    return nullptr;
  }
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = static_cast<std::int32_t>(width);
  header.biHeight = static_cast<std::int32_t>(height);
  header.biPlanes = 1;
  header.biBitCount = 24;
  header.biSizeImage = static_cast<std::uint32_t>(rowLength * height);
  std::memcpy(lock.address(), &header, sizeof header);
  for (std::size_t y = 0; y < height; ++y)  // the DIB is bottom-up
    std::memcpy(lock.address() + sizeof header + (height - 1 - y) * rowLength, bgr.constScanLine(static_cast<int>(y)),
                width * 3);
  return block;
}

class CQtVideoFrameSource : public QObject, public CVideoFrameSource {
 public:
  explicit CQtVideoFrameSource(QCameraDevice device) : m_device(std::move(device)) {
    m_session.setVideoSink(&m_sink);
    connect(&m_sink, &QVideoSink::videoFrameChanged, this, [this](const QVideoFrame& frame) { Take(frame); });
  }
  ~CQtVideoFrameSource() override { Stop(); }

  std::string Description() const override {
    return (m_device.description().isEmpty() ? QString::fromUtf8(m_device.id()) : m_device.description()).toStdString();
  }

  bool Start() override {
    Stop();
    m_camera = std::make_unique<QCamera>(m_device);
    if (!m_camera->isAvailable()) {
      m_camera.reset();
      return false;
    }
    m_session.setCamera(m_camera.get());
    m_camera->start();
    if (m_camera->error() != QCamera::NoError) {
      Stop();
      return false;
    }
    return true;
  }

  void Stop() override {
    if (m_camera) m_camera->stop();
    m_session.setCamera(nullptr);
    m_camera.reset();
    m_newest = QImage();
    if (m_waiting) m_waiting->quit();
  }

  void SetFrameReceiver(std::function<void(HGLOBAL)> receive) override {
    m_receive = std::move(receive);
    if (m_receive && !m_newest.isNull()) m_receive(ImageToDib(m_newest));
  }

  HGLOBAL NewestFrame() override {
    if (m_newest.isNull() && m_camera) {
      QEventLoop wait;
      QTimer::singleShot(kFirstFrameWaitMs, &wait, &QEventLoop::quit);
      m_waiting = &wait;
      wait.exec();
      m_waiting = nullptr;
    }
    return ImageToDib(m_newest);
  }

 private:
  void Take(const QVideoFrame& frame) {
    if (!m_camera || !frame.isValid()) return;
    m_newest = frame.toImage();
    if (m_waiting) m_waiting->quit();
    if (m_receive && !m_newest.isNull()) m_receive(ImageToDib(m_newest));
  }

  QCameraDevice m_device;
  QVideoSink m_sink;  // outlives the session that feeds it
  std::unique_ptr<QCamera> m_camera;
  QMediaCaptureSession m_session;
  QImage m_newest;
  std::function<void(HGLOBAL)> m_receive;
  QEventLoop* m_waiting = nullptr;  // NewestFrame's wait for a first frame
};

class CQtVideoDeviceList : public CTwainDeviceList {
 public:
  std::vector<std::unique_ptr<CTwainDevice>> Devices() override {
    std::vector<std::unique_ptr<CTwainDevice>> devices;
    // Qt Multimedia needs the program's GUI application (a test may have none).
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return devices;
    for (const QCameraDevice& camera : QMediaDevices::videoInputs())
      devices.push_back(std::make_unique<CVideoDevice>(std::make_unique<CQtVideoFrameSource>(camera)));
    return devices;
  }
};

}  // namespace

std::unique_ptr<CTwainDeviceList> MakeVideoDeviceList() { return std::make_unique<CQtVideoDeviceList>(); }
