// A layer's transparency plane to and from alpha PCX files, memory and
// resources.
//
// A header that is not an alpha PCX leaves the plane as it was: from memory
// or a resource that is a failure, from a file it is not (stored items may
// carry files of other kinds where a plane is optional, and the file loader
// has always answered only whether the file exists). Data that ends too soon
// is a failure everywhere, with the plane unchanged: a half-read plane would
// be shown as if it were whole. Saving replaces the file only once the new
// one is complete.
#include <vector>

#include "imagelib/alpha_pcx.h"
#include "imagelib/dib_alpha.h"
#include "imagelib/dib_alpha_pixels.h"
#include "platform/core/atomic_file.h"
#include "platform/core/file.h"

namespace {

// Reads a whole file; false when it cannot be opened or is larger than any
// memory block, which no plane's file needs to be.
bool ReadWholeFile(const std::string& path, std::vector<unsigned char>* bytes) {
  CFile file;
  if (!file.Open(path, CFile::modeRead)) return false;
  const std::uint64_t length = file.GetLength();
  if (length > static_cast<std::uint64_t>(kMaxMemoryBlockBytes)) return false;
  bytes->resize(static_cast<std::size_t>(length));
  bytes->resize(file.Read(bytes->data(), bytes->size()));
  return true;
}

}  // namespace

bool CDibAlpha::LoadAlphaFromMemory(const unsigned char* data, unsigned int size) {
  if (!data) return false;
  pixkit::LockedAlpha plane(*this);
  if (!plane) return false;
  return pixkit::DecodeAlphaPcx({data, size}, plane.plane(), GetSize()) == pixkit::AlphaPcxStatus::decoded;
}

bool CDibAlpha::LoadAlphaFromFile(const std::string& path) {
  std::vector<unsigned char> bytes;
  if (!ReadWholeFile(path, &bytes)) return false;
  pixkit::LockedAlpha plane(*this);
  if (!plane) return false;
  return pixkit::DecodeAlphaPcx(bytes, plane.plane(), GetSize()) != pixkit::AlphaPcxStatus::shortData;
}

bool CDibAlpha::LoadAlphaFromResource(const char* name, const char* type, HINSTANCE module) {
  if (!module) module = GetResourceModule();
  if (!module || !name) return false;
  CResourceModuleSwitch current(module);
  auto bytes = module->FindResource(name, type);
  if (!bytes) return false;
  return LoadAlphaFromMemory(bytes->data(), static_cast<unsigned int>(bytes->size()));
}

bool CDibAlpha::SaveAlphaToMemory(std::vector<unsigned char>* file) {
  pixkit::LockedAlpha plane(*this);
  if (!plane || !file) return false;
  *file = pixkit::EncodeAlphaPcx(plane.plane(), GetSize());
  return !file->empty();
}

bool CDibAlpha::SaveAlphaToFile(const std::string& path) {
  std::vector<unsigned char> file;
  if (!SaveAlphaToMemory(&file)) return false;
  try {
    return WriteFileAtomically(path, [&](const std::string& temporaryPath) {
      CFile out;
      if (!out.Open(temporaryPath, CFile::modeWrite | CFile::modeCreate)) return false;
      out.Write(file.data(), file.size());
      return true;
    });
  } catch (const CFileException&) {
    return false;
  }
}
