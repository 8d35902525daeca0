// CLut's colour-space conversions: RGB <-> HLS on the integer 0..255 scale
// (a hue circle of 255 steps, thirds at 85 and 170) and RGB <-> CMYK.
// Integer arithmetic throughout with truncating division; the HLS formulas
// round with the half-divisor terms (+ 127, + 21, ...) written below.
#include <algorithm>

#include "imagelib/lut.h"

unsigned long CLut::RGBToHLS(unsigned long rgb) {
  const int red = static_cast<int>(rgb & 0xFF);
  const int green = static_cast<int>((rgb >> 8) & 0xFF);
  const int blue = static_cast<int>((rgb >> 16) & 0xFF);
  const int mx = std::max({red, green, blue});
  const int mn = std::min({red, green, blue});
  const int lightness = ((mx + mn) * 255 + 255) / 510;
  if (mx == mn) return static_cast<unsigned long>(lightness) << 8 | 170ul << 16;

  const int saturation = lightness <= 127 ? ((mx - mn) * 255 + (mx + mn) / 2) / (mx + mn)
                                          : ((mx - mn) * 255 + (510 - mx - mn) / 2) / (510 - mx - mn);
  const int spread = mx - mn;
  const int redDistance = ((mx - red) * 42 + spread / 2) / spread;
  const int greenDistance = ((mx - green) * 42 + spread / 2) / spread;
  const int blueDistance = ((mx - blue) * 42 + spread / 2) / spread;
  int hue;
  if (red == mx) hue = blueDistance - greenDistance;
  else if (green == mx) hue = 85 + redDistance - blueDistance;
  else hue = 170 + greenDistance - redDistance;
  if (hue < 0) hue += 255;
  if (hue > 255) hue -= 255;
  return static_cast<unsigned long>(saturation) | static_cast<unsigned long>(lightness) << 8 |
         static_cast<unsigned long>(hue) << 16;
}

unsigned short CLut::HueToRGB(unsigned short p1, unsigned short p2, unsigned short hue) {
  // A hue below 0 arrives as a large unsigned value and stays past 170.
  if (hue > 255) hue = static_cast<unsigned short>(hue - 255);
  if (hue < 42) return static_cast<unsigned short>(p1 + ((p2 - p1) * hue + 21) / 42);
  if (hue < 127) return p2;
  if (hue >= 170) return p1;
  return static_cast<unsigned short>(p1 + ((p2 - p1) * (170 - hue) + 21) / 42);
}

unsigned long CLut::HLSToRGB(unsigned long hls) {
  const int saturation = static_cast<int>(hls & 0xFF);
  const int lightness = static_cast<int>((hls >> 8) & 0xFF);
  const int hue = static_cast<int>((hls >> 16) & 0xFF);
  int red, green, blue;
  if (saturation == 0) {
    red = green = blue = lightness;
  } else {
    const int m2 = lightness <= 127 ? (lightness * (255 + saturation) + 127) / 255
                                    : lightness + saturation - (lightness * saturation + 127) / 255;
    const auto m1 = static_cast<unsigned short>(2 * lightness - m2);
    const auto p2 = static_cast<unsigned short>(m2);
    red = (HueToRGB(m1, p2, static_cast<unsigned short>(hue + 85)) * 255 + 127) / 255;
    green = (HueToRGB(m1, p2, static_cast<unsigned short>(hue)) * 255 + 127) / 255;
    blue = (HueToRGB(m1, p2, static_cast<unsigned short>(hue - 85)) * 255 + 127) / 255;
  }
  return static_cast<unsigned long>(red & 0xFF) | static_cast<unsigned long>(green & 0xFF) << 8 |
         static_cast<unsigned long>(blue & 0xFF) << 16;
}

unsigned long CLut::RGBToCMYK(unsigned long rgb) {
  const unsigned long cyan = 255 - (rgb & 0xFF);
  const unsigned long magenta = 255 - ((rgb >> 8) & 0xFF);
  const unsigned long yellow = 255 - ((rgb >> 16) & 0xFF);
  const unsigned long black = std::min({cyan, magenta, yellow});
  return black | (yellow - black) << 8 | (magenta - black) << 16 | (cyan - black) << 24;
}

unsigned long CLut::CMYKToRGB(unsigned long cmyk) {
  const int black = static_cast<int>(cmyk & 0xFF);
  const int yellow = static_cast<int>((cmyk >> 8) & 0xFF);
  const int magenta = static_cast<int>((cmyk >> 16) & 0xFF);
  const int cyan = static_cast<int>((cmyk >> 24) & 0xFF);
  auto channel = [black](int ink) { return ink + black > 254 ? 0 : 255 - ink - black; };
  return static_cast<unsigned long>(channel(cyan)) | static_cast<unsigned long>(channel(magenta)) << 8 |
         static_cast<unsigned long>(channel(yellow)) << 16;
}

void CLut::ColorCorrectCMYK(unsigned long& /*cmyk*/) {}
