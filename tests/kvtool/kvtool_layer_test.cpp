// kvtool's layer commands: compose and the alpha plane conversions, parsed
// in-process and run through the binary.
#include <gtest/gtest.h>

#include "imagelib/dib_alpha.h"
#include "tests/imagelib/image_builders.h"
#include "tests/kvtool/kvtool_runner.h"
#include "tests/test_files.h"
#include "tools/kvtool/layer_commands.h"

using testimg::GetPixel;
using testimg::Grey;

TEST(KvtoolCompose, ParsesOptionsAndRefusesBadValues) {
  ComposeRequest request;
  ASSERT_TRUE(ParseCompose({"bg.bmp", "--at", "4,-2", "layer.bmp", "--size", "30,20", "--angle", "-17.5",
                            "--opacity", "40", "out.bmp", "--alpha", "a.pcx"},
                           &request));
  EXPECT_EQ(request.at, CPoint(4, -2));
  EXPECT_EQ(request.size, CSize(30, 20));
  EXPECT_DOUBLE_EQ(request.degrees, -17.5);
  EXPECT_EQ(request.opacity, 40);
  EXPECT_EQ(request.alpha, "a.pcx");
  EXPECT_EQ(request.output, "out.bmp");

  ComposeRequest bad;
  EXPECT_FALSE(ParseCompose({"bg.bmp", "layer.bmp", "out.bmp", "--opacity", "101"}, &bad));
  EXPECT_FALSE(ParseCompose({"bg.bmp", "layer.bmp", "out.bmp", "--size", "0,3"}, &bad));
  EXPECT_FALSE(ParseCompose({"bg.bmp", "layer.bmp", "--angle", "nan", "out.bmp"}, &bad));
  EXPECT_FALSE(ParseCompose({"bg.bmp", "layer.bmp"}, &bad));
}

TEST(KvtoolCompose, BlackIsTransparentAndTheBoxHoldsTheTurnedLayer) {
  CDibAlpha layer;
  layer.Create(CSize(4, 2), 0x00FF00ul);
  testimg::SetPixel(layer, 0, 0, Grey(0));
  PlaneFromBlackKey(layer);
  CDib background;
  background.Create(CSize(10, 10), 0x0000FFul);

  ComposeRequest request;
  request.at = CPoint(3, 3);
  std::unique_ptr<CDib> flat = ApplyCompose(layer, background, request);
  EXPECT_EQ(GetPixel(*flat, 3, 3), (testimg::Pixel{0, 0, 255}));  // black: background shows
  EXPECT_EQ(GetPixel(*flat, 4, 3), (testimg::Pixel{0, 255, 0}));
  EXPECT_EQ(GetPixel(*flat, 6, 4), (testimg::Pixel{0, 255, 0}));
  EXPECT_EQ(GetPixel(*flat, 7, 4), (testimg::Pixel{0, 0, 255}));

  // A quarter turn: the 4 x 2 layer stands in a 2 x 4 box at (3, 3). The
  // sampling positions then fall on pixel edges, and one of the box's two
  // columns samples just past the layer's bottom row: 4 pixels are drawn.
  request.degrees = 90;
  std::unique_ptr<CDib> turned = ApplyCompose(layer, background, request);
  int green = 0;
  for (int y = 0; y < 10; ++y)
    for (int x = 0; x < 10; ++x)
      if (GetPixel(*turned, x, y)[1] == 255) {
        ++green;
        EXPECT_TRUE(x >= 3 && x < 5 && y >= 3 && y < 7) << x << "," << y;
      }
  EXPECT_EQ(green, 4);
}

TEST(KvtoolAlpha, PlaneToGreyAndBackThroughTheBinary) {
  TemporaryFolder folder;
  CDib grey;
  grey.Create(CSize(5, 3));
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 5; ++x) testimg::SetPixel(grey, x, y, Grey(x * 50 + y));
  grey.SaveToBMPFile(folder.File("grey.bmp"));

  ToolResult toPcx = RunKvtool("alpha --from-bmp " + Quoted(folder.File("grey.bmp")) + " " +
                               Quoted(folder.File("plane.pcx")));
  ASSERT_EQ(toPcx.exitCode, 0) << toPcx.output;
  ToolResult toBmp = RunKvtool("alpha " + Quoted(folder.File("plane.pcx")) + " " + Quoted(folder.File("back.bmp")));
  ASSERT_EQ(toBmp.exitCode, 0) << toBmp.output;
  CDib back;
  ASSERT_TRUE(back.LoadFromFile(folder.File("back.bmp")));
  EXPECT_TRUE(testimg::SamePixels(back, grey));

  ToolResult notPcx = RunKvtool("alpha " + Quoted(folder.File("grey.bmp")) + " " + Quoted(folder.File("x.bmp")));
  EXPECT_EQ(notPcx.exitCode, 1);
  EXPECT_NE(notPcx.output.find("not an alpha PCX file"), std::string::npos) << notPcx.output;

  ToolResult composed = RunKvtool("compose " + Quoted(folder.File("grey.bmp")) + " " + Quoted(folder.File("grey.bmp")) +
                                  " " + Quoted(folder.File("c.bmp")) + " --alpha " +
                                  Quoted(folder.File("plane.pcx")) + " --at 1,1 --opacity 100");
  ASSERT_EQ(composed.exitCode, 0) << composed.output;
}
