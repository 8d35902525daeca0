#include <gtest/gtest.h>

#include <filesystem>

#include "imagelib/dib.h"
#include "tests/imagelib/test_images.h"
#include "tests/test_files.h"
#include "tests/kvtool/kvtool_runner.h"

namespace {

std::string WritePattern(const TemporaryFolder& folder, const std::string& name, int width, int height) {
  CDib image;
  testimages::MakePatternImage(image, width, height);
  image.SaveToBMPFile(folder.File(name));
  return folder.File(name);
}

TEST(KvtoolInfo, PrintsTypeAndSize) {
  TemporaryFolder folder;
  ToolResult result = RunKvtool("info " + Quoted(WritePattern(folder, "a.bmp", 7, 5)));
  EXPECT_EQ(result.exitCode, 0) << result.output;
  EXPECT_EQ(result.output, "type: BMP\nwidth: 7\nheight: 5\n");
}

TEST(KvtoolConvert, BmpToJpegAndBackKeepsTheSize) {
  TemporaryFolder folder;
  std::string bmp = WritePattern(folder, "a.bmp", 33, 17);
  ToolResult toJpeg = RunKvtool("convert " + Quoted(bmp) + " " + Quoted(folder.File("b.jpg")) + " --quality 90 --grayscale");
  ASSERT_EQ(toJpeg.exitCode, 0) << toJpeg.output;
  ToolResult back = RunKvtool("convert " + Quoted(folder.File("b.jpg")) + " " + Quoted(folder.File("c.bmp")));
  ASSERT_EQ(back.exitCode, 0) << back.output;
  CDib image;
  ASSERT_TRUE(image.LoadFromFile(folder.File("c.bmp")));
  EXPECT_EQ(image.GetSize(), CSize(33, 17));
  testimages::Bgr pixel = testimages::PixelAt(image, 3, 3);
  EXPECT_EQ(pixel.red, pixel.blue);  // written grey
}

TEST(KvtoolConvert, FailuresSayWhichFileAndLeaveNoOutput) {
  TemporaryFolder folder;
  std::string corrupt = folder.Write("bad.jpg", std::vector<unsigned char>(100, 0x42));
  struct Case {
    std::string arguments;
    std::string mentions;
  };
  std::vector<Case> cases = {
      {"convert " + Quoted(folder.File("missing.bmp")) + " " + Quoted(folder.File("o.bmp")), "missing.bmp"},
      {"convert " + Quoted(corrupt) + " " + Quoted(folder.File("o.bmp")), "bad.jpg"},
      {"convert " + Quoted(WritePattern(folder, "a.bmp", 2, 2)) + " " + Quoted(folder.File("o.pcx")), "o.pcx"},
      {"convert " + Quoted(WritePattern(folder, "b.bmp", 2, 2)) + " " + Quoted(folder.File("no/o.bmp")), "o.bmp"},
  };
  for (const Case& c : cases) {
    ToolResult result = RunKvtool(c.arguments);
    EXPECT_EQ(result.exitCode, 1) << c.arguments;
    EXPECT_NE(result.output.find(c.mentions), std::string::npos) << result.output;
    EXPECT_EQ(std::count(result.output.begin(), result.output.end(), '\n'), 1) << result.output;
  }
  EXPECT_FALSE(std::filesystem::exists(folder.File("o.bmp")));
  EXPECT_FALSE(std::filesystem::exists(folder.File("o.pcx")));
}

TEST(KvtoolUsage, BadArgumentsAreUsageErrors) {
  EXPECT_EQ(RunKvtool("convert onlyone.bmp").exitCode, 2);
  EXPECT_EQ(RunKvtool("convert a.bmp b.jpg --quality 101").exitCode, 1);
  EXPECT_EQ(RunKvtool("frobnicate").exitCode, 2);
  ToolResult help = RunKvtool("--help");
  EXPECT_EQ(help.exitCode, 0);
  EXPECT_NE(help.output.find("kvtool convert IN OUT"), std::string::npos);
}

}  // namespace
