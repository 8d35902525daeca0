// Each line is run-length encoded on its own: runs of up to 63 equal bytes
// become (0xC0 | count, value); a single byte below 192 stands for itself,
// and a single byte of 192 or more needs a run of one so that it is not read
// as a count. A grey ramp palette follows the data, behind its marker 12.
#include "styles/Style_1/alpha_pcx_writer.h"

namespace {

void Put16(std::vector<unsigned char>& file, std::size_t at, int value) {
  file[at] = static_cast<unsigned char>(value & 0xFF);
  file[at + 1] = static_cast<unsigned char>((value >> 8) & 0xFF);
}

}  // namespace

std::vector<unsigned char> WriteAlphaPcx(const std::vector<unsigned char>& plane, int width, int height) {
  std::vector<unsigned char> file(128, 0);
  file[0] = 10;  // manufacturer
  file[1] = 5;   // version
  file[2] = 1;   // run-length encoding
  file[3] = 8;   // bits per pixel
  Put16(file, 8, width - 1);
  Put16(file, 10, height - 1);
  Put16(file, 12, width);
  Put16(file, 14, height);
  file[65] = 1;  // planes
  Put16(file, 66, width);
  Put16(file, 68, 1);
  for (int y = 0; y < height; ++y) {
    const unsigned char* line = plane.data() + static_cast<std::size_t>(y) * width;
    for (int x = 0; x < width;) {
      int run = 1;
      while (x + run < width && run < 63 && line[x + run] == line[x]) ++run;
      if (run > 1 || line[x] >= 192) file.push_back(static_cast<unsigned char>(0xC0 | run));
      file.push_back(line[x]);
      x += run;
    }
  }
  file.push_back(12);
  for (int i = 0; i < 256; ++i) file.insert(file.end(), 3, static_cast<unsigned char>(i));
  return file;
}
