// Alpha PCX planes through the layer's file and memory loaders, into a plane
// smaller than many files claim and one larger.
#include "fuzz/fuzz_input_file.h"
#include "imagelib/dib_alpha.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  CDibAlpha small;
  small.Create(CSize(5, 3));
  small.LoadAlphaFromMemory(data, static_cast<unsigned int>(size));
  FuzzInputFile file(data, size);
  if (!file.ok()) return 0;
  CDibAlpha large;
  large.Create(CSize(300, 200));
  large.LoadAlphaFromFile(file.path());
  return 0;
}
