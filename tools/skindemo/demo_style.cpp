#include "tools/skindemo/demo_style.h"

#include <cmath>
#include <cstring>
#include <functional>
#include <string>

#include "platform/core/device_context.h"
#include "platform/core/dib_header.h"

namespace {

using Painter = std::function<COLORREF(int x, int y)>;

std::vector<unsigned char> Picture(int width, int height, const Painter& paint) {
  int rowLength = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = kBitmapFileType;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + rowLength * height;
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::vector<unsigned char> bytes(file.bfSize, 0);
  std::memcpy(bytes.data(), &file, sizeof file);
  std::memcpy(bytes.data() + sizeof file, &info, sizeof info);
  for (int y = 0; y < height; ++y) {
    unsigned char* row = bytes.data() + file.bfOffBits + (height - 1 - y) * rowLength;
    for (int x = 0; x < width; ++x) {
      COLORREF c = paint(x, y);
      row[3 * x] = GetBValue(c);
      row[3 * x + 1] = GetGValue(c);
      row[3 * x + 2] = GetRValue(c);
    }
  }
  return bytes;
}

// A round button lit from 0 (dull) to 1 (bright).
Painter RoundButton(int side, double light, COLORREF tint) {
  return [=](int x, int y) -> COLORREF {
    double dx = x - side / 2.0 + 0.5, dy = y - side / 2.0 + 0.5;
    double r = std::sqrt(dx * dx + dy * dy);
    if (r > side / 2.0 - 1) return RGB(0, 0, 0);
    double shade = (0.55 + 0.45 * light) * (1.0 - 0.4 * r / side);
    return RGB(std::max(1, static_cast<int>(GetRValue(tint) * shade)), static_cast<int>(GetGValue(tint) * shade),
               static_cast<int>(GetBValue(tint) * shade));
  };
}

Painter CheckBox(int side, bool ticked) {
  return [=](int x, int y) -> COLORREF {
    bool edge = x < 2 || y < 2 || x >= side - 2 || y >= side - 2;
    if (edge) return RGB(220, 220, 230);
    bool tick = ticked && (std::abs((x - 4) - (side - 10 - (y - 4))) <= 1 || std::abs(x - y) <= 1) && x > 4 && y > 4 &&
                x < side - 4 && y < side - 4;
    return tick ? RGB(60, 200, 90) : RGB(0, 0, 0);
  };
}

void Add(CMemoryResourceModule& style, const std::string& name, int width, int height, const Painter& paint) {
  style.AddResource(name.c_str(), "dibimage", Picture(width, height, paint));
}

}  // namespace

void FillDemoStyle(CMemoryResourceModule& style) {
  const int side = 40;
  for (int frame = 1; frame <= 5; ++frame)
    Add(style, "DEMO_PLAY_D" + std::to_string(frame), side, side, RoundButton(side, (frame - 1) / 4.0, RGB(80, 140, 255)));
  Add(style, "DEMO_PLAY_MOUSEIN", side, side, RoundButton(side, 0.2, RGB(120, 200, 255)));
  for (int frame = 1; frame <= 2; ++frame)
    Add(style, "DEMO_STOP_D" + std::to_string(frame), side, side, RoundButton(side, frame == 1 ? 0.3 : 1.0, RGB(255, 90, 70)));
  Add(style, "DEMO_STOP_DISABLED", side, side, RoundButton(side, 0.0, RGB(150, 150, 150)));
  for (const char* box : {"DEMO_GRID", "DEMO_SNAP"}) {
    Add(style, std::string(box) + "_D1", 20, 20, CheckBox(20, false));
    Add(style, std::string(box) + "_D2", 20, 20, CheckBox(20, true));
  }
  for (const char* slider : {"DEMO_BRIGHTNESS", "DEMO_OPACITY"})
    Add(style, std::string(slider) + "_THUMB", 20, 12, [](int x, int y) {
      return x == 0 || y == 0 || x == 19 || y == 11 ? RGB(90, 90, 110) : RGB(230, 230, 240);
    });
  Add(style, "DEMO_OPACITY_ACTION", 12, 20, [](int, int) { return RGB(255, 220, 120); });
}
