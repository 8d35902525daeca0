// kvtool face: what automatic fitting finds, printed in document
// coordinates for a photo loaded as the program loads it.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>

#include "imagelib/dib.h"
#include "tests/imagelib/test_images.h"
#include "tests/kvtool/kvtool_runner.h"
#include "tests/test_files.h"

namespace {

const std::string kAstronaut = std::string(KELVORA_SOURCE_DIR) + "/styles/Style_1/photos/astronaut.jpg";

// The "eyes X1,Y1,X2,Y2" line's numbers; false when it is missing.
bool ReadEyes(const std::string& output, int (&eyes)[4]) {
  const std::size_t at = output.find("\neyes ");
  return at != std::string::npos &&
         std::sscanf(output.c_str() + at, "\neyes %d,%d,%d,%d", &eyes[0], &eyes[1], &eyes[2], &eyes[3]) == 4;
}

// Her pupils, marked on the photo at (202,101) and (246,103) (see the
// fitting tests); a client of 257 x 257 halves the 512-pixel photo.
TEST(KvtoolFace, PrintsTheFitInDocumentCoordinatesOfTheClient) {
  ToolResult full = RunKvtool("face " + Quoted(kAstronaut));
  ASSERT_EQ(full.exitCode, 0) << full.output;
  EXPECT_EQ(full.output.rfind("face ", 0), 0u) << full.output;
  EXPECT_NE(full.output.find("\nlips "), std::string::npos);
  EXPECT_NE(full.output.find("\nshape "), std::string::npos);
  EXPECT_EQ(full.output.find("faces "), std::string::npos) << "the badge is no second face";
  int eyes[4];
  ASSERT_TRUE(ReadEyes(full.output, eyes)) << full.output;
  EXPECT_NEAR(eyes[0], 202, 5);
  EXPECT_NEAR(eyes[1], 101, 5);
  EXPECT_NEAR(eyes[2], 246, 5);

  ToolResult half = RunKvtool("face " + Quoted(kAstronaut) + " --client 257,257");
  ASSERT_EQ(half.exitCode, 0) << half.output;
  int halved[4];
  ASSERT_TRUE(ReadEyes(half.output, halved)) << half.output;
  for (int k = 0; k < 4; ++k) EXPECT_NEAR(halved[k], eyes[k] / 2.0, 3) << k;
}

TEST(KvtoolFace, NoFaceIsNoErrorButAnUnreadablePhotoIs) {
  TemporaryFolder folder;
  CDib pattern;
  testimages::MakePatternImage(pattern, 120, 90);
  pattern.SaveToBMPFile(folder.File("pattern.bmp"));
  ToolResult none = RunKvtool("face " + Quoted(folder.File("pattern.bmp")));
  EXPECT_EQ(none.exitCode, 0);
  EXPECT_EQ(none.output, "no face\n");
  EXPECT_EQ(RunKvtool("face " + Quoted(folder.File("missing.jpg"))).exitCode, 1);
  EXPECT_EQ(RunKvtool("face " + Quoted(kAstronaut) + " --client 1").exitCode, 2);
}

}  // namespace
