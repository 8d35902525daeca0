#include "app/resources/desktop_icon.h"

#include <cmath>

namespace {

// The icon's geometry in the 32-unit grid of resource 128.
constexpr double kGrid = 32.0;
constexpr double kCornerRadius = 4.0;
constexpr int kSamples = 4;  // per axis, per pixel

enum class Ink { None, Tile, Letter };

Ink InkAt(double u, double v) {
  // Rounded tile: outside the quarter circles of the corners is empty.
  const double cx = u < kCornerRadius ? kCornerRadius - u : u > kGrid - kCornerRadius ? u - (kGrid - kCornerRadius) : 0;
  const double cy = v < kCornerRadius ? kCornerRadius - v : v > kGrid - kCornerRadius ? v - (kGrid - kCornerRadius) : 0;
  if (cx * cx + cy * cy > kCornerRadius * kCornerRadius) return Ink::None;
  const bool rows = v >= 7 && v < 25;
  const bool stem = rows && u >= 9 && u < 13;
  const double armX = 13 + std::fabs(v - 16.5);
  const bool arm = rows && u >= armX - 1 && u < armX + 3;
  return stem || arm ? Ink::Letter : Ink::Tile;
}

}  // namespace

std::vector<std::uint8_t> DrawDesktopIcon(int side) {
  if (side < 1 || side > 1024) return {};
  std::vector<std::uint8_t> pixels(static_cast<std::size_t>(side) * side * 4);
  const double scale = kGrid / side;
  for (int y = 0; y < side; ++y) {
    for (int x = 0; x < side; ++x) {
      int tile = 0, letter = 0;
      for (int sy = 0; sy < kSamples; ++sy)
        for (int sx = 0; sx < kSamples; ++sx) {
          Ink ink = InkAt((x + (sx + 0.5) / kSamples) * scale, (y + (sy + 0.5) / kSamples) * scale);
          tile += ink == Ink::Tile;
          letter += ink == Ink::Letter;
        }
      const int covered = tile + letter;
      std::uint8_t* pixel = &pixels[(static_cast<std::size_t>(y) * side + x) * 4];
      if (covered == 0) continue;  // transparent
      // Teal (38, 178, 160) and white (245, 248, 250), mixed by coverage.
      pixel[0] = static_cast<std::uint8_t>((tile * 38 + letter * 245) / covered);
      pixel[1] = static_cast<std::uint8_t>((tile * 178 + letter * 248) / covered);
      pixel[2] = static_cast<std::uint8_t>((tile * 160 + letter * 250) / covered);
      pixel[3] = static_cast<std::uint8_t>(covered * 255 / (kSamples * kSamples));
    }
  }
  return pixels;
}
