// A source manager plug-in for tests: the real manager over stand-in
// devices that give a fixed picture (or the real video device over a
// stand-in stream of it), recording every triplet and failing
// the ones a test names.
#include <cstring>
#include <filesystem>

#include "platform/core/dib_header.h"
#include "platform/twain/twain_source_manager.h"
#include "platform/twain/video_device.h"
#include "tests/camera/fake_twain_control.h"

namespace {

FakeTwainControl g_control;

std::string ArgumentName(TW_UINT16 dat) {
  switch (dat) {
    case DAT_CAPABILITY: return "DAT_CAPABILITY";
    case DAT_EVENT: return "DAT_EVENT";
    case DAT_IDENTITY: return "DAT_IDENTITY";
    case DAT_PARENT: return "DAT_PARENT";
    case DAT_PENDINGXFERS: return "DAT_PENDINGXFERS";
    case DAT_SETUPMEMXFER: return "DAT_SETUPMEMXFER";
    case DAT_SETUPFILEXFER: return "DAT_SETUPFILEXFER";
    case DAT_STATUS: return "DAT_STATUS";
    case DAT_USERINTERFACE: return "DAT_USERINTERFACE";
    case DAT_IMAGEINFO: return "DAT_IMAGEINFO";
    case DAT_IMAGEMEMXFER: return "DAT_IMAGEMEMXFER";
    case DAT_IMAGENATIVEXFER: return "DAT_IMAGENATIVEXFER";
    case DAT_IMAGEFILEXFER: return "DAT_IMAGEFILEXFER";
    default: return "DAT_" + std::to_string(dat);
  }
}

std::string MessageName(TW_UINT16 msg) {
  switch (msg) {
    case MSG_GET: return "MSG_GET";
    case MSG_GETDEFAULT: return "MSG_GETDEFAULT";
    case MSG_SET: return "MSG_SET";
    case MSG_RESET: return "MSG_RESET";
    case MSG_OPENDSM: return "MSG_OPENDSM";
    case MSG_CLOSEDSM: return "MSG_CLOSEDSM";
    case MSG_OPENDS: return "MSG_OPENDS";
    case MSG_CLOSEDS: return "MSG_CLOSEDS";
    case MSG_USERSELECT: return "MSG_USERSELECT";
    case MSG_ENABLEDS: return "MSG_ENABLEDS";
    case MSG_DISABLEDS: return "MSG_DISABLEDS";
    case MSG_PROCESSEVENT: return "MSG_PROCESSEVENT";
    case MSG_ENDXFER: return "MSG_ENDXFER";
    default: return "MSG_" + std::to_string(msg);
  }
}

// Pixel (x, y) top-down is (red x * 40, green y * 50, blue 200).
HGLOBAL FakePicture() {
  const int width = g_control.width, height = g_control.height;
  const std::size_t rowLength = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  HGLOBAL block = MemoryBlockAlloc(sizeof(BITMAPINFOHEADER) + rowLength * height);
  MemoryBlockLockGuard lock(block);
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = width;
  header.biHeight = height;
  header.biPlanes = 1;
  header.biBitCount = 24;
  std::memcpy(lock.address(), &header, sizeof header);
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) {
      unsigned char* pixel = lock.address() + sizeof header + (height - 1 - y) * rowLength + 3 * x;
      pixel[0] = 200;
      pixel[1] = static_cast<unsigned char>(y * 50);
      pixel[2] = static_cast<unsigned char>(x * 40);
    }
  return block;
}

// A webcam's stream that shows the fixed picture: one frame as soon as
// somebody watches, and the same frame for a photo.
class CFixedFrameSource : public CVideoFrameSource {
 public:
  std::string Description() const override { return "Fake webcam"; }
  bool Start() override {
    ++g_control.videoStarts;
    if (g_control.videoStartFails) return false;
    g_control.videoStreaming = true;
    return true;
  }
  void Stop() override {
    ++g_control.videoStops;
    g_control.videoStreaming = false;
  }
  void SetFrameReceiver(std::function<void(HGLOBAL)> receive) override {
    if (receive && g_control.videoStreaming) receive(FakePicture());
  }
  HGLOBAL NewestFrame() override {
    if (g_control.captureFails || !g_control.videoStreaming) return nullptr;
    return FakePicture();
  }
};

class CFakeDevice : public CTwainDevice {
 public:
  explicit CFakeDevice(int number) : m_name("Fake camera " + std::to_string(number)) {}
  std::string Name() const override { return m_name; }
  std::string ActionText() const override { return "Take photo"; }
  bool Open() override {
    g_control.openedDevices.push_back(m_name);
    return true;
  }
  void Close() override {}
  HGLOBAL Capture(const std::vector<int>&) override { return g_control.captureFails ? nullptr : FakePicture(); }

 private:
  std::string m_name;
};

class CFakeDeviceList : public CTwainDeviceList {
 public:
  std::vector<std::unique_ptr<CTwainDevice>> Devices() override {
    std::vector<std::unique_ptr<CTwainDevice>> devices;
    if (g_control.video) {
      devices.push_back(std::make_unique<CVideoDevice>(std::make_unique<CFixedFrameSource>()));
      return devices;
    }
    for (int i = 0; i < g_control.devices; ++i) devices.push_back(std::make_unique<CFakeDevice>(i + 1));
    return devices;
  }
};

CTwainSourceManager& Manager() {
  static CTwainSourceManager* manager = [] {
    auto* made = new CTwainSourceManager(std::make_unique<CFakeDeviceList>());
    made->SetTransferFileFolder(std::filesystem::temp_directory_path().string() + "/");
    return made;
  }();
  return *manager;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) FakeTwainControl* FakeTwain_Control() { return &g_control; }

extern "C" __attribute__((visibility("default"))) TW_UINT16 DSM_Entry(TW_IDENTITY* origin, TW_IDENTITY* destination,
                                                                      TW_UINT32 group, TW_UINT16 argumentType,
                                                                      TW_UINT16 message, TW_MEMREF data) {
  std::string name = ArgumentName(argumentType) + " " + MessageName(message);
  g_control.log.push_back(name + (destination ? " -> source" : ""));
  if (auto failure = g_control.failOnce.find(name); failure != g_control.failOnce.end()) {
    const TW_UINT16 condition = failure->second;
    g_control.failOnce.erase(failure);
    g_control.log.back() += " (failed)";
    return Manager().FailWith(condition);  // the next status read tells why
  }
  return Manager().Entry(origin, destination, group, argumentType, message, data);
}
