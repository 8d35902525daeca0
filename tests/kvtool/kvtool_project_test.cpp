// kvtool project end to end: an item database made with kvtool base, a look
// made from it, then its fields, its rendering and its thumbnail.
#include <gtest/gtest.h>

#include <filesystem>

#include "app/document/project_file.h"
#include "imagelib/dib_alpha.h"
#include "tests/imagelib/test_images.h"
#include "tests/kvtool/kvtool_runner.h"
#include "tests/test_files.h"

namespace {

// A photo and a one-item database whose item's anchors are (2, 3) and (25, 3).
std::string MakeFiles(const TemporaryFolder& folder) {
  CDib photo;
  testimages::MakePatternImage(photo, 80, 60);
  photo.SaveToBMPFile(folder.File("photo.bmp"));
  CDibAlpha hair;
  testimages::MakePatternImage(hair, 30, 20);
  unsigned char* plane = hair.LockAlpha();
  for (int i = 0; i < 30 * 20; ++i) plane[i] = i % 30 < 15 ? 0 : 255;
  hair.UnlockAlpha();
  hair.SaveToBMPFile(folder.File("hair.bmp"));
  hair.SaveAlphaToFile(folder.File("hair.pcx"));
  const std::string base = Quoted(folder.File("Cust1.hbd"));
  EXPECT_EQ(RunKvtool("base create " + base + " Mine").exitCode, 0);
  EXPECT_EQ(RunKvtool("base add " + base + " " + Quoted(folder.File("hair.bmp")) + " --alpha " +
                      Quoted(folder.File("hair.pcx")) + " --projection 0 --name Hair --placement 2,3,25,3")
                .exitCode,
            0);
  return base;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

}  // namespace

TEST(KvtoolProject, MakeInfoRenderAndThumbEndToEnd) {
  TemporaryFolder folder;
  const std::string base = MakeFiles(folder);
  const std::string project = Quoted(folder.File("look.kvp"));
  ToolResult make = RunKvtool("project make " + project + " " + Quoted(folder.File("photo.bmp")) +
                              " --projection 2 --face 10,10,50,40 --eyes 20,20,40,21 --item 0 " + base +
                              " 0 --adjust 60,40,70,80,1,50,FF8000,3 --item 4 " + base + " 0");
  ASSERT_EQ(make.exitCode, 0) << make.output;
  EXPECT_TRUE(Contains(make.output, "slot 0: image 30x20 frame ")) << make.output;
  EXPECT_TRUE(Contains(make.output, "slot 4: image 30x20 "));

  ToolResult info = RunKvtool("project info " + project);
  ASSERT_EQ(info.exitCode, 0) << info.output;
  for (const char* line : {"mode 0 (face set)\n", "projection 2 (document projection 2)\n", "version 1\n",
                           "thumbnail 64x64\n", "face frame 10,10,50,40 rotation 1,0\n", "eyes line 20,20,40,21\n",
                           "print area 0,0,80,60\n", "layer mask 0x8E\n",
                           "photo: image 80x60 frame 0,0,80,60 rotation 1,0 box 0,0,80,60 brightness 50",
                           "brightness 60 contrast 40 hue 70 opacity 80 filter on strength 50 colour FF8000 number 3\n",
                           "slot 4: stretch frame 0,0,150,150 image 30x20"})
    EXPECT_TRUE(Contains(info.output, line)) << line << " in\n" << info.output;

  ASSERT_EQ(RunKvtool("project render " + project + " " + Quoted(folder.File("whole.bmp"))).exitCode, 0);
  CDib whole;
  ASSERT_TRUE(whole.LoadFromFile(folder.File("whole.bmp")));
  EXPECT_EQ(whole.GetSize(), CSize(80, 60));
  EXPECT_EQ(testimages::PixelAt(whole, 70, 55), testimages::PatternColour(70, 55));  // photo alone there

  CDib green;
  green.Create(CSize(100, 100), 0x00FF00ul);
  green.SaveToBMPFile(folder.File("green.bmp"));
  ASSERT_EQ(RunKvtool("project render " + project + " " + Quoted(folder.File("part.bmp")) +
                      " --area 70,50,95,70 --under " + Quoted(folder.File("green.bmp")))
                .exitCode,
            0);
  CDib part;
  ASSERT_TRUE(part.LoadFromFile(folder.File("part.bmp")));
  EXPECT_EQ(part.GetSize(), CSize(25, 20));
  EXPECT_EQ(testimages::PixelAt(part, 20, 15), (testimages::Bgr{0, 255, 0}));  // beyond the photo

  ASSERT_EQ(RunKvtool("project thumb " + project + " " + Quoted(folder.File("thumb.bmp"))).exitCode, 0);
  CDib thumb;
  ASSERT_TRUE(thumb.LoadFromFile(folder.File("thumb.bmp")));
  std::unique_ptr<CDib> stored = ReadProjectThumbnail(folder.File("look.kvp"));
  ASSERT_NE(stored, nullptr);
  EXPECT_EQ(testimages::BlockBytes(thumb), testimages::BlockBytes(*stored));
}

TEST(KvtoolProject, BodySetEntryAndFailuresNameTheFile) {
  TemporaryFolder folder;
  const std::string base = MakeFiles(folder);
  const std::string photo = Quoted(folder.File("photo.bmp"));
  const std::string project = Quoted(folder.File("body.kvp"));
  ASSERT_EQ(RunKvtool("project make " + project + " " + photo + " --body --client 40,40 --item 6 " + base + " 0")
                .exitCode,
            0);
  ToolResult info = RunKvtool("project info " + project);
  EXPECT_TRUE(Contains(info.output, "mode 1 (body set)\nprojection 0 (document projection 4)\n")) << info.output;
  EXPECT_TRUE(Contains(info.output, "photo: image 80x60 frame 0,0,39,29"));  // fitted into the client area

  ToolResult missingItem = RunKvtool("project make " + Quoted(folder.File("x.kvp")) + " " + photo + " --item 0 " +
                                     base + " 7");
  EXPECT_EQ(missingItem.exitCode, 1);
  EXPECT_EQ(missingItem.output, "kvtool: " + folder.File("Cust1.hbd") + ": has no item 7\n");
  EXPECT_FALSE(std::filesystem::exists(folder.File("x.kvp")));
  EXPECT_EQ(RunKvtool("project make " + Quoted(folder.File("x.kvp")) + " " + photo + " --item 0 " + base +
                      " 0 --adjust 60,40,70,80,2,50,FF8000,3")
                .exitCode,
            1);

  std::vector<unsigned char> bytes = TemporaryFolder::Read(folder.File("body.kvp"));
  bytes.resize(bytes.size() - 3);
  const std::string cut = folder.Write("cut.kvp", bytes);
  ToolResult bad = RunKvtool("project render " + Quoted(cut) + " " + Quoted(folder.File("cut.bmp")));
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_EQ(bad.output, "kvtool: " + cut + ": the file is truncated\n");
  EXPECT_FALSE(std::filesystem::exists(folder.File("cut.bmp")));
  EXPECT_EQ(RunKvtool("project info " + Quoted(cut)).exitCode, 1);
  EXPECT_EQ(RunKvtool("project thumb " + Quoted(folder.File("photo.bmp")) + " " + Quoted(folder.File("t.bmp"))).exitCode, 1);
  EXPECT_EQ(RunKvtool("project frobnicate").exitCode, 2);
}
