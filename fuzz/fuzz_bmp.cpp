// BMP files through LoadFromFile, and the same bytes as a "bmpimage" resource.
#include "fuzz/fuzz_input_file.h"
#include "imagelib/dib.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInputFile file(data, size);
  if (!file.ok()) return 0;
  CDib image;
  if (image.LoadFromFile(file.path(), CDib::typeBMP)) {
    CDib copy(image);
    copy.Rotate_FlipVertical();
  }
  CMemoryResourceModule module;
  module.AddResource("SEED", "bmpimage", std::vector<unsigned char>(data, data + size));
  module.AddResource("SEED", MakeIntResource(kResourceTypeBitmap), std::vector<unsigned char>(data, data + size));
  image.LoadFromResource("SEED", "bmpimage", &module);
  image.LoadFromResource("SEED", MakeIntResource(kResourceTypeBitmap), &module);
  return 0;
}
