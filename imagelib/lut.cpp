// Building CLut's tables. Brightness and the 128-centred contrast replace
// the tables; the mean-centred contrast, the hue turns and the colour filter
// work on the current entries, so the program can chain them in the order of
// its controls.
#include "imagelib/lut.h"

#include <cstring>

#include "imagelib/pixel_math.h"

using pixkit::ClampToByte;

namespace {

unsigned long PackRGB(int red, int green, int blue) {
  return static_cast<unsigned long>(red) | static_cast<unsigned long>(green) << 8 |
         static_cast<unsigned long>(blue) << 16;
}

// The reference index trunc(value) & 255; a non-finite or huge value (which
// a mean never is) counts as 0 instead of an undefined conversion.
int ReferenceIndex(double value) {
  if (!(value > -2147483648.0 && value < 2147483648.0)) return 0;
  return static_cast<int>(value) & 255;
}

// The colour with its hue turned by `steps`.
unsigned long TurnHue(unsigned long rgb, int steps) {
  unsigned long hls = CLut::RGBToHLS(rgb);
  unsigned hue = (static_cast<unsigned>(steps) + static_cast<unsigned>((hls >> 16) & 0xFF)) % 255u;
  return CLut::HLSToRGB((hls & 0xFFFF) | static_cast<unsigned long>(hue) << 16);
}

}  // namespace

void CLut::SetDefault() {
  for (int i = 0; i < 256; ++i) m_Blue[i] = m_Green[i] = m_Red[i] = static_cast<unsigned char>(i);
}

void CLut::SetBrightness(int amount) {
  for (int i = 0; i < 256; ++i) m_Blue[i] = m_Green[i] = m_Red[i] = ClampToByte(static_cast<long long>(i) + amount);
}

void CLut::SetContrast(int amount) {
  if (amount == 0) return;
  for (int i = 0; i < 256; ++i) m_Blue[i] = m_Green[i] = m_Red[i] = pixkit::ContrastValue(i, 128.0, amount);
}

void CLut::SetContrast(int amount, double meanRed, double meanGreen, double meanBlue) {
  if (amount == 0) return;
  for (int i = 0; i < 256; ++i) {
    m_Red[i] = pixkit::ContrastValue(m_Red[i], meanRed, amount);
    m_Green[i] = pixkit::ContrastValue(m_Green[i], meanGreen, amount);
    m_Blue[i] = pixkit::ContrastValue(m_Blue[i], meanBlue, amount);
  }
}

void CLut::Invert() {
  for (unsigned char* entry = Data(); entry != Data() + sizeof(CLut); ++entry)
    *entry = static_cast<unsigned char>(255 - *entry);
}

void CLut::ColorFilter(unsigned long color, int level) {
  // A level outside 0..100 would carry the saturation into the lightness
  // byte of the packed colour; it is held to the percent scale.
  level = level < 0 ? 0 : level > 100 ? 100 : level;
  const unsigned long hls = RGBToHLS(color);
  const int hue = static_cast<int>((hls >> 16) & 0xFF);
  const int saturation = level * static_cast<int>(hls & 0xFF) / 100;
  const int colorGrey = (static_cast<int>(color & 0xFF) + static_cast<int>((color >> 8) & 0xFF) +
                         static_cast<int>((color >> 16) & 0xFF)) / 3;
  for (int i = 0; i < 256; ++i) {
    const int grey = (m_Blue[i] + m_Green[i] + m_Red[i]) / 3;
    const int lightness = grey > 128 ? colorGrey + static_cast<int>((grey - 128) * 0.0078125 * (255 - colorGrey))
                                     : static_cast<int>(grey * 0.0078125 * colorGrey);
    const unsigned long rgb = HLSToRGB(static_cast<unsigned long>(saturation) |
                                       static_cast<unsigned long>(lightness) << 8 |
                                       static_cast<unsigned long>(hue) << 16);
    m_Red[i] = static_cast<unsigned char>(rgb);
    m_Green[i] = static_cast<unsigned char>(rgb >> 8);
    m_Blue[i] = static_cast<unsigned char>(rgb >> 16);
  }
}

void CLut::SetHue(int steps) {
  for (int i = 0; i < 256; ++i) {
    const unsigned long rgb = TurnHue(PackRGB(m_Red[i], m_Green[i], m_Blue[i]), steps);
    m_Red[i] = static_cast<unsigned char>(rgb);
    m_Green[i] = static_cast<unsigned char>(rgb >> 8);
    m_Blue[i] = static_cast<unsigned char>(rgb >> 16);
  }
}

void CLut::SetHue(int steps, double red, double green, double blue) {
  const int red0 = m_Red[ReferenceIndex(red)];
  const int green0 = m_Green[ReferenceIndex(green)];
  const int blue0 = m_Blue[ReferenceIndex(blue)];
  const unsigned long turned = TurnHue(PackRGB(red0, green0, blue0), steps);
  const int red1 = static_cast<int>(turned & 0xFF);
  const int green1 = static_cast<int>((turned >> 8) & 0xFF);
  const int blue1 = static_cast<int>((turned >> 16) & 0xFF);
  for (int i = 0; i < 256; ++i) {
    m_Red[i] = ClampToByte(red1 + m_Red[i] - red0);
    m_Green[i] = ClampToByte(green1 + m_Green[i] - green0);
    m_Blue[i] = ClampToByte(blue1 + m_Blue[i] - blue0);
  }
}
