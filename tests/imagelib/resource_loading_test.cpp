#include <gtest/gtest.h>

#include "imagelib/dib.h"
#include "tests/imagelib/plain_jpeg.h"
#include "tests/imagelib/test_images.h"

using testimages::Bgr;
using testimages::PixelAt;

namespace {

std::vector<unsigned char> BmpFileOf(Bgr colour) {
  testimages::BmpSpec spec;
  spec.pixels = {colour.blue, colour.green, colour.red, 0};
  return testimages::MakeBmpFile(spec);
}

std::vector<unsigned char> JpegOf(unsigned char grey) {
  return plainjpeg::Encode({8, 8, 1, std::vector<unsigned char>(64, grey)}, JCS_GRAYSCALE, 100, true);
}

// Records what the ZOR hook received and which module was current then.
class ZorDib : public CDib {
 public:
  bool LoadFromZORMemory(unsigned char* data, unsigned int size) override {
    received = std::vector<unsigned char>(data, data + size);
    moduleDuringLoad = GetResourceModule();
    return true;
  }
  std::vector<unsigned char> received;
  HINSTANCE moduleDuringLoad = nullptr;
};

TEST(ResourceLoading, WithoutATypeTheKindsAreTriedInOrder) {
  CMemoryResourceModule module;
  module.AddResource("ONLY_BMP", "BmpImage", BmpFileOf({1, 2, 3}));
  module.AddResource("BOTH", "dibimage", BmpFileOf({4, 5, 6}));
  module.AddResource("BOTH", "bmpimage", BmpFileOf({7, 8, 9}));
  module.AddResource("JPEG_FIRST", "jpgimage", JpegOf(200));
  module.AddResource("JPEG_FIRST", "bmpimage", BmpFileOf({7, 8, 9}));

  CDib image;
  ASSERT_TRUE(image.LoadFromResource("only_bmp", nullptr, &module));
  EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{1, 2, 3}));
  ASSERT_TRUE(image.LoadFromResource("BOTH", "", &module));
  EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{4, 5, 6}));
  ASSERT_TRUE(image.LoadFromResource("JPEG_FIRST", nullptr, &module));
  EXPECT_EQ(image.GetSize(), CSize(8, 8));
  EXPECT_EQ(PixelAt(image, 3, 3), (Bgr{200, 200, 200}));
  EXPECT_FALSE(image.LoadFromResource("MISSING", nullptr, &module));
}

TEST(ResourceLoading, NamedTypesChooseTheDecoder) {
  CMemoryResourceModule module;
  module.AddResource("PIC", "bmpimage", BmpFileOf({1, 2, 3}));
  module.AddResource("PIC", "jpgimage", JpegOf(10));
  module.AddResource("PIC", "wndrect", {1, 2, 3});
  CDib image;
  EXPECT_TRUE(image.LoadFromResource("PIC", "BMPIMAGE", &module));
  EXPECT_EQ(image.GetSize(), CSize(1, 1));
  EXPECT_TRUE(image.LoadFromResource("PIC", "jpgimage", &module));
  EXPECT_EQ(image.GetSize(), CSize(8, 8));
  EXPECT_FALSE(image.LoadFromResource("PIC", "wndrect", &module));
  EXPECT_FALSE(image.LoadFromResource("PIC", "dibimage", &module));
}

TEST(ResourceLoading, StandardBitmapTypeIsAPackedDibWithoutFileHeader) {
  std::vector<unsigned char> file = BmpFileOf({9, 8, 7});
  CMemoryResourceModule module;
  module.AddResource(MakeIntResource(130), MakeIntResource(kResourceTypeBitmap),
                     std::vector<unsigned char>(file.begin() + 14, file.end()));
  CDib image;
  ASSERT_TRUE(image.LoadFromResource(MakeIntResource(130), MakeIntResource(kResourceTypeBitmap), &module));
  EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{9, 8, 7}));
}

TEST(ResourceLoading, NullModuleMeansTheCurrentOne) {
  CMemoryResourceModule module;
  module.AddResource("PIC", "bmpimage", BmpFileOf({1, 1, 1}));
  CDib image;
  EXPECT_FALSE(image.LoadFromResource("PIC", "bmpimage", nullptr));
  CResourceModuleSwitch current(&module);
  EXPECT_TRUE(image.LoadFromResource("PIC", "bmpimage", nullptr));
}

TEST(ResourceLoading, ZorResourcesReachTheOverridableHookWithTheirModuleCurrent) {
  CMemoryResourceModule module;
  module.AddResource("SKIN", "zorimage", {5, 6, 7});
  CMemoryResourceModule other;
  CResourceModuleSwitch current(&other);
  ZorDib image;
  ASSERT_TRUE(image.LoadFromResource("SKIN", nullptr, &module));
  EXPECT_EQ(image.received, (std::vector<unsigned char>{5, 6, 7}));
  EXPECT_EQ(image.moduleDuringLoad, &module);
  EXPECT_EQ(GetResourceModule(), &other);
}

TEST(ResourceLoading, LibraryZorHookOnlyChecksForData) {
  CDib image;
  image.Create(CSize(2, 2), 0x10203ul);
  std::vector<unsigned char> before = testimages::BlockBytes(image);
  unsigned char byte = 1;
  EXPECT_TRUE(image.LoadFromZORMemory(&byte, 1));
  EXPECT_FALSE(image.LoadFromZORMemory(nullptr, 0));
  EXPECT_EQ(testimages::BlockBytes(image), before);
}

TEST(ResourceLoading, BrokenResourcesFailCleanly) {
  CMemoryResourceModule module;
  module.AddResource("SHORT", "bmpimage", {'B', 'M', 1});
  std::vector<unsigned char> lying = BmpFileOf({1, 2, 3});
  lying[14 + 4] = 50;  // width 50 with one pixel's bytes
  module.AddResource("LYING", "bmpimage", lying);
  module.AddResource("BAD", "jpgimage", {0xFF, 0xD8, 0xFF});
  module.AddResource("EMPTY", "jpgimage", {});
  CDib image;
  for (const char* name : {"SHORT", "LYING", "BAD", "EMPTY"}) EXPECT_FALSE(image.LoadFromResource(name, nullptr, &module)) << name;
}

}  // namespace
