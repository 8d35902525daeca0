// Stages a source's window for the README's screenshots, where no camera
// exists: the plug-in's video device over a stand-in stream that shows one
// portrait, or with "scan" the first SANE device's settings (SANE's test
// device through SANE_CONFIG_DIR), in the program's source window with the
// default style.
//   source_window_shot STYLE.kvstyle PORTRAIT.jpg SHOT.png [scan]
#include <QApplication>
#include <QScreen>
#include <QTimer>

#include <cstdio>
#include <cstring>
#include <memory>

#include "app/shell/camera/source_window.h"
#include "controls/skin_resources.h"
#include "imagelib/dib.h"
#include "platform/core/zip_resource_module.h"
#include "platform/twain/sane_devices.h"
#include "platform/twain/video_device.h"

namespace {

class CPortraitStream : public CVideoFrameSource {
 public:
  explicit CPortraitStream(const CDib& portrait) : m_portrait(portrait) {}
  std::string Description() const override { return "Stand-in webcam"; }
  bool Start() override { return true; }
  void Stop() override {}
  void SetFrameReceiver(std::function<void(HGLOBAL)> receive) override {
    if (receive) receive(NewestFrame());
  }
  // A copy of the portrait's packed DIB, which the receiver owns.
  HGLOBAL NewestFrame() override {
    const std::size_t size = MemoryBlockSize(m_portrait.GetHandle());
    HGLOBAL frame = MemoryBlockAlloc(size);
    MemoryBlockLockGuard from(m_portrait.GetHandle()), to(frame);
    if (from.address() && to.address()) std::memcpy(to.address(), from.address(), size);
    return frame;
  }

 private:
  const CDib& m_portrait;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  if (argc != 4 && argc != 5) {
    std::fprintf(stderr, "usage: source_window_shot STYLE.kvstyle PORTRAIT.jpg SHOT.png [scan]\n");
    return 2;
  }
  std::string reason;
  std::unique_ptr<CZipResourceModule> style = CZipResourceModule::Open(argv[1], &reason);
  CDib portrait;
  if (!style || !portrait.LoadFromFile(argv[2])) {
    std::fprintf(stderr, "source_window_shot: %s: cannot read the style or the portrait\n", argv[1]);
    return 1;
  }
  SetImageInstance(style.get());
  std::unique_ptr<CTwainDeviceList> scanners;
  std::vector<std::unique_ptr<CTwainDevice>> found;
  std::unique_ptr<CTwainDevice> device = std::make_unique<CVideoDevice>(std::make_unique<CPortraitStream>(portrait));
  if (argc == 5 && std::strcmp(argv[4], "scan") == 0) {
    scanners = MakeSaneDeviceList();
    found = scanners->Devices();
    if (found.empty() || !found.front()->Open()) {
      std::fprintf(stderr, "source_window_shot: no SANE device\n");
      return 1;
    }
    device = std::move(found.front());
  }
  device->Start();
  TwainSourceWindow spec;
  spec.title = device->Name();
  spec.actionText = device->ActionText();
  spec.settings = device->Settings();
  if (device->HasPreview())
    spec.watchPreview = [&device](std::function<void(HGLOBAL)> show) { device->WatchPreview(std::move(show)); };
  CSourceWindow window(std::move(spec));
  window.move(40, 40);
  window.show();
  const QString shot = argv[3];
  QTimer::singleShot(1000, [&] {
    const QRect frame = window.frameGeometry();
    QApplication::primaryScreen()->grabWindow(0, frame.x(), frame.y(), frame.width(), frame.height()).save(shot);
    QApplication::exit(0);  // quit() would close the window, which asks its source first
  });
  const int result = application.exec();
  device->Stop();
  device->Close();
  SetImageInstance(nullptr);
  return result;
}
