// CLut: a colour table of three 256-entry tables in the order blue, green,
// red (768 bytes and nothing else). Entry i of a table is the output for
// input value i of that channel. A layer image draws its colours through one,
// which the program builds from the user's brightness, contrast, hue and
// colour-filter settings; the 768-byte layout is what a layer image points to.
//
// The static conversions use packed 32-bit colours: RGB 0x00BBGGRR, HLS
// hue << 16 | lightness << 8 | saturation (each 0..255, a hue circle being
// 255 steps, grey having hue 170), CMYK cyan << 24 | magenta << 16 |
// yellow << 8 | black.
#pragma once

class CLut {
 public:
  CLut() { SetDefault(); }
  CLut(const CLut&) = default;
  CLut& operator=(const CLut& other) = default;

  // Identity: entry i = i in all three tables.
  void SetDefault();
  // Entry i = clamp(i + amount); replaces the tables.
  void SetBrightness(int amount);
  // Contrast about 128 (replaces the tables); nothing when amount is 0.
  void SetContrast(int amount);
  // Contrast of the current entries about each channel's mean; nothing when
  // amount is 0.
  void SetContrast(int amount, double meanRed, double meanGreen, double meanBlue);
  void Invert();
  // Tints the tables towards `color`: each entry's grey level becomes the
  // tint's lightness, `level` percent (0..100) of the colour's saturation.
  void ColorFilter(unsigned long color, int level);
  // Turns the hue of every table colour by `steps` (0..254).
  void SetHue(int steps);
  // Shifts every table by the hue turn of the reference colour at the given
  // channel values (the program passes a layer's mean red, green, blue).
  void SetHue(int steps, double red, double green, double blue);

  static unsigned long HLSToRGB(unsigned long hls);
  static unsigned long RGBToHLS(unsigned long rgb);
  static unsigned short HueToRGB(unsigned short p1, unsigned short p2, unsigned short hue);
  static unsigned long RGBToCMYK(unsigned long rgb);
  static unsigned long CMYKToRGB(unsigned long cmyk);
  // Colour correction hook for printing; no correction is applied.
  static void ColorCorrectCMYK(unsigned long& cmyk);

  // The 768 bytes: blue table, then green, then red.
  unsigned char* Data() { return m_Blue; }
  const unsigned char* Data() const { return m_Blue; }

  unsigned char m_Blue[256];
  unsigned char m_Green[256];
  unsigned char m_Red[256];
};

static_assert(sizeof(CLut) == 768, "CLut is exactly the 768-byte table layout");
