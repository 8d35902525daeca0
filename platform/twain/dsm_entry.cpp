// The source manager plug-in (libkvtwain.so): SANE's scanners and cameras
// as TWAIN sources, behind the standard's one entry point.
#include <cstdlib>
#include <memory>
#include <string>

#include "platform/twain/sane_devices.h"
#include "platform/twain/twain_source_manager.h"

namespace {

std::string TemporaryFolder() {
  const char* folder = std::getenv("TMPDIR");
  std::string path = folder && folder[0] == '/' ? folder : "/tmp";
  if (path.back() != '/') path.push_back('/');
  return path;
}

CTwainSourceManager& Manager() {
  static CTwainSourceManager manager(MakeSaneDeviceList());
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
