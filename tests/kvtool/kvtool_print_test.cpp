// kvtool print: the page written as a PDF file and rendered back with
// pdftoppm shows each picture where the layout puts it, white between
// them, and the sign in a band of its own at the bottom.
#include <gtest/gtest.h>

#include <QPageLayout>
#include <QPageSize>

#include <cstdio>
#include <fstream>

#include "app/shell/printing/print_layout.h"
#include "app/shell/printing/print_pdf.h"
#include "imagelib/dib.h"
#include "tests/kvtool/kvtool_runner.h"
#include "tests/test_files.h"

namespace {

constexpr int kRenderDpi = 50;

struct Page {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
  // The colour at a point given in paper pixels at the PDF's resolution,
  // the 10 mm margin added.
  std::array<int, 3> At(double paperX, double paperY) const {
    const double margin = 10.0 / 25.4 * kPdfResolution;
    const int x = static_cast<int>((paperX + margin) * kRenderDpi / kPdfResolution);
    const int y = static_cast<int>((paperY + margin) * kRenderDpi / kPdfResolution);
    const std::size_t at = (static_cast<std::size_t>(y) * width + x) * 3;
    return {rgb[at], rgb[at + 1], rgb[at + 2]};
  }
};

// pdftoppm's PPM: "P6", width, height, 255, then the pixels.
bool RenderPage(const std::string& pdf, const std::string& stem, Page* page) {
  const std::string command = "pdftoppm -r " + std::to_string(kRenderDpi) + " -singlefile " + Quoted(pdf) + " " +
                              Quoted(stem) + " 2>&1";
  if (std::system(command.c_str()) != 0) return false;
  std::ifstream in(stem + ".ppm", std::ios::binary);
  std::string magic;
  int maximum = 0;
  in >> magic >> page->width >> page->height >> maximum;
  in.get();
  if (magic != "P6" || maximum != 255 || page->width <= 0 || page->height <= 0) return false;
  page->rgb.resize(static_cast<std::size_t>(page->width) * page->height * 3);
  in.read(reinterpret_cast<char*>(page->rgb.data()), static_cast<std::streamsize>(page->rgb.size()));
  return static_cast<bool>(in);
}

bool Near(std::array<int, 3> colour, std::array<int, 3> expected) {
  for (int i = 0; i < 3; ++i)
    if (std::abs(colour[i] - expected[i]) > 40) return false;
  return true;
}

class KvtoolPrint : public ::testing::Test {
 protected:
  void SetUp() override {
    MakePhoto("red.bmp", 80, 60, RGB(220, 30, 30));
    MakePhoto("blue.bmp", 60, 80, RGB(30, 30, 220));
    for (const char* name : {"red", "blue"})
      ASSERT_EQ(RunKvtool("project make " + Quoted(folder.File(std::string(name) + ".kvp")) + " " +
                          Quoted(folder.File(std::string(name) + ".bmp")))
                    .exitCode,
                0);
  }
  void MakePhoto(const std::string& name, int width, int height, COLORREF colour) {
    CDib photo;
    photo.Create(CSize(width, height), colour);
    photo.SaveToBMPFile(folder.File(name));
  }
  TemporaryFolder folder;
};

TEST_F(KvtoolPrint, ThePageShowsEachPictureWhereTheLayoutPutsIt) {
  const std::string pdf = folder.File("page.pdf");
  ToolResult print = RunKvtool("print " + Quoted(pdf) + " " + Quoted(folder.File("red.kvp")) + " " +
                               Quoted(folder.File("blue.kvp")) + " --paper A4");
  ASSERT_EQ(print.exitCode, 0) << print.output;
  Page page;
  ASSERT_TRUE(RenderPage(pdf, folder.File("page"), &page));

  const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                           QPageLayout::Millimeter);
  const CSize paper = PaperPixels(layout, kPdfResolution);
  const std::vector<CRect> places =
      LayoutPrintPictures({CSize(80, 60), CSize(60, 80)}, CRect(0, 0, paper.cx, paper.cy), false);
  const CRect red = places[0], blue = places[1];
  ASSERT_LT(red.bottom, blue.top) << "a tall page stacks two pictures";
  EXPECT_TRUE(Near(page.At((red.left + red.right) / 2.0, (red.top + red.bottom) / 2.0), {220, 30, 30}));
  EXPECT_TRUE(Near(page.At((blue.left + blue.right) / 2.0, (blue.top + blue.bottom) / 2.0), {30, 30, 220}));
  // Just outside the blue picture's sides: it is narrower than its cell.
  EXPECT_TRUE(Near(page.At(blue.left - 30, (blue.top + blue.bottom) / 2.0), {255, 255, 255}));
  EXPECT_TRUE(Near(page.At(blue.right + 30, (blue.top + blue.bottom) / 2.0), {255, 255, 255}));
  EXPECT_TRUE(Near(page.At(blue.left + 30, (blue.top + blue.bottom) / 2.0), {30, 30, 220}));
}

TEST_F(KvtoolPrint, TheSignGetsABandOfItsOwnUnderThePictures) {
  const std::string pdf = folder.File("signed.pdf");
  ToolResult print = RunKvtool("print " + Quoted(pdf) + " " + Quoted(folder.File("red.kvp")) +
                               " --sign 'WWWWWWWWWWWWWWWW' --size 40 --landscape --paper Letter");
  ASSERT_EQ(print.exitCode, 0) << print.output;
  Page page;
  ASSERT_TRUE(RenderPage(pdf, folder.File("signed"), &page));
  EXPECT_GT(page.width, page.height) << "landscape";
  // Letter landscape less the margins; the 40-point sign's band is about
  // 170 pixels at 300 dpi: the picture ends above it and dark text lies in it.
  const QPageLayout layout(QPageSize(QPageSize::Letter), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                           QPageLayout::Millimeter);
  const CSize paper = PaperPixels(layout, kPdfResolution);
  int darkInBand = 0, redInBand = 0;
  for (int x = 0; x < paper.cx; x += 6)
    for (int y = paper.cy - 160; y < paper.cy - 10; y += 6) {
      if (page.At(x, y)[0] < 100) ++darkInBand;
      if (Near(page.At(x, y), {220, 30, 30})) ++redInBand;
    }
  EXPECT_GT(darkInBand, 10);
  EXPECT_EQ(redInBand, 0) << "the picture stays above the caption";
  EXPECT_TRUE(Near(page.At(paper.cx / 2.0, paper.cy / 2.0 - 100), {220, 30, 30}));
}

TEST_F(KvtoolPrint, RefusesBadArgumentsAndUnreadableProjects) {
  EXPECT_EQ(RunKvtool("print " + Quoted(folder.File("x.pdf"))).exitCode, 2);
  EXPECT_EQ(RunKvtool("print " + Quoted(folder.File("x.pdf")) + " " + Quoted(folder.File("red.kvp")) +
                      " --paper A3")
                .exitCode,
            2);
  folder.Write("bad.kvp", {1, 2, 3});
  ToolResult bad = RunKvtool("print " + Quoted(folder.File("x.pdf")) + " " + Quoted(folder.File("bad.kvp")));
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_NE(bad.output.find(folder.File("bad.kvp")), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists(folder.File("x.pdf")));
}

}  // namespace
