#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <ostream>
#include <string>

#include "app/tools/quad_tracker.h"
#include "platform/core/rounding.h"

namespace {

struct MappingCase {
  const char* name;
  int frameWidth, frameHeight;
  int imageWidth, imageHeight;
  double degrees;
};

void PrintTo(const MappingCase& c, std::ostream* os) { *os << c.name; }

CQuadTracker Frame(const MappingCase& c) {
  CQuadTracker frame(false);
  frame.SetRect(200, 150, 200 + c.frameWidth, 150 + c.frameHeight);
  const double angle = c.degrees * std::numbers::pi / 180;
  frame.SetRotation(std::sin(angle), std::cos(angle));
  return frame;
}

}  // namespace

class ImageMapping : public testing::TestWithParam<MappingCase> {};

TEST_P(ImageMapping, ImageCornersLandOnTheFrameCorners) {
  const MappingCase& c = GetParam();
  const CQuadTracker frame = Frame(c);
  const CSize image(c.imageWidth, c.imageHeight);
  const CPoint imageCorners[4] = {{0, 0}, {c.imageWidth, 0}, {c.imageWidth, c.imageHeight}, {0, c.imageHeight}};
  for (int k = 0; k < 4; ++k) {
    // Off by at most the truncation and the half pixel between the stored
    // centre and the centre of the pixel box the mapping turns about.
    const CPoint mapped = frame.MapFromImage(imageCorners[k].x, imageCorners[k].y, image);
    EXPECT_NEAR(mapped.x, frame.GetCorner(k).x, 1.5) << "corner " << k;
    EXPECT_NEAR(mapped.y, frame.GetCorner(k).y, 1.5) << "corner " << k;
  }
}

// Starting from the finer grid, a round trip comes back within one pixel.
TEST_P(ImageMapping, RoundTripStaysWithinOnePixel) {
  const MappingCase& c = GetParam();
  const CQuadTracker frame = Frame(c);
  const CSize image(c.imageWidth, c.imageHeight);
  const bool imageIsFiner = c.imageWidth >= c.frameWidth && c.imageHeight >= c.frameHeight;
  int checked = 0;
  if (imageIsFiner) {
    const CRect box = frame.GetBoundingRect();
    for (int y = box.top; y < box.bottom; ++y) {
      for (int x = box.left; x < box.right; ++x) {
        const CPoint pixel = frame.MapToImage(x, y, image);
        // Pixels at the image's edge may have been truncated toward zero
        // from the outside; they have no way back.
        if (pixel.x < 1 || pixel.y < 1 || pixel.x >= c.imageWidth - 1 || pixel.y >= c.imageHeight - 1) continue;
        const CPoint back = frame.MapFromImage(pixel.x, pixel.y, image);
        ASSERT_LE(std::abs(back.x - x), 1) << x << ", " << y;
        ASSERT_LE(std::abs(back.y - y), 1) << x << ", " << y;
        ++checked;
      }
    }
  } else {
    for (int v = 0; v < c.imageHeight; ++v) {
      for (int u = 0; u < c.imageWidth; ++u) {
        const CPoint point = frame.MapFromImage(u, v, image);
        const CPoint back = frame.MapToImage(point.x, point.y, image);
        ASSERT_LE(std::abs(back.x - u), 1) << u << ", " << v;
        ASSERT_LE(std::abs(back.y - v), 1) << u << ", " << v;
        ++checked;
      }
    }
  }
  EXPECT_GE(checked, imageIsFiner ? c.frameWidth * c.frameHeight / 2 : c.imageWidth * c.imageHeight);
}

INSTANTIATE_TEST_SUITE_P(
    ScaledAndTurnedFrames, ImageMapping,
    testing::Values(MappingCase{"SameSizeUnturned", 80, 50, 80, 50, 0},
                    MappingCase{"SameSizeTurned", 80, 50, 80, 50, 30},
                    MappingCase{"QuarterTurn", 80, 50, 80, 50, 90},
                    MappingCase{"ImageTwiceAsLargeTurned", 80, 50, 160, 100, 200},
                    MappingCase{"ImageHalfAsLargeTurned", 80, 50, 40, 25, -45},
                    MappingCase{"UnevenlyStretchedTurned", 80, 50, 160, 75, 30},
                    MappingCase{"UnevenlyShrunkTurned", 80, 50, 40, 40, 120}),
    [](const testing::TestParamInfo<MappingCase>& info) { return std::string(info.param.name); });

TEST(ImageMapping, CentreOfAnUnturnedSameSizeFrameIsTheImageCentreRounded) {
  for (CSize image : {CSize(101, 51), CSize(100, 50)}) {
    CQuadTracker frame(false);
    frame.SetRect(10, 20, 10 + image.cx, 20 + image.cy);
    const CDoublePoint centre = frame.GetCentre();
    EXPECT_EQ(frame.MapToImage(centre.x, centre.y, image),
              CPoint(RoundHalfAwayFromZero(image.cx / 2.0), RoundHalfAwayFromZero(image.cy / 2.0)));
    EXPECT_EQ(frame.MapToImage(10, 20, image), CPoint(0, 0));
    EXPECT_EQ(frame.MapFromImage(0, 0, image), CPoint(10, 20));
  }
  CQuadTracker half(false);
  half.SetRect(0, 0, 50, 25);
  EXPECT_EQ(half.MapToImage(10, 5, CSize(100, 50)), CPoint(20, 10));
}

// The back mapping unscales each image axis before turning. For an even
// stretch that must be the same arithmetic as dividing the turned sum by the
// one scale, down to the last bit.
TEST(ImageMapping, EvenStretchBackMappingIsTheTurnedSumOverTheScale) {
  CQuadTracker frame(false);
  frame.SetRect(30, 40, 130, 90);
  frame.SetRotation(std::sin(0.7), std::cos(0.7));
  const CSize image(300, 150);
  const CSize size = frame.GetSize();
  const double sx = static_cast<double>(image.cx) / size.cx;
  const double sy = static_cast<double>(image.cy) / size.cy;
  ASSERT_EQ(sx, sy);
  const CRect box = frame.GetBoundingRect();
  for (int v = 0; v < image.cy; v += 7) {
    for (int u = 0; u < image.cx; u += 7) {
      const double a = u - image.cx / 2.0;
      const double b = v - image.cy / 2.0;
      const double c = frame.GetCosine();
      const double s = frame.GetSine();
      const CPoint literal(
          TruncateToInt((a * c - b * s) / sx + (static_cast<double>(box.right) - box.left) / 2 + box.left),
          TruncateToInt((b * c + a * s) / sy + (static_cast<double>(box.bottom) - box.top) / 2 + box.top));
      ASSERT_EQ(frame.MapFromImage(u, v, image), literal) << u << ", " << v;
    }
  }
}
