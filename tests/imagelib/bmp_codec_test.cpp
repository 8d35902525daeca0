#include <gtest/gtest.h>

#include "imagelib/dib.h"
#include "tests/imagelib/test_images.h"
#include "tests/test_files.h"

using testimages::Bgr;
using testimages::BmpSpec;
using testimages::MakeBmpFile;
using testimages::PixelAt;

namespace {

TEST(FileType, ExtensionOfTheFileNameDecides) {
  EXPECT_EQ(CDib::FileTypeFromFileName("/photos/2024.summer/photo.JPEG"), CDib::typeJPG);
  EXPECT_EQ(CDib::FileTypeFromFileName("C:\\a.b\\noext"), CDib::typeAuto);
  EXPECT_EQ(CDib::FileTypeFromFileName("/a.bmp/noext"), CDib::typeAuto);
  EXPECT_EQ(CDib::FileTypeFromFileName("x.PcX"), CDib::typePCX);
  EXPECT_EQ(CDib::FileTypeFromFileName("x.jpe"), CDib::typeJPG);
  EXPECT_EQ(CDib::FileTypeFromFileName("x.Zor"), CDib::typeZOR);
  EXPECT_EQ(CDib::FileTypeFromFileName("x.bmp.txt"), CDib::typeAuto);
  EXPECT_EQ(CDib::FileTypeFromFileName(nullptr), CDib::typeAuto);
}

TEST(FileType, OnlyTypesThatCanBeReadAndWrittenAreAvailable) {
  EXPECT_TRUE(CDib::IsFormatAvailable("a.BMP"));
  EXPECT_TRUE(CDib::IsFormatAvailable("a.jpeg"));
  EXPECT_FALSE(CDib::IsFormatAvailable("a.pcx"));
  EXPECT_FALSE(CDib::IsFormatAvailable("a.zor"));
  EXPECT_FALSE(CDib::IsFormatAvailable("a"));
}

TEST(BmpCodec, SaveThenLoadGivesAnIdenticalBlock) {
  TemporaryFolder folder;
  CDib image;
  testimages::MakePatternImage(image, 5, 3);
  ASSERT_TRUE(image.SaveToFile(folder.File("p.bmp")));
  std::vector<unsigned char> file = TemporaryFolder::Read(folder.File("p.bmp"));
  ASSERT_EQ(file.size(), 14u + 40 + 16 * 3);
  EXPECT_EQ(file[0], 'B');
  EXPECT_EQ(file[10], 54);  // pixels right after the header

  CDib loaded;
  ASSERT_TRUE(loaded.LoadFromFile(folder.File("p.bmp")));
  EXPECT_EQ(testimages::BlockBytes(loaded), testimages::BlockBytes(image));
}

TEST(BmpCodec, WriteErrorReachesTheCallerAsAFileException) {
  CDib image;
  image.Create(CSize(64, 64));
  CFile full;
  if (!full.Open("/dev/full", CFile::modeWrite)) GTEST_SKIP() << "no /dev/full";
  EXPECT_THROW(image.SaveToBMPFile(full), CFileException);
  EXPECT_EQ(image.LockBits() != nullptr && !image.UnlockBits(), true);  // the lock was released
}

TEST(BmpCodec, MissingFileAndEmptyImageFail) {
  TemporaryFolder folder;
  CDib image;
  EXPECT_FALSE(image.LoadFromFile(folder.File("none.bmp")));
  EXPECT_FALSE(image.SaveToBMPFile(folder.File("x.bmp")));
  EXPECT_FALSE(image.SaveToFile(folder.File("x.pcx")));
}

CDib LoadBytes(const std::vector<unsigned char>& bytes, bool* loaded) {
  TemporaryFolder folder;
  CDib image;
  *loaded = image.LoadFromFile(folder.Write("t.bmp", bytes));
  return image;
}

TEST(BmpCodec, EightBitPaletteIsConvertedToTwentyFourBits) {
  BmpSpec spec;
  spec.width = 3;
  spec.height = 2;
  spec.bitCount = 8;
  spec.coloursUsed = 2;
  spec.palette = {10, 20, 30, 0, 40, 50, 60, 0};
  spec.pixels = {1, 0, 1, 0,   // bottom row, padded to 4
                 0, 1, 7, 0};  // index 7 is outside the table: black
  bool loaded;
  CDib image = LoadBytes(MakeBmpFile(spec), &loaded);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(image.Width(), 3);
  EXPECT_EQ(PixelAt(image, 0, 1), (Bgr{40, 50, 60}));
  EXPECT_EQ(PixelAt(image, 1, 1), (Bgr{10, 20, 30}));
  EXPECT_EQ(PixelAt(image, 1, 0), (Bgr{40, 50, 60}));
  EXPECT_EQ(PixelAt(image, 2, 0), (Bgr{0, 0, 0}));
  BITMAPINFOHEADER header;
  image.GetBitmapInfoHeader(&header);
  EXPECT_EQ(header.biBitCount, 24);
}

TEST(BmpCodec, OneAndFourBitPalettesUnpackFromTheHighBits) {
  BmpSpec one;
  one.width = 9;
  one.bitCount = 1;
  one.palette = {0, 0, 0, 0, 255, 255, 255, 0};
  one.pixels = {0b10100000, 0b10000000, 0, 0};
  bool loaded;
  CDib mono = LoadBytes(MakeBmpFile(one), &loaded);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(PixelAt(mono, 0, 0).red, 255);
  EXPECT_EQ(PixelAt(mono, 1, 0).red, 0);
  EXPECT_EQ(PixelAt(mono, 2, 0).red, 255);
  EXPECT_EQ(PixelAt(mono, 8, 0).red, 255);

  BmpSpec four;
  four.width = 3;
  four.bitCount = 4;
  four.coloursUsed = 3;
  four.palette = {1, 1, 1, 0, 2, 2, 2, 0, 3, 3, 3, 0};
  four.pixels = {0x21, 0x00, 0, 0};
  CDib nibbles = LoadBytes(MakeBmpFile(four), &loaded);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(PixelAt(nibbles, 0, 0).blue, 3);
  EXPECT_EQ(PixelAt(nibbles, 1, 0).blue, 2);
  EXPECT_EQ(PixelAt(nibbles, 2, 0).blue, 1);
}

TEST(BmpCodec, ThirtyTwoBitTopDownAndGappedFilesAreConverted) {
  BmpSpec spec;
  spec.width = 2;
  spec.height = -2;  // top row first
  spec.bitCount = 32;
  spec.gap = 6;
  spec.pixels = {1, 2, 3, 99, 4, 5, 6, 99, 7, 8, 9, 99, 10, 11, 12, 99};
  bool loaded;
  CDib image = LoadBytes(MakeBmpFile(spec), &loaded);
  ASSERT_TRUE(loaded);
  EXPECT_EQ(image.Height(), 2);
  EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{1, 2, 3}));
  EXPECT_EQ(PixelAt(image, 1, 1), (Bgr{10, 11, 12}));
}

struct RefusedBmp {
  const char* why;
  BmpSpec spec;
};

class BmpRefused : public testing::TestWithParam<RefusedBmp> {};

TEST_P(BmpRefused, LoadFailsAndLeavesTheImageEmpty) {
  bool loaded = true;
  CDib image = LoadBytes(MakeBmpFile(GetParam().spec), &loaded);
  EXPECT_FALSE(loaded) << GetParam().why;
  EXPECT_TRUE(image.IsEmpty());
}

BmpSpec Spec(std::int32_t w, std::int32_t h, std::uint16_t bits, std::uint32_t compression, std::size_t pixelBytes) {
  BmpSpec spec;
  spec.width = w;
  spec.height = h;
  spec.bitCount = bits;
  spec.compression = compression;
  spec.pixels.assign(pixelBytes, 0x11);
  return spec;
}

INSTANTIATE_TEST_SUITE_P(
    BadHeaders, BmpRefused,
    testing::Values(RefusedBmp{"run-length compressed", Spec(2, 2, 8, 1, 64)},
                    RefusedBmp{"16 bits a pixel", Spec(2, 2, 16, 0, 64)},
                    RefusedBmp{"pixels shorter than the header claims", Spec(4, 4, 24, 0, 47)},
                    RefusedBmp{"row arithmetic overflows", Spec(0x7FFFFFFF, 0x7FFFFFFF, 24, 0, 16)},
                    RefusedBmp{"zero width", Spec(0, 2, 24, 0, 16)},
                    RefusedBmp{"zero height", Spec(2, 0, 24, 0, 16)},
                    RefusedBmp{"height of INT_MIN", Spec(1, INT32_MIN, 24, 0, 16)}));

TEST(BmpCodec, TruncatedOrForeignFilesFail) {
  CDib image;
  bool loaded;
  std::vector<unsigned char> file = MakeBmpFile(Spec(2, 2, 24, 0, 16));
  file[0] = 'X';
  LoadBytes(file, &loaded);
  EXPECT_FALSE(loaded);
  file = MakeBmpFile(Spec(2, 2, 24, 0, 16));
  file.resize(20);  // header cut short
  LoadBytes(file, &loaded);
  EXPECT_FALSE(loaded);
  LoadBytes({'B', 'M'}, &loaded);
  EXPECT_FALSE(loaded);
}

TEST(BmpCodec, PaletteClaimingMoreColoursThanPresentFails) {
  BmpSpec spec = Spec(2, 1, 8, 0, 4);
  spec.coloursUsed = 200;  // only a few bytes follow
  bool loaded;
  LoadBytes(MakeBmpFile(spec), &loaded);
  EXPECT_FALSE(loaded);
}

}  // namespace
