// Pictures from resource modules (the style library, the libraries' own
// resources). A resource of the standard bitmap type is a packed DIB; the
// "bmpimage" and "dibimage" types are whole BMP files; "jpgimage" is JPEG;
// "zorimage" goes to the overridable ZOR hook. Without a type the kinds are
// tried in a fixed order. While a resource is read, its module is the
// current resource module.
#include <cstring>
#include <optional>
#include <span>
#include <vector>

#include "imagelib/bmp_decoder.h"
#include "imagelib/dib.h"

namespace {

constexpr std::size_t kBmpFileHeaderSize = sizeof(BITMAPFILEHEADER);

std::optional<std::span<const unsigned char>> FindIn(HINSTANCE module, const char* name, const char* type) {
  if (!module || !name) return std::nullopt;
  return module->FindResource(name, type);
}

bool IsNamed(const char* type, const char* name) {
  return !IsIntResource(type) && ResourceKey(type) == ResourceKey(name);
}

}  // namespace

bool CDib::LoadFromResource(const char* name, const char* type, HINSTANCE module) {
  if (!module) module = GetResourceModule();
  if (IsIntResource(type) && IntResourceId(type) == kResourceTypeBitmap)
    return LoadFromBMPResource(name, type, module);
  if (!type || !*type) {
    return LoadFromJPGResource(name, "jpgimage", module) || LoadFromBMPResource(name, "dibimage", module) ||
           LoadFromBMPResource(name, "bmpimage", module) || LoadFromZORResource(name, "zorimage", module);
  }
  if (IsNamed(type, "jpgimage")) return LoadFromJPGResource(name, type, module);
  if (IsNamed(type, "bmpimage") || IsNamed(type, "dibimage")) return LoadFromBMPResource(name, type, module);
  if (IsNamed(type, "zorimage")) return LoadFromZORResource(name, type, module);
  return false;
}

bool CDib::LoadFromBMPResource(const char* name, const char* type, HINSTANCE module) {
  if (!module) module = GetResourceModule();
  CResourceModuleSwitch current(module);
  auto bytes = FindIn(module, name, type);
  if (!bytes) return false;

  std::span<const unsigned char> dib = *bytes;
  std::optional<std::uint32_t> pixelOffset;
  if (!IsIntResource(type)) {
    // A BMP file image: skip the file header, keep its pixel offset.
    if (dib.size() < kBmpFileHeaderSize) return false;
    BITMAPFILEHEADER fileHeader;
    std::memcpy(&fileHeader, dib.data(), kBmpFileHeaderSize);
    if (fileHeader.bfOffBits >= kBmpFileHeaderSize) pixelOffset = fileHeader.bfOffBits - kBmpFileHeaderSize;
    dib = dib.subspan(kBmpFileHeaderSize);
  }
  HGLOBAL block = pixkit::DecodePackedDib(dib, pixelOffset);
  if (!block) return false;
  Empty();
  return InstallBlock(block);
}

bool CDib::LoadFromJPGResource(const char* name, const char* type, HINSTANCE module) {
  if (!module) module = GetResourceModule();
  CResourceModuleSwitch current(module);
  auto bytes = FindIn(module, name, type);
  if (!bytes || bytes->empty()) return false;
  // libjpeg reads but never writes its input; the interface is not const.
  return LoadFromJPGMemory(const_cast<unsigned char*>(bytes->data()), static_cast<unsigned int>(bytes->size()));
}

bool CDib::LoadFromZORResource(const char* name, const char* type, HINSTANCE module) {
  if (!module) module = GetResourceModule();
  CResourceModuleSwitch current(module);
  auto bytes = FindIn(module, name, type);
  if (!bytes) return false;
  return LoadFromZORMemory(const_cast<unsigned char*>(bytes->data()), static_cast<unsigned int>(bytes->size()));
}

bool CDib::LoadFromZORMemory(unsigned char* data, unsigned int) {
  // The reserved format has no reader in the library; derived classes may
  // supply one.
  return data != nullptr;
}
