// Gallery project files from anywhere: the fuzzer's bytes are read as a
// projection on its own, restored into a document, rendered over a small area
// and asked for their thumbnail.
#include <memory>

#include "app/document/project_file.h"
#include "fuzz/fuzz_input_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzInputFile input(data, size);
  if (!input.ok()) return 0;
  std::string reason;
  ProjectFileHeader header;
  ReadProjectFileHeader(input.path(), &header, &reason);
  std::unique_ptr<CDib> thumbnail = ReadProjectThumbnail(input.path(), &reason);
  CProjection projection;
  LoadProjectFile(input.path(), projection, &header, &reason);
  CKelvoraDoc document;
  RestoreProjectFile(document, input.path(), 0, &reason);
  const CRect area(0, 0, 64, 64);
  std::unique_ptr<CDib> picture = RenderProjectFile(input.path(), &area, nullptr, &reason);
  return 0;
}
