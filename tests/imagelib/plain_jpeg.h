// JPEG through libjpeg's plain interface, as a reference for the codec:
// top-down, tightly packed rows in the file's own channel order.
#pragma once

#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace plainjpeg {

struct Picture {
  int width = 0;
  int height = 0;
  int components = 0;
  std::vector<unsigned char> samples;  // top-down, width * components a row
};

std::vector<unsigned char> Encode(const Picture& picture, J_COLOR_SPACE space, int quality, bool forceBaseline);
// Decodes with the library's default output colour space.
Picture Decode(const std::vector<unsigned char>& jpeg);

}  // namespace plainjpeg
