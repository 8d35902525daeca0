// INI profiles through Load, then every read the settings make and a
// write back, so that whatever the reader kept can also be formatted.
#include "fuzz/fuzz_input_file.h"
#include "platform/core/ini_profile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInputFile file(data, size);
  if (!file.ok()) return 0;
  CIniProfile profile;
  if (!profile.Load(file.path())) return 0;
  profile.GetInt("Options", "SlideshowInterval", 2000);
  profile.GetString("Path", "Application", "");
  profile.WriteInt("Options", "AutoSave", 1);
  CIniProfile reread;
  reread.Parse(profile.Format());
  return 0;
}
