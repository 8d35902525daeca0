#include <gtest/gtest.h>

#include <cstring>

#include "imagelib/lut.h"

namespace {

bool IsIdentity(const CLut& lut) {
  for (int i = 0; i < 256; ++i)
    if (lut.m_Blue[i] != i || lut.m_Green[i] != i || lut.m_Red[i] != i) return false;
  return true;
}

unsigned long Hls(int hue, int lightness, int saturation) {
  return static_cast<unsigned long>(saturation | lightness << 8 | hue << 16);
}

}  // namespace

TEST(CLut, LaysOutBlueGreenRedTables) {
  CLut lut;
  lut.m_Green[3] = 200;
  EXPECT_EQ(lut.Data()[256 + 3], 200);
  CLut copy;
  copy.SetBrightness(50);
  copy = lut;
  EXPECT_EQ(std::memcmp(copy.Data(), lut.Data(), 768), 0);
}

TEST(CLut, BrightnessClampsAndZeroIsIdentity) {
  CLut lut;
  lut.SetBrightness(-300);
  for (int i = 0; i < 256; ++i) EXPECT_EQ(lut.m_Red[i], 0);
  lut.SetBrightness(0);
  EXPECT_TRUE(IsIdentity(lut));
  lut.SetBrightness(2147483647);  // no overflow on the way to 255
  EXPECT_EQ(lut.m_Blue[0], 255);
}

TEST(CLut, ContrastAboutTheMiddleAndAboutMeans) {
  CLut lut;
  lut.SetContrast(0);
  lut.SetContrast(0, 10.0, 20.0, 30.0);
  EXPECT_TRUE(IsIdentity(lut));
  lut.SetContrast(25);  // k = 1.5
  EXPECT_EQ(lut.m_Green[138], 143);
  EXPECT_EQ(lut.m_Green[118], 113);
  EXPECT_EQ(lut.m_Green[255], 255);
  EXPECT_EQ(lut.m_Green[0], 0);

  // Negative amounts divide: entries move towards each channel's mean.
  CLut means;
  means.SetContrast(-25, 100.0, 50.0, 200.0);
  EXPECT_EQ(means.m_Red[130], 120);   // 100 + round(30 / 1.5)
  EXPECT_EQ(means.m_Green[50], 50);
  EXPECT_EQ(means.m_Blue[170], 180);  // 200 - 20
}

TEST(CLut, InvertTwiceRestores) {
  CLut lut;
  lut.Invert();
  EXPECT_EQ(lut.m_Red[0], 255);
  EXPECT_EQ(lut.m_Blue[200], 55);
  lut.Invert();
  EXPECT_TRUE(IsIdentity(lut));
}

TEST(ColourSpace, RedAndWhiteThroughHls) {
  EXPECT_EQ(CLut::RGBToHLS(0x0000FF), Hls(0, 128, 255));
  EXPECT_EQ(CLut::HLSToRGB(Hls(0, 128, 255)), 0x0101FFul);  // red 255, green 1, blue 1
  EXPECT_EQ(CLut::RGBToHLS(0xFFFFFF), Hls(170, 255, 0));
  EXPECT_EQ(CLut::HLSToRGB(Hls(170, 255, 0)), 0xFFFFFFul);
  EXPECT_EQ(CLut::RGBToHLS(0x000000), Hls(170, 0, 0));
}

TEST(ColourSpace, HueStaysOnTheCircle) {
  // Red-dominated with blue above green: just below a full turn.
  unsigned long hls = CLut::RGBToHLS(0x4010FF);  // red 255, green 16, blue 64
  int hue = static_cast<int>(hls >> 16);
  EXPECT_GT(hue, 240);
  EXPECT_LE(hue, 255);
  EXPECT_EQ(hls >> 24, 0u);
  for (unsigned long rgb = 0; rgb < 0x1000000; rgb += 0x010305)
    EXPECT_LE(CLut::RGBToHLS(rgb) >> 16, 255u) << std::hex << rgb;
}

TEST(ColourSpace, HueToRgbWrapsLargeHues) {
  EXPECT_EQ(CLut::HueToRGB(10, 200, 0), 10);
  EXPECT_EQ(CLut::HueToRGB(10, 200, 21), 10 + (190 * 21 + 21) / 42);
  EXPECT_EQ(CLut::HueToRGB(10, 200, 100), 200);
  EXPECT_EQ(CLut::HueToRGB(10, 200, 150), 10 + (190 * 20 + 21) / 42);
  EXPECT_EQ(CLut::HueToRGB(10, 200, 300), 200);                                    // 300 - 255 = 45
  EXPECT_EQ(CLut::HueToRGB(10, 200, static_cast<unsigned short>(-20)), 10);  // a negative hue
}

TEST(ColourSpace, Cmyk) {
  EXPECT_EQ(CLut::RGBToCMYK(0xFFFFFF), 0ul);
  EXPECT_EQ(CLut::RGBToCMYK(0x000000), 255ul);
  EXPECT_EQ(CLut::RGBToCMYK(0x0000FF), 0xFFFF00ul);  // red: magenta and yellow
  for (unsigned long inks : {0x000000FFul, 0x12345FFul, 0xFFFFFFFFul}) EXPECT_EQ(CLut::CMYKToRGB(inks), 0ul);
  EXPECT_EQ(CLut::CMYKToRGB(CLut::RGBToCMYK(0x336699)), 0x336699ul);
  unsigned long value = 0x01020304;
  CLut::ColorCorrectCMYK(value);
  EXPECT_EQ(value, 0x01020304ul);
}

TEST(CLut, ColorFilterTintsByGreyLevel) {
  CLut lut;
  const unsigned long orange = 0x0080FF;  // red 255, green 128, blue 0: grey 127
  lut.ColorFilter(orange, 100);
  // Black stays black, white goes to near white, grey 128 to the colour.
  EXPECT_EQ(lut.m_Red[0], 0);
  EXPECT_EQ(lut.m_Red[128], CLut::HLSToRGB((CLut::RGBToHLS(orange) & 0xFF00FF) | 127 << 8) & 0xFF);
  EXPECT_GT(lut.m_Blue[255], 240);
  // Level 0 keeps no saturation: the tables are grey.
  CLut grey;
  grey.ColorFilter(orange, 0);
  for (int i = 0; i < 256; ++i) {
    EXPECT_EQ(grey.m_Red[i], grey.m_Blue[i]);
    EXPECT_EQ(grey.m_Red[i], grey.m_Green[i]);
  }
  // A level beyond the percent scale acts as 100 instead of corrupting the
  // packed lightness.
  CLut over;
  over.ColorFilter(orange, 250);
  EXPECT_EQ(std::memcmp(over.Data(), lut.Data(), 768), 0);
}

TEST(CLut, HueTurnsKeepGreyAndMoveColours) {
  CLut lut;
  lut.SetHue(85);
  EXPECT_TRUE(IsIdentity(lut));  // every identity colour is grey
  lut.m_Red[200] = 250;
  lut.m_Green[200] = 10;
  lut.m_Blue[200] = 10;
  lut.SetHue(85);  // a third of the circle: red becomes green
  EXPECT_LT(lut.m_Red[200], 20);
  EXPECT_GT(lut.m_Green[200], 240);

  // With a reference colour: every entry shifts by the reference's change.
  CLut shifted;
  shifted.m_Red[100] = 200, shifted.m_Green[100] = 50, shifted.m_Blue[100] = 50;
  const unsigned long reference = CLut::RGBToHLS(0x3232C8);  // red 200, green 50, blue 50
  ASSERT_EQ(reference >> 16, 0u);
  const unsigned long turned = CLut::HLSToRGB(reference + (85ul << 16));
  shifted.SetHue(85, 100.7, 100.2, 100.9);
  const int red1 = turned & 0xFF, green1 = (turned >> 8) & 0xFF;
  EXPECT_EQ(shifted.m_Red[100], red1);
  EXPECT_EQ(shifted.m_Green[100], green1);
  EXPECT_EQ(shifted.m_Red[0], std::max(0, red1 - 200));
  EXPECT_EQ(shifted.m_Green[255], std::min(255, green1 + 255 - 50));
}
