#include <gtest/gtest.h>

#include <memory>

#include "tests/imagelib/image_builders.h"
#include "tools/kvtool/image_commands.h"

using testimg::GetPixel;
using testimg::Grey;
using testimg::RandomImage;
using testimg::SamePixels;

TEST(KvtoolParsing, AcceptsTheDocumentedForms) {
  ZoomRequest zoom;
  ASSERT_TRUE(ParseZoom({"in.bmp", "out.jpg", "640x480"}, &zoom));
  EXPECT_EQ(zoom.size, CSize(640, 480));
  EXPECT_EQ(zoom.files.output, "out.jpg");

  ThumbnailRequest thumb;
  ASSERT_TRUE(ParseThumbnail({"in.bmp", "--background", "FF8000", "out.bmp", "48"}, &thumb));
  EXPECT_EQ(thumb.side, 48);
  EXPECT_EQ(thumb.background, 0x0080FFul);  // red FF, green 80 as a COLORREF

  RotateRequest rotate;
  ASSERT_TRUE(ParseRotate({"in.bmp", "out.bmp", "-30"}, &rotate));
  EXPECT_EQ(rotate.degrees, -30);

  FlipRequest flip;
  ASSERT_TRUE(ParseFlip({"in.bmp", "out.bmp", "v"}, &flip));
  EXPECT_FALSE(flip.horizontal);

  CropRequest crop;
  ASSERT_TRUE(ParseCrop({"in.bmp", "out.bmp", "1,2,30,-4"}, &crop));
  EXPECT_EQ(crop.rect, CRect(1, 2, 30, -4));

  EffectRequest filter;
  ASSERT_TRUE(ParseEffect({"in.bmp", "out.bmp", "filter", "00FF00", "40", "--key", "000000"}, &filter));
  EXPECT_EQ(filter.kind, EffectRequest::filter);
  EXPECT_EQ(filter.color, 0x00FF00ul);
  EXPECT_EQ(filter.amount, 40);
  EXPECT_EQ(filter.key, 0ul);

  DissolveRequest dissolve;
  ASSERT_TRUE(ParseDissolve({"a.bmp", "b.bmp", "out.bmp", "0.25"}, &dissolve));
  EXPECT_DOUBLE_EQ(dissolve.amount, 0.25);

  LutRequest lut;
  ASSERT_TRUE(ParseLut({"in.bmp", "out.bmp", "--hue", "40", "--filter", "102030", "70", "--brightness", "-5"}, &lut));
  EXPECT_EQ(lut.hue, 40);
  EXPECT_EQ(lut.brightness, -5);
  EXPECT_FALSE(lut.contrast);
  EXPECT_EQ(lut.filterColor, 0x302010ul);
  EXPECT_EQ(lut.filterLevel, 70);
}

TEST(KvtoolParsing, RejectsMalformedArguments) {
  ZoomRequest zoom;
  EXPECT_FALSE(ParseZoom({"in", "out", "640"}, &zoom));
  EXPECT_FALSE(ParseZoom({"in", "out", "0x10"}, &zoom));
  EXPECT_FALSE(ParseZoom({"in", "out", "12x10", "extra"}, &zoom));
  ThumbnailRequest thumb;
  EXPECT_FALSE(ParseThumbnail({"in", "out", "-4"}, &thumb));
  EXPECT_FALSE(ParseThumbnail({"in", "out", "48", "--background"}, &thumb));
  EXPECT_FALSE(ParseThumbnail({"in", "out", "48", "--background", "GG0000"}, &thumb));
  FlipRequest flip;
  EXPECT_FALSE(ParseFlip({"in", "out", "x"}, &flip));
  CropRequest crop;
  EXPECT_FALSE(ParseCrop({"in", "out", "1,2,3"}, &crop));
  EXPECT_FALSE(ParseCrop({"in", "out", "1,2,3,4,5"}, &crop));
  EXPECT_FALSE(ParseCrop({"in", "out", "1,2,3,4,"}, &crop));
  EXPECT_FALSE(ParseCrop({"in", "out", "3,2,3,9"}, &crop));  // no area
  EffectRequest effect;
  EXPECT_FALSE(ParseEffect({"in", "out", "sharpen"}, &effect));
  EXPECT_FALSE(ParseEffect({"in", "out", "brightness"}, &effect));
  EXPECT_FALSE(ParseEffect({"in", "out", "invert", "3"}, &effect));
  EXPECT_FALSE(ParseEffect({"in", "out", "posterize", "0"}, &effect));
  EXPECT_FALSE(ParseEffect({"in", "out", "invert", "--key", "000000"}, &effect));
  DissolveRequest dissolve;
  EXPECT_FALSE(ParseDissolve({"a", "b", "out", "1.5"}, &dissolve));
  EXPECT_FALSE(ParseDissolve({"a", "b", "out", "half"}, &dissolve));
  LutRequest lut;
  EXPECT_FALSE(ParseLut({"in", "out", "--filter", "FF0000"}, &lut));
  EXPECT_FALSE(ParseLut({"in", "out", "--gamma", "2"}, &lut));
}

TEST(KvtoolOperations, CallTheLibraryOperation) {
  auto image = RandomImage(9, 6, 1);
  CDib before(*image);

  EffectRequest posterize;
  ASSERT_TRUE(ParseEffect({"i", "o", "posterize", "64"}, &posterize));
  auto posterized = ApplyEffect(*image, posterize);
  std::unique_ptr<CDib> expected(image->Effect_Posterize(64, false));
  EXPECT_TRUE(SamePixels(*posterized, *expected));

  FlipRequest flip;
  ASSERT_TRUE(ParseFlip({"i", "o", "h"}, &flip));
  auto flipped = ApplyFlip(*image, flip);
  EXPECT_EQ(GetPixel(*flipped, 0, 2), GetPixel(*image, 8, 2));

  CropRequest crop;
  ASSERT_TRUE(ParseCrop({"i", "o", "2,1,5,4"}, &crop));
  auto cropped = ApplyCrop(*image, crop);
  EXPECT_EQ(cropped->GetSize(), CSize(3, 3));
  EXPECT_EQ(GetPixel(*cropped, 0, 0), GetPixel(*image, 2, 1));

  ThumbnailRequest thumb;
  ASSERT_TRUE(ParseThumbnail({"i", "o", "32"}, &thumb));
  EXPECT_EQ(ApplyThumbnail(*image, thumb)->GetSize(), CSize(32, 32));

  auto other = RandomImage(9, 6, 2);
  DissolveRequest dissolve;
  ASSERT_TRUE(ParseDissolve({"a", "b", "o", "1"}, &dissolve));
  EXPECT_TRUE(SamePixels(*ApplyDissolve(*image, *other, dissolve), *other));
  auto smaller = RandomImage(3, 3, 3);
  EXPECT_FALSE(ApplyDissolve(*image, *smaller, dissolve));

  EXPECT_TRUE(SamePixels(*image, before));  // the loaded image itself is never changed
}

TEST(KvtoolLut, MapsEachChannelOrTheGreyThroughTheTable) {
  auto image = std::make_unique<CDib>();
  image->Create(CSize(1, 1));
  testimg::SetPixel(*image, 0, 0, {30, 60, 90});  // grey 60

  LutRequest brighter;
  ASSERT_TRUE(ParseLut({"i", "o", "--brightness", "10"}, &brighter));
  EXPECT_EQ(GetPixel(*ApplyLut(*image, brighter), 0, 0), (testimg::Pixel{40, 70, 100}));

  // With a filter every channel is looked up by the pixel's grey.
  CLut redOnly;
  for (int i = 0; i < 256; ++i) redOnly.m_Red[i] = 255;
  auto mapped = MapThroughLut(*image, redOnly, true);
  EXPECT_EQ(GetPixel(*mapped, 0, 0), (testimg::Pixel{60, 60, 255}));

  // The order is brightness, contrast, hue, filter, means taken from the image.
  LutRequest all;
  ASSERT_TRUE(ParseLut({"i", "o", "--filter", "FF0000", "50", "--contrast", "20", "--brightness", "5"}, &all));
  CLut expected;
  expected.SetBrightness(5);
  expected.SetContrast(20, 90.0, 60.0, 30.0);
  expected.ColorFilter(0x0000FF, 50);
  EXPECT_EQ(GetPixel(*ApplyLut(*image, all), 0, 0),
            (testimg::Pixel{expected.m_Blue[60], expected.m_Green[60], expected.m_Red[60]}));
}
