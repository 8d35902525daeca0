#include <gtest/gtest.h>

#include <filesystem>

#include "imagelib/dib_alpha.h"
#include "tests/imagelib/test_images.h"
#include "tests/kvtool/kvtool_runner.h"
#include "tests/test_files.h"
#include "tools/kvtool/base_commands.h"

namespace {

// A picture and an alpha file whose plane is opaque on the left half.
void WriteLayerFiles(const TemporaryFolder& folder) {
  CDibAlpha layer;
  testimages::MakePatternImage(layer, 30, 20);
  unsigned char* plane = layer.LockAlpha();
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 30; ++x) plane[y * 30 + x] = x < 15 ? 0 : 255;
  layer.UnlockAlpha();
  layer.SaveToBMPFile(folder.File("hair.bmp"));
  layer.SaveAlphaToFile(folder.File("hair.pcx"));
}

TEST(KvtoolBase, CreateAddListExtractDeleteAndCheckEndToEnd) {
  TemporaryFolder folder;
  WriteLayerFiles(folder);
  std::string base = Quoted(folder.File("Cust1.hbd"));
  ASSERT_EQ(RunKvtool("base create " + base + " Mine").exitCode, 0);
  EXPECT_EQ(RunKvtool("base create " + base + " Again").exitCode, 1);  // never overwrites a collection
  std::string add = "base add " + base + " " + Quoted(folder.File("hair.bmp")) + " --alpha " +
                    Quoted(folder.File("hair.pcx")) + " --projection 1 --name ";
  ToolResult first = RunKvtool(add + "Raw --placement 1,2,3,4 --categories A/B --layer 2 --shape 3");
  ASSERT_EQ(first.exitCode, 0) << first.output;
  ASSERT_EQ(RunKvtool(add + "Packed --compress --quality 90").exitCode, 0);

  ToolResult list = RunKvtool("base list " + base);
  ASSERT_EQ(list.exitCode, 0);
  EXPECT_EQ(list.output.substr(0, list.output.find('\n')),
            "0\tRaw\tprojection=1\tshape=3\tcategories=A/B///\tplacement=1,2,3,4\timage=2460\tthumbnail=6912");  // 20 + 92 x 20 + 30 x 20
  EXPECT_NE(list.output.find("1\tPacked\tprojection=1"), std::string::npos);

  ASSERT_EQ(RunKvtool("base extract " + base + " 0 " + Quoted(folder.File("out.bmp")) + " --alpha " +
                      Quoted(folder.File("out.pcx")))
                .exitCode,
            0);
  EXPECT_EQ(TemporaryFolder::Read(folder.File("out.pcx")), TemporaryFolder::Read(folder.File("hair.pcx")));
  CDib original, extracted;
  original.LoadFromFile(folder.File("hair.bmp"));
  extracted.LoadFromFile(folder.File("out.bmp"));
  EXPECT_EQ(testimages::BlockBytes(extracted), testimages::BlockBytes(original));

  EXPECT_EQ(RunKvtool("base check " + base).output, "2 items, 0 problems\n");
  ASSERT_EQ(RunKvtool("base delete " + base + " 0").exitCode, 0);
  EXPECT_EQ(RunKvtool("base check " + base).output, "1 items, 0 problems\n");
  EXPECT_EQ(std::filesystem::file_size(folder.File("Cust1.hbp")), 6912u);
  EXPECT_EQ(RunKvtool("base delete " + base + " 5").exitCode, 1);
}

TEST(KvtoolBase, CheckReportsBlocksThatDoNotMatchTheirRecords) {
  TemporaryFolder folder;
  WriteLayerFiles(folder);
  std::string base = Quoted(folder.File("c.hbd"));
  ASSERT_EQ(RunKvtool("base create " + base + " Mine").exitCode, 0);
  std::string add = "base add " + base + " " + Quoted(folder.File("hair.bmp")) + " --alpha " +
                    Quoted(folder.File("hair.pcx")) + " --projection 0 --name ";
  ASSERT_EQ(RunKvtool(add + "one").exitCode, 0);
  ASSERT_EQ(RunKvtool(add + "two").exitCode, 0);
  std::filesystem::resize_file(folder.File("c.hbi"), 3000);  // the second block cut short
  std::filesystem::resize_file(folder.File("c.hbp"), 6912);  // the second thumbnail gone

  ToolResult check = RunKvtool("base check " + base);
  EXPECT_EQ(check.exitCode, 1);
  EXPECT_NE(check.output.find("item 1 (two): image block runs past the image store"), std::string::npos) << check.output;
  EXPECT_NE(check.output.find("item 1 (two): thumbnail runs past the thumbnail store"), std::string::npos);
  EXPECT_NE(check.output.find("2 items, 2 problems"), std::string::npos);
  EXPECT_EQ(RunKvtool("base extract " + base + " 1 " + Quoted(folder.File("x.bmp"))).exitCode, 1);
}

TEST(KvtoolBase, AddArgumentsAreCheckedBeforeAnythingIsWritten) {
  struct Case {
    CommandArgs args;
    const char* reason;
  };
  std::vector<Case> cases = {
      {{"b.hbd", "i.bmp", "--name", "n", "--projection", "0"}, "--alpha is required"},
      {{"b.hbd", "i.bmp", "--alpha", "a.pcx", "--projection", "0"}, "--name is required"},
      {{"b.hbd", "i.bmp", "--alpha", "a.pcx", "--name", "n"}, "--projection is required"},
      {{"b.hbd", "i.bmp", "--alpha", "a.pcx", "--name", "n", "--projection", "4"}, "--projection must be 0 to 3"},
      {{"b.hbd", "i.bmp", "--alpha", "a.pcx", "--name", "n", "--projection", "0", "--shape", "9"},
       "--shape must be 0 to 5"},
      {{"b.hbd", "i.bmp", "--alpha", "a.pcx", "--name", "n", "--projection", "0", "--placement", "1,2"},
       "--placement needs LEFT,TOP,RIGHT,BOTTOM"},
      {{"b.hbd", "--alpha", "a.pcx", "--name", "n", "--projection", "0"}, "needs FILE.hbd and IMAGE"},
  };
  for (const Case& c : cases) {
    BaseAddRequest request;
    std::string reason;
    EXPECT_FALSE(ParseBaseAdd(c.args, &request, &reason));
    EXPECT_EQ(reason, c.reason);
  }
  BaseAddRequest request;
  std::string reason;
  ASSERT_TRUE(ParseBaseAdd({"b.hbd", "i.bmp", "--alpha", "a.pcx", "--name", "n", "--projection", "2",
                            "--categories", "A/B/C/D/E/F", "--compress", "--quality", "40"},
                           &request, &reason));
  EXPECT_EQ(request.categories, (std::vector<std::string>{"A", "B", "C", "D", "E"}));
  EXPECT_TRUE(request.compress);
  EXPECT_EQ(request.quality, 40);
}

}  // namespace
