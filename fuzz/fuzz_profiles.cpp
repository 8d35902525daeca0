// Make-up palettes and filter profiles through the same loaders the program
// uses: the bytes are read once as a palette and once as a filter profile,
// then every button (and some that do not exist) is asked for its tooltip
// and colour.
#include "app/shell/profiles/filter_profile.h"
#include "app/shell/profiles/makeup_palette.h"
#include "fuzz/fuzz_input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInputFile file(data, size);
  if (!file.ok()) return 0;
  LoadMakeupPalette(file.path());
  CFilterProfile profile;
  profile.Load(file.path());
  for (int i = -1; i <= kFilterGroupCount; ++i) {
    profile.Tooltip(i);
    profile.FilterColour(i);
    profile.SelectColour(i, kFilterGroupColours - 1);
  }
  return 0;
}
