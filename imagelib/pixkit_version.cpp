#include "imagelib/pixkit_version.h"

#include <cstdio>

#include <jpeglib.h>

#define KV_STRINGIFY_(x) #x
#define KV_STRINGIFY(x) KV_STRINGIFY_(x)

std::string PixkitVersion() { return KELVORA_VERSION; }

std::string PixkitJpegLibraryVersion() {
  std::string text;
#ifdef LIBJPEG_TURBO_VERSION
  text = "libjpeg-turbo " KV_STRINGIFY(LIBJPEG_TURBO_VERSION) " ";
#endif
  char interface[48];
  std::snprintf(interface, sizeof interface, "(libjpeg %d.%d interface)", JPEG_LIB_VERSION / 10, JPEG_LIB_VERSION % 10);
  return text + interface;
}
