// PCX files through LoadFromFile.
#include "fuzz/fuzz_input_file.h"
#include "imagelib/dib.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInputFile file(data, size);
  if (!file.ok()) return 0;
  CDib image;
  image.LoadFromFile(file.path(), CDib::typePCX);
  return 0;
}
