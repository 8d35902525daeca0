// The source manager plug-in (libkvtwain.so): SANE's scanners and cameras
// and the video cameras as TWAIN sources, behind the standard's one entry
// point.
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/twain/joined_device_list.h"
#include "platform/twain/sane_devices.h"
#include "platform/twain/twain_source_manager.h"
#include "platform/twain/video_device.h"

namespace {

std::string TemporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  std::string path = folder && folder[0] == '/' ? folder : "/tmp";
  if (path.back() != '/') path.push_back('/');
  return path;
}

CTwainSourceManager& Manager() {
  static CTwainSourceManager manager([] {
    std::vector<std::unique_ptr<CTwainDeviceList>> lists;
    lists.push_back(MakeSaneDeviceList());
    lists.push_back(MakeVideoDeviceList());
    return std::make_unique<CJoinedDeviceList>(std::move(lists));
  }());
  return manager;
}

}  // namespace

extern "C" __attribute__((visibility("default"))) TW_UINT16 DSM_Entry(TW_IDENTITY* origin, TW_IDENTITY* destination,
                                                                      TW_UINT32 group, TW_UINT16 argumentType,
                                                                      TW_UINT16 message, TW_MEMREF data) {
  static bool configured = [] {
    Manager().SetTransferFileFolder(TemporaryFolder());
    return true;
  }();
  (void)configured;
  return Manager().Entry(origin, destination, group, argumentType, message, data);
}
