// kvtool stroke: its options, and strokes run through the binary that must
// give the bytes of the same stroke run in-process, reproducibly for the
// spray when its numbers are given.
#include <gtest/gtest.h>

#include "app/editing/hair_pixels.h"
#include "tests/editing/hair_test_layers.h"
#include "tests/kvtool/kvtool_runner.h"
#include "tests/test_files.h"
#include "tools/kvtool/stroke_command.h"

TEST(KvtoolStroke, ParsesTheOptionsWithTheirDefaultsAndRefusesBadValues) {
  StrokeRequest plain;
  ASSERT_TRUE(ParseStroke({"brush", "l.bmp", "a.pcx", "o.bmp", "o.pcx", "--points", "3,4  -1,7"}, &plain));
  EXPECT_EQ(plain.tool, HairStrokeTool::brush);
  EXPECT_EQ(plain.points, (std::vector<CPoint>{{3, 4}, {-1, 7}}));
  EXPECT_EQ(plain.controls.pressure, 50);
  EXPECT_EQ(plain.controls.thickness, kNoThickness);
  EXPECT_EQ(plain.controls.colour, 0u);
  EXPECT_FALSE(plain.controls.combDrawing);
  EXPECT_EQ(plain.scale, 1.0);
  EXPECT_FALSE(plain.random);

  StrokeRequest full;
  ASSERT_TRUE(ParseStroke({"spray", "l.bmp", "a.pcx", "o.bmp", "o.pcx", "--points", "1,1", "--pressure", "0",
                           "--thickness", "6", "--scale", "0.5", "--colour", "FF8000", "--comb-drawing", "--rand",
                           "4 0 17"},
                          &full));
  EXPECT_EQ(full.controls.thickness, 6);
  EXPECT_EQ(full.controls.colour, 0x0080FFu);
  EXPECT_TRUE(full.controls.combDrawing);
  EXPECT_EQ(full.random, (std::vector<unsigned>{4, 0, 17}));

  const std::vector<std::string> files = {"l.bmp", "a.pcx", "o.bmp", "o.pcx"};
  for (const std::vector<std::string>& extra :
       {std::vector<std::string>{"--points", ""}, {"--points", "1;2"}, {"--points", "1,1", "--thickness", "7"},
        {"--points", "1,1", "--pressure", "101"}, {"--points", "1,1", "--scale", "0"},
        {"--points", "1,1", "--rand", "3 -1"}, {"--points", "1,1", "--colour", "red"}, {}}) {
    std::vector<std::string> args = {"comb"};
    args.insert(args.end(), files.begin(), files.end());
    args.insert(args.end(), extra.begin(), extra.end());
    StrokeRequest bad;
    EXPECT_FALSE(ParseStroke(args, &bad)) << (extra.empty() ? "no points" : extra.back());
  }
  StrokeRequest unknownTool;
  EXPECT_FALSE(ParseStroke({"rake", "l.bmp", "a.pcx", "o.bmp", "o.pcx", "--points", "1,1"}, &unknownTool));
}

class KvtoolStrokeRun : public ::testing::Test {
 protected:
  void SetUp() override {
    layer = hairtest::RandomLayer(90, 70, 21);
    ASSERT_TRUE(layer->SaveToBMPFile(folder.File("layer.bmp")));
    ASSERT_TRUE(layer->SaveAlphaToFile(folder.File("alpha.pcx")));
  }
  ToolResult Run(const std::string& tool, const std::string& options, const std::string& out = "out") {
    return RunKvtool("stroke " + tool + " " + Quoted(folder.File("layer.bmp")) + " " +
                     Quoted(folder.File("alpha.pcx")) + " " + Quoted(folder.File(out + ".bmp")) + " " +
                     Quoted(folder.File(out + ".pcx")) + " " + options);
  }
  // The output files as one layer image.
  CDibAlpha Read(const std::string& out = "out") {
    CDibAlpha result;
    EXPECT_TRUE(result.LoadFromFile(folder.File(out + ".bmp")));
    EXPECT_TRUE(result.LoadAlphaFromFile(folder.File(out + ".pcx")));
    return result;
  }

  TemporaryFolder folder;
  std::unique_ptr<CDibAlpha> layer;
};

TEST_F(KvtoolStrokeRun, ACombStrokePrintsItsParametersAndTheUnionOfItsSquares) {
  ToolResult result = Run("comb", "--points \"60,40 40,30\" --thickness 6 --pressure 100");
  ASSERT_EQ(result.exitCode, 0) << result.output;
  // S = 35: squares at (43, 23) and (23, 13), 35 wide, grown by 2.
  EXPECT_EQ(result.output, "params 35 0.5 0.1\npending 21,11,80,60\n");
  CDibAlpha expected(*layer);
  Smudge(expected, {60, 40}, {40, 30}, 35, 0.5, 0.1);
  CDibAlpha written = Read();
  EXPECT_TRUE(hairtest::SameLayer(written, expected));
}

TEST_F(KvtoolStrokeRun, ASprayStrokeWithGivenNumbersRepeatsByteForByte) {
  const std::string options = "--points \"45,35 47,36\" --colour 00FF80 --rand \"3 14 27 8 15 15 2 29 11\"";
  ToolResult first = Run("spray", options, "first");
  ToolResult second = Run("spray", options, "second");
  ASSERT_EQ(first.exitCode, 0) << first.output;
  EXPECT_EQ(first.output, "params 30 0.5 0.105\npending 30,20,62,51\n");
  EXPECT_EQ(second.output, first.output);
  CDibAlpha a = Read("first"), b = Read("second");
  EXPECT_TRUE(hairtest::SameLayer(a, b));

  StrokeRequest request;
  ASSERT_TRUE(ParseStroke({"spray", "l", "a", "o", "p", "--points", "45,35 47,36", "--colour", "00FF80", "--rand",
                           "3 14 27 8 15 15 2 29 11"},
                          &request));
  CDibAlpha inProcess(*layer);
  ApplyStroke(inProcess, request);
  EXPECT_TRUE(hairtest::SameLayer(a, inProcess));
  EXPECT_FALSE(hairtest::SameLayer(a, *layer));
}

TEST_F(KvtoolStrokeRun, SlowSnippersCutNothingAndAPlaneOfAnotherSizeIsRefused) {
  ToolResult slow = Run("snippers", "--points \"40,30 41,30 42,30\"");
  ASSERT_EQ(slow.exitCode, 0) << slow.output;
  CDibAlpha unchanged = Read();
  EXPECT_TRUE(hairtest::SameLayer(unchanged, *layer));
  EXPECT_NE(slow.output.find("params 30 0.5 0\n"), std::string::npos) << slow.output;

  CDibAlpha other;
  other.Create(CSize(10, 10), 0ul);
  ASSERT_TRUE(other.SaveAlphaToFile(folder.File("alpha.pcx")));
  ToolResult refused = Run("brush", "--points \"5,5\"");
  EXPECT_EQ(refused.exitCode, 1);
  EXPECT_NE(refused.output.find("alpha.pcx: the plane is 10x10, the layer 90x70"), std::string::npos)
      << refused.output;
}
