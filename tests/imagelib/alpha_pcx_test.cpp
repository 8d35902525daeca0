// Alpha PCX files: the exact bytes written, round trips, and decoding that
// stays inside its buffers whatever the runs claim.
#include <gtest/gtest.h>

#include <vector>

#include "imagelib/alpha_pcx.h"
#include "imagelib/dib_alpha.h"
#include "tests/imagelib/reference_alpha.h"
#include "tests/test_files.h"

using reference::AlphaAt;
using reference::SetAlphaAt;

namespace {

// A header for a width x height plane followed by `runs`, with the palette.
std::vector<unsigned char> AlphaFile(int width, int height, std::vector<unsigned char> runs, bool palette = true) {
  std::vector<unsigned char> plane(static_cast<std::size_t>(width) * height, 0);
  std::vector<unsigned char> file = pixkit::EncodeAlphaPcx(plane.data(), CSize(width, height));
  file.resize(pixkit::kAlphaPcxHeaderSize);
  file.insert(file.end(), runs.begin(), runs.end());
  if (palette) {
    file.push_back(12);
    for (int i = 0; i < 256; ++i) file.insert(file.end(), 3, static_cast<unsigned char>(i));
  }
  return file;
}

CDibAlpha LayerOf(CSize size, unsigned char fill) {
  CDibAlpha layer;
  layer.Create(size, 0ul);
  layer.Fill_Color(0ul, fill);
  return layer;
}

}  // namespace

TEST(AlphaPcx, WritesTheDocumentedHeaderRunsAndPalette) {
  CDibAlpha layer = LayerOf(CSize(3, 1), 0);
  SetAlphaAt(layer, 0, 0, 10);
  SetAlphaAt(layer, 1, 0, 10);
  SetAlphaAt(layer, 2, 0, 200);
  TemporaryFolder folder;
  ASSERT_TRUE(layer.SaveAlphaToFile(folder.File("a.pcx")));
  std::vector<unsigned char> file = TemporaryFolder::Read(folder.File("a.pcx"));

  ASSERT_EQ(file.size(), 128u + 4 + 769);
  EXPECT_EQ(std::vector<unsigned char>(file.begin(), file.begin() + 4), (std::vector<unsigned char>{10, 5, 1, 8}));
  EXPECT_EQ(file[8], 2);    // Xmax = width - 1
  EXPECT_EQ(file[12], 3);   // horizontal resolution = width
  EXPECT_EQ(file[65], 1);   // planes
  EXPECT_EQ(file[66], 3);   // bytes per line, not rounded to even
  EXPECT_EQ(file[68], 1);   // palette information
  EXPECT_EQ(std::vector<unsigned char>(file.begin() + 128, file.begin() + 132),
            (std::vector<unsigned char>{0xC2, 0x0A, 0xC1, 0xC8}));
  EXPECT_EQ(file[132], 12);
  EXPECT_EQ(file[132 + 1 + 3 * 77 + 2], 77);
}

TEST(AlphaPcx, RoundTripsEveryValueAndLongRunsWithoutCrossingLines) {
  // 130 wide: runs longer than 63 split; lines end in the middle of a value.
  CDibAlpha layer = LayerOf(CSize(130, 4), 0);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 130; ++x)
      SetAlphaAt(layer, x, y, static_cast<unsigned char>(y == 1 ? 0xC5 : y == 2 ? (x * 7 + 190) : x < 100 ? 3 : 255));
  TemporaryFolder folder;
  ASSERT_TRUE(layer.SaveAlphaToFile(folder.File("plane.pcx")));

  CDibAlpha loaded = LayerOf(CSize(130, 4), 1);
  ASSERT_TRUE(loaded.LoadAlphaFromFile(folder.File("plane.pcx")));
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 130; ++x) ASSERT_EQ(AlphaAt(loaded, x, y), AlphaAt(layer, x, y)) << x << "," << y;

  std::vector<unsigned char> bytes = TemporaryFolder::Read(folder.File("plane.pcx"));
  CDibAlpha fromMemory = LayerOf(CSize(130, 4), 1);
  ASSERT_TRUE(fromMemory.LoadAlphaFromMemory(bytes.data(), static_cast<unsigned>(bytes.size())));
  EXPECT_EQ(AlphaAt(fromMemory, 129, 3), 255);

  CMemoryResourceModule module;
  module.AddResource("HAIR", "alphaimage", bytes);
  CDibAlpha fromResource = LayerOf(CSize(130, 4), 1);
  ASSERT_TRUE(fromResource.LoadAlphaFromResource("hair", "ALPHAIMAGE", &module));
  EXPECT_EQ(AlphaAt(fromResource, 5, 1), 0xC5);
  EXPECT_FALSE(fromResource.LoadAlphaFromResource("missing", "alphaimage", &module));
}

TEST(AlphaPcx, SizesThatDifferCopyTheOverlapOnly) {
  // A 3 x 2 file into a 2 x 3 plane: two lines of two bytes.
  std::vector<unsigned char> file = AlphaFile(3, 2, {1, 2, 3, 4, 5, 6});
  CDibAlpha layer = LayerOf(CSize(2, 3), 9);
  ASSERT_TRUE(layer.LoadAlphaFromMemory(file.data(), static_cast<unsigned>(file.size())));
  EXPECT_EQ(AlphaAt(layer, 0, 0), 1);
  EXPECT_EQ(AlphaAt(layer, 1, 0), 2);
  EXPECT_EQ(AlphaAt(layer, 0, 1), 4);
  EXPECT_EQ(AlphaAt(layer, 1, 2), 9);  // below the file: as it was
}

TEST(AlphaPcx, RunsOvershootingALineAreDroppedAndEmptyRunsProduceNothing) {
  // Line 0: a run of 5 into a 3-byte line; line 1: an empty run (0xC0), then
  // literals. The overshoot must not spill into line 1.
  std::vector<unsigned char> file = AlphaFile(3, 2, {0xC5, 7, 0xC0, 99, 1, 2, 3});
  CDibAlpha layer = LayerOf(CSize(3, 2), 9);
  ASSERT_TRUE(layer.LoadAlphaFromMemory(file.data(), static_cast<unsigned>(file.size())));
  EXPECT_EQ(AlphaAt(layer, 2, 0), 7);
  EXPECT_EQ(AlphaAt(layer, 0, 1), 1);
  EXPECT_EQ(AlphaAt(layer, 2, 1), 3);
}

TEST(AlphaPcx, ShortDataAndForeignHeadersLeaveThePlaneUnchanged) {
  struct Case {
    const char* name;
    std::vector<unsigned char> file;
  };
  std::vector<unsigned char> foreign = AlphaFile(2, 1, {1, 2});
  foreign[65] = 3;  // a 24-bit PCX, not a plane
  std::vector<unsigned char> headerOnly = AlphaFile(1, 1, {}, false);
  std::vector<unsigned char> inverted = AlphaFile(2, 1, {1, 2});
  inverted[4] = 5;  // Xmin beyond Xmax
  const Case cases[] = {
      {"data ends inside a line", AlphaFile(3, 2, {1, 2, 3, 4}, false)},
      {"run code is the last byte", AlphaFile(3, 1, {1, 2, 0xC1}, false)},
      {"data ends at the palette", AlphaFile(3, 2, {1, 2, 3, 4})},
      {"header only", headerOnly},
      {"shorter than a header", {10, 5, 1, 8}},
      {"foreign header", foreign},
      {"inverted bounds", inverted},
  };
  TemporaryFolder folder;
  for (const Case& c : cases) {
    CDibAlpha layer = LayerOf(CSize(3, 2), 9);
    EXPECT_FALSE(layer.LoadAlphaFromMemory(c.file.data(), static_cast<unsigned>(c.file.size()))) << c.name;
    const bool headerOk = pixkit::ReadAlphaPcxSize(c.file).has_value();
    // From a file only broken data is a failure; another kind of file is
    // ignored as it always has been.
    EXPECT_EQ(layer.LoadAlphaFromFile(folder.Write("case.pcx", c.file)), !headerOk) << c.name;
    for (int y = 0; y < 2; ++y)
      for (int x = 0; x < 3; ++x) ASSERT_EQ(AlphaAt(layer, x, y), 9) << c.name;
  }
  CDibAlpha layer = LayerOf(CSize(1, 1), 9);
  EXPECT_FALSE(layer.LoadAlphaFromFile(folder.File("absent.pcx")));
  CDibAlpha planeless;
  EXPECT_FALSE(planeless.SaveAlphaToFile(folder.File("none.pcx")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("none.pcx")));
}
