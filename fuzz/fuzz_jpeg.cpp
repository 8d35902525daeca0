// JPEG from memory and from a file.
#include "fuzz/fuzz_input_file.h"
#include "imagelib/dib.h"
#include "platform/core/message_box.h"

#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static CRecordingMessageBoxService* quiet = new CRecordingMessageBoxService;  // keep "Out of memory" off stderr
  (void)quiet;
  std::vector<unsigned char> copy(data, data + size);
  CDib image;
  image.LoadFromJPGMemory(copy.data(), static_cast<unsigned>(copy.size()));
  FuzzInputFile file(data, size);
  if (file.ok()) image.LoadFromFile(file.path(), CDib::typeJPG);
  return 0;
}
