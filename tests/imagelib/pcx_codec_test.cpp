#include <gtest/gtest.h>

#include "imagelib/dib.h"
#include "imagelib/pcx_decoder.h"
#include "tests/imagelib/test_images.h"
#include "tests/test_files.h"

using testimages::Bgr;
using testimages::PixelAt;

namespace {

std::vector<unsigned char> PcxHeader(int width, int height) {
  std::vector<unsigned char> header(128, 0);
  header[0] = 10;
  header[1] = 5;
  header[2] = 1;
  header[3] = 8;
  header[4] = 2;  // Xmin = 2
  header[8] = static_cast<unsigned char>(2 + width - 1);
  header[10] = static_cast<unsigned char>(height - 1);
  header[65] = 3;
  header[68] = 1;
  return header;
}

// Loads header + data from a file whose handle the test keeps, so the file
// position after a failure can be checked.
class PcxTestDib : public CDib {
 public:
  using CDib::LoadFromPCXFile;
};

bool LoadPcx(const std::vector<unsigned char>& bytes, PcxTestDib& image, std::uint64_t* positionAfter = nullptr) {
  TemporaryFolder folder;
  std::string path = folder.Write("t.pcx", bytes);
  CFile file;
  file.Open(path, CFile::modeRead);
  bool loaded = image.LoadFromPCXFile(file);
  if (positionAfter) *positionAfter = file.GetPosition();
  return loaded;
}

TEST(PcxCodec, PlaneLinesArePaddedToEvenWidthAndThePaddingIsDropped) {
  std::vector<unsigned char> file = PcxHeader(3, 2);
  // Top line: red, green, blue planes of 4 bytes each (last byte padding).
  std::vector<unsigned char> data = {1, 2, 3, 0xAA, 4, 5, 6, 0xAA, 7, 8, 9, 0xAA,
                                     10, 11, 12, 0xAA, 13, 14, 15, 0xAA, 16, 17, 18, 0xAA};
  file.insert(file.end(), data.begin(), data.end());
  PcxTestDib image;
  ASSERT_TRUE(LoadPcx(file, image));
  ASSERT_EQ(image.GetSize(), CSize(3, 2));
  EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{7, 4, 1}));
  EXPECT_EQ(PixelAt(image, 2, 0), (Bgr{9, 6, 3}));
  EXPECT_EQ(PixelAt(image, 1, 1), (Bgr{17, 14, 11}));
}

TEST(PcxCodec, RunCodesStartAboveC0) {
  std::vector<unsigned char> file = PcxHeader(2, 1);
  // red: literal C0 then C1 55 (one 0x55); green: run of two; blue: two literals.
  std::vector<unsigned char> data = {0xC0, 0xC1, 0x55, 0xC2, 0x33, 0x01, 0x02};
  file.insert(file.end(), data.begin(), data.end());
  PcxTestDib image;
  ASSERT_TRUE(LoadPcx(file, image));
  EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{0x01, 0x33, 0xC0}));
  EXPECT_EQ(PixelAt(image, 1, 0), (Bgr{0x02, 0x33, 0x55}));
}

TEST(PcxCodec, RunCrossingTheEndOfThePictureStopsAtTheBuffer) {
  std::vector<unsigned char> file = PcxHeader(2, 1);
  file.insert(file.end(), {0xFF, 0x42});  // 63 copies for a 6-byte picture
  PcxTestDib image;
  ASSERT_TRUE(LoadPcx(file, image));
  EXPECT_EQ(PixelAt(image, 1, 0), (Bgr{0x42, 0x42, 0x42}));
}

TEST(PcxCodec, DataEndingBeforeThePictureIsCompleteFails) {
  std::vector<unsigned char> file = PcxHeader(4, 4);
  file.insert(file.end(), {0xC5, 0x10, 0x11});
  PcxTestDib image;
  EXPECT_FALSE(LoadPcx(file, image));
  EXPECT_TRUE(image.IsEmpty());

  file = PcxHeader(1, 1);
  file.insert(file.end(), {0x01, 0x02, 0xC1});  // run code with its value missing
  EXPECT_FALSE(LoadPcx(file, image));
}

TEST(PcxCodec, WrongHeaderFailsAndRewindsTheFile) {
  for (int field : {0, 1, 3, 65, 68}) {
    std::vector<unsigned char> file = PcxHeader(1, 1);
    file[field] ^= 0x40;
    file.insert(file.end(), 8, 0);
    PcxTestDib image;
    std::uint64_t position = 99;
    EXPECT_FALSE(LoadPcx(file, image, &position)) << field;
    EXPECT_EQ(position, 0u) << field;
  }
  PcxTestDib image;
  std::uint64_t position = 99;
  EXPECT_FALSE(LoadPcx({10, 5, 1}, image, &position));
  EXPECT_EQ(position, 0u);
}

TEST(PcxCodec, ReversedBoundsAreRefused) {
  std::vector<unsigned char> file = PcxHeader(1, 1);
  file[8] = 0;  // Xmax below Xmin
  file.insert(file.end(), 8, 0);
  PcxTestDib image;
  EXPECT_FALSE(LoadPcx(file, image));
}

TEST(PcxRuns, NeverWritesPastTheOutputOrReadsPastTheInput) {
  std::vector<unsigned char> output(5, 0);
  std::vector<unsigned char> input = {0xC3, 1, 0xC9, 2, 3};
  pixkit::RunLengthResult result = pixkit::DecodePcxRuns(input, output);
  EXPECT_EQ(result.produced, 5u);
  EXPECT_EQ(result.consumed, 4u);
  EXPECT_EQ(output, (std::vector<unsigned char>{1, 1, 1, 2, 2}));

  std::vector<unsigned char> roomy(10, 0);
  result = pixkit::DecodePcxRuns(std::vector<unsigned char>{7, 0xC4}, roomy);
  EXPECT_EQ(result.produced, 1u);
  EXPECT_EQ(result.consumed, 2u);
}

TEST(PcxCodec, LoadFromFileDispatchesByExtension) {
  TemporaryFolder folder;
  std::vector<unsigned char> file = PcxHeader(1, 1);
  file.insert(file.end(), {9, 0, 8, 0, 7, 0});
  CDib image;
  ASSERT_TRUE(image.LoadFromFile(folder.Write("x.PCX", file)));
  EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{7, 8, 9}));
  EXPECT_FALSE(image.LoadFromFile(folder.Write("x.zor", file)));
}

}  // namespace
