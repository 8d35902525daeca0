#include "tools/kvtool/image_io.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>

#include "platform/core/atomic_file.h"

namespace {

std::string ReasonForUnreadable(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return std::strerror(errno);
  if (S_ISDIR(info.st_mode)) return "is a folder";
  if (CDib::FileTypeFromFileName(path.c_str()) == CDib::typeAuto) return "unsupported file type";
  return "not a readable image or corrupt";
}

}  // namespace

bool LoadImageOrReport(const std::string& path, CDib& image) {
  if (image.LoadFromFile(path, CDib::typeAuto)) return true;
  std::fprintf(stderr, "kvtool: %s: %s\n", path.c_str(), ReasonForUnreadable(path).c_str());
  return false;
}

bool SaveImageOrReport(CDib& image, const std::string& path, const JpegOutputOptions& jpeg) {
  CDib::TypeFile type = CDib::FileTypeFromFileName(path.c_str());
  if (!CDib::IsFormatAvailable(path.c_str())) {
    std::fprintf(stderr, "kvtool: %s: cannot write this file type (use .bmp or .jpg)\n", path.c_str());
    return false;
  }
  std::string reason = "write failed";
  bool saved = false;
  try {
    saved = WriteFileAtomically(path, [&](const std::string& temporaryPath) {
      if (type == CDib::typeBMP) return image.SaveToBMPFile(temporaryPath);
      return image.SaveToJPGFile(temporaryPath, false, !jpeg.grayscale, jpeg.quality, jpeg.forceBaseline);
    });
  } catch (const CFileException& error) {
    reason = std::strerror(error.m_lOsError);
  }
  if (!saved) std::fprintf(stderr, "kvtool: %s: %s\n", path.c_str(), reason.c_str());
  return saved;
}

bool ParseInt(const std::string& text, int* value) {
  const char* first = text.data();
  const char* last = first + text.size();
  auto [end, error] = std::from_chars(first, last, *value);
  return error == std::errc() && end == last && first != last;
}

bool ParseIntPair(const std::string& text, char separator, int* first, int* second) {
  std::string::size_type at = text.find(separator);
  if (at == std::string::npos) return false;
  return ParseInt(text.substr(0, at), first) && ParseInt(text.substr(at + 1), second);
}

bool ParseHexColor(const std::string& text, unsigned long* color) {
  std::string digits = text[0] == '#' ? text.substr(1) : text;
  if (digits.size() != 6) return false;
  unsigned long rgb = 0;
  auto [end, error] = std::from_chars(digits.data(), digits.data() + 6, rgb, 16);
  if (error != std::errc() || end != digits.data() + 6) return false;
  unsigned long red = (rgb >> 16) & 0xFF, green = (rgb >> 8) & 0xFF, blue = rgb & 0xFF;
  *color = red | (green << 8) | (blue << 16);
  return true;
}

bool SplitBackgroundOption(const std::vector<std::string>& args, std::vector<std::string>* words,
                           unsigned long* color) {
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] != "--background") {
      words->push_back(args[i]);
      continue;
    }
    if (++i == args.size() || !ParseHexColor(args[i], color)) return false;
  }
  return true;
}
