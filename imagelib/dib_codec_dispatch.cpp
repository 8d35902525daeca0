// Choosing a codec: file types from names, and the load and save entry
// points that dispatch on them.
#include <cctype>
#include <cstring>
#include <string_view>

#include "imagelib/dib.h"
#include "platform/core/text_case.h"

namespace {


}  // namespace

CDib::TypeFile CDib::FileTypeFromFileName(const char* fileName) {
  if (!fileName) return typeAuto;
  std::string_view path(fileName);
  // Only the file-name part counts: a dot in a folder name is no extension.
  std::string_view::size_type slash = path.find_last_of("/\\");
  std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
  std::string_view::size_type dot = name.rfind('.');
  if (dot == std::string_view::npos) return typeAuto;
  std::string_view extension = name.substr(dot);

  struct Mapping {
    const char* extension;
    TypeFile type;
  };
  static constexpr Mapping kMappings[] = {
      {".bmp", typeBMP}, {".jpg", typeJPG}, {".jpeg", typeJPG},
      {".jpe", typeJPG}, {".pcx", typePCX}, {".zor", typeZOR},
  };
  for (const Mapping& mapping : kMappings)
    if (EqualsIgnoringCase(extension, mapping.extension)) return mapping.type;
  return typeAuto;
}

bool CDib::IsFormatAvailable(const char* fileName) {
  TypeFile type = FileTypeFromFileName(fileName);
  return type == typeBMP || type == typeJPG;
}

bool CDib::LoadFromFile(std::string path, TypeFile type) {
  if (type == typeAuto) type = FileTypeFromFileName(path.c_str());
  switch (type) {
    case typeBMP: return LoadFromBMPFile(path);
    case typeJPG: return LoadFromJPGFile(path);
    case typePCX: return LoadFromPCXFile(path);
    default: return false;
  }
}

bool CDib::SaveToFile(std::string path, TypeFile type) {
  if (type == typeAuto) type = FileTypeFromFileName(path.c_str());
  switch (type) {
    case typeBMP: return SaveToBMPFile(path);
    case typeJPG: return SaveToJPGFile(path, true, true, 75, true);
    default: return false;
  }
}
