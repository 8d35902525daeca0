#include "app/resources/program_icon.h"

#include <cstring>
#include <vector>

#include "platform/core/dib_header.h"

namespace {

struct Rgb {
  unsigned char red, green, blue;
};

constexpr Rgb kFrame{32, 38, 52};
constexpr Rgb kTeal{38, 178, 160};
constexpr Rgb kWhite{245, 248, 250};

// A teal tile with rounded corners and a white "K", the letters' strokes two
// pixels wide so they survive the 16 x 16 reduction.
Rgb IconPixel(int x, int y) {
  const int last = kProgramIconSide - 1;
  int cornerX = x < 4 ? 4 - x : x > last - 4 ? x - (last - 4) : 0;
  int cornerY = y < 4 ? 4 - y : y > last - 4 ? y - (last - 4) : 0;
  if (cornerX * cornerX + cornerY * cornerY > 16) return kFrame;
  bool stem = x >= 9 && x <= 12 && y >= 7 && y <= 24;
  int fromMiddle = y - 16;
  int armX = 13 + (fromMiddle < 0 ? -fromMiddle : fromMiddle);
  bool arm = y >= 7 && y <= 24 && x >= armX - 1 && x <= armX + 2;
  return stem || arm ? kWhite : kTeal;
}

}  // namespace

void AddProgramIcon(CMemoryResourceModule& module) {
  const int side = kProgramIconSide;
  const int rowLength = side * 3;  // 96: already a multiple of four
  BITMAPINFOHEADER header{};
  header.biSize = sizeof header;
  header.biWidth = side;
  header.biHeight = side;
  header.biPlanes = 1;
  header.biBitCount = 24;
  std::vector<unsigned char> dib(sizeof header + static_cast<std::size_t>(rowLength) * side);
  std::memcpy(dib.data(), &header, sizeof header);
  for (int y = 0; y < side; ++y) {
    unsigned char* row = dib.data() + sizeof header + static_cast<std::size_t>(side - 1 - y) * rowLength;
    for (int x = 0; x < side; ++x) {
      Rgb colour = IconPixel(x, y);
      row[3 * x] = colour.blue;
      row[3 * x + 1] = colour.green;
      row[3 * x + 2] = colour.red;
    }
  }
  module.AddResource(MakeIntResource(kProgramIconId), MakeIntResource(kResourceTypeBitmap), std::move(dib));
}
