// The page as Qt draws it: the sign's band under the pictures, no font for
// an empty sign, and a PDF export that a failing disk leaves complete or
// absent.
#include <gtest/gtest.h>

#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>

#include <filesystem>

#include "app/shell/printing/print_layout.h"
#include "app/shell/printing/print_page.h"
#include "app/shell/printing/print_pdf.h"
#include "platform/core/io_faults.h"
#include "tests/test_files.h"

namespace {

TEST(PrintPage, AnEmptySignMakesNoFontAndLeavesThePaperToThePictures) {
  SignProperties sign;
  EXPECT_FALSE(MakeSignFont(sign, 600, 1.0));
  const PrintPageLayout layout = LayoutPrintPage({CSize(100, 100)}, CSize(1000, 1400), 600, sign);
  EXPECT_TRUE(layout.sign.IsRectEmpty());
  EXPECT_EQ(layout.pictures, LayoutPrintPictures({CSize(100, 100)}, CRect(0, 0, 1000, 1400), false));
}

TEST(PrintPage, TheSignTakesABandAtTheBottomAndThePicturesStayAboveIt) {
  SignProperties sign;
  sign.sign = "Salon";
  std::optional<QFont> font = MakeSignFont(sign, 600, 1.0);
  ASSERT_TRUE(font);
  EXPECT_EQ(font->pixelSize(), 83);
  const PrintPageLayout layout = LayoutPrintPage({CSize(100, 200)}, CSize(1000, 1400), 600, sign);
  EXPECT_EQ(layout.sign.bottom, 1400);
  EXPECT_EQ(layout.sign.Width(), 1000);
  EXPECT_GE(layout.sign.Height(), 83);
  EXPECT_LE(layout.pictures[0].bottom, layout.sign.top);
}

TEST(PrintPage, PicturesAreDrawnWhereTheLayoutPutsThem) {
  QImage page(400, 300, QImage::Format_RGB32);
  page.fill(Qt::white);
  QImage red(40, 30, QImage::Format_RGB32);
  red.fill(QColor(255, 0, 0));
  QPainter painter(&page);
  DrawPrintPage(painter, {red, red}, CSize(400, 300), 96, {});
  painter.end();
  const std::vector<CRect> places = LayoutPrintPictures({CSize(40, 30), CSize(40, 30)}, CRect(0, 0, 400, 300), true);
  for (const CRect& place : places) {
    EXPECT_EQ(page.pixelColor((place.left + place.right) / 2, (place.top + place.bottom) / 2), QColor(255, 0, 0));
    EXPECT_EQ(page.pixelColor(place.left - 2, (place.top + place.bottom) / 2), QColor(Qt::white));
  }
}

TEST(PrintPdf, AFailingDiskLeavesTheFileCompleteOrAbsent) {
  TemporaryFolder folder;
  const std::string path = folder.File("page.pdf");
  QImage picture(20, 20, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                           QPageLayout::Millimeter);
  for (IoFaultMode mode : {IoFaultMode::FailOnce, IoFaultMode::FailFromThenOn}) {
    for (int failAt = 0;; ++failAt) {
      std::filesystem::remove(path);
      ArmIoFault(failAt, mode);
      const bool written = WritePrintPdf(path, {picture}, layout, {});
      const bool fired = IoFaultFired();
      DisarmIoFault();
      if (written || std::filesystem::exists(path)) {
        const std::vector<unsigned char> bytes = TemporaryFolder::Read(path);
        ASSERT_GT(bytes.size(), 8u) << "fault at " << failAt;
        EXPECT_EQ(std::string(bytes.begin(), bytes.begin() + 4), "%PDF");
        EXPECT_NE(std::string(bytes.end() - 8, bytes.end()).find("%%EOF"), std::string::npos);
      }
      if (!fired) {
        EXPECT_TRUE(written);
        break;
      }
    }
  }
}

}  // namespace
