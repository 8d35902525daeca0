#include <gtest/gtest.h>

#include <vector>

#include "styles/Style_1/alpha_pcx_writer.h"

namespace {

// The reading rule of alpha PCX files: a byte below 192 is a literal, a
// byte b of 192 or more a run of (b & 0x3F) copies of the next byte; a line
// ends once it has its width.
std::vector<unsigned char> Decode(const std::vector<unsigned char>& file, int width, int height) {
  std::vector<unsigned char> plane;
  std::size_t at = 128, end = file.size() - 769;
  for (int y = 0; y < height; ++y) {
    std::vector<unsigned char> line;
    while (static_cast<int>(line.size()) < width && at < end) {
      unsigned char b = file[at++];
      if (b < 192) line.push_back(b);
      else if (at < end) line.insert(line.end(), b & 0x3F, file[at++]);
    }
    line.resize(static_cast<std::size_t>(width));
    plane.insert(plane.end(), line.begin(), line.end());
  }
  return plane;
}

TEST(AlphaPcxWriterTest, RunsLongBytesAndLineEndsSurviveTheReadingRule) {
  const int width = 70, height = 3;
  std::vector<unsigned char> plane;
  plane.insert(plane.end(), width, 255);                    // a run longer than 63
  for (int x = 0; x < width; ++x) plane.push_back(static_cast<unsigned char>(x % 2 ? 200 : 5));  // lone high bytes
  plane.insert(plane.end(), width - 1, 0);                  // a run that stops at the line end
  plane.push_back(192);

  std::vector<unsigned char> file = WriteAlphaPcx(plane, width, height);
  EXPECT_EQ(file[8] | file[9] << 8, width - 1);
  EXPECT_EQ(file[10] | file[11] << 8, height - 1);
  EXPECT_EQ(file[66] | file[67] << 8, width);
  EXPECT_EQ(file[file.size() - 769], 12);
  EXPECT_EQ(file[file.size() - 1], 255) << "grey ramp palette";
  EXPECT_EQ(Decode(file, width, height), plane);
}

}  // namespace
