#include <gtest/gtest.h>

#include <cstring>

#include "platform/core/cursor_data.h"
#include "platform/core/raster_dc.h"
#include "platform/core/region.h"
#include "platform/qt/hover_tracker.h"

namespace {

std::vector<unsigned char> RegionData(std::uint32_t headerSize, std::uint32_t type, std::uint32_t count,
                                      const std::vector<int>& coordinates) {
  std::vector<std::uint32_t> words = {headerSize, type, count, 0, 0, 0, 0, 0};
  for (int c : coordinates) words.push_back(static_cast<std::uint32_t>(c));
  std::vector<unsigned char> bytes(words.size() * 4);
  std::memcpy(bytes.data(), words.data(), bytes.size());
  return bytes;
}

}  // namespace

TEST(RegionData, MalformedDataIsRefusedWhole) {
  CRgn region;
  region.CreateRectRgn(CRect(0, 0, 4, 4));
  std::vector<int> oneRect = {0, 0, 5, 5};
  EXPECT_FALSE(region.CreateFromData(RegionData(32, 1, 2, oneRect)));  // count beyond the bytes
  EXPECT_FALSE(region.CreateFromData(RegionData(32, 1, 0xFFFFFFFF, oneRect)));
  EXPECT_FALSE(region.CreateFromData(RegionData(40, 1, 1, oneRect)));
  EXPECT_FALSE(region.CreateFromData(RegionData(32, 2, 1, oneRect)));
  EXPECT_FALSE(region.CreateFromData(std::vector<unsigned char>(31, 0)));
  EXPECT_EQ(region.GetRgnBox(), CRect(0, 0, 4, 4));  // untouched

  ASSERT_TRUE(region.CreateFromData(RegionData(32, 1, 2, {0, 0, 5, 5, 10, 10, 5, 20})));
  EXPECT_EQ(region.Rects().size(), 2u);  // the reversed rectangle is normalised
  EXPECT_EQ(region.GetRgnBox(), CRect(0, 0, 10, 20));
  EXPECT_TRUE(region.PtInRegion({7, 15}));
  EXPECT_FALSE(region.PtInRegion({7, 2}));
}

TEST(CursorData, PlanesAreTurnedTopDownAndRoundTrip) {
  const char* rows[] = {"X.o"};
  CursorPlanes planes = CursorFromPicture(rows, CPoint(2, 31));
  std::vector<unsigned char> data = EncodeCursorData(planes);
  ASSERT_EQ(data.size(), kCursorDataSize);
  // The picture's top row is the last stored row of each plane.
  EXPECT_EQ(data[70 + 31 * 4], 0x20);   // XOR: white at x = 2
  EXPECT_EQ(data[198 + 31 * 4], 0x5F);  // AND: painted at x = 0 and 2
  auto decoded = DecodeCursorPlanes(data);
  ASSERT_TRUE(decoded);
  EXPECT_EQ(decoded->hotSpot, CPoint(2, 31));
  EXPECT_FALSE(decoded->AndBit(0, 0));
  EXPECT_TRUE(decoded->AndBit(1, 0));
  EXPECT_TRUE(decoded->XorBit(2, 0));
  EXPECT_TRUE(decoded->AndBit(0, 1));
  data.pop_back();
  EXPECT_FALSE(DecodeCursorPlanes(data));
}

namespace {

struct RecordingHost : CHoverTracker::Host {
  struct Post {
    CHoverTracker::WindowId target;
    HoverChange change;
    CHoverTracker::WindowId other;
    bool operator==(const Post&) const = default;
  };
  bool InstallHook() override {
    ++installs;
    return installable;
  }
  void RemoveHook() override { ++removals; }
  bool WindowExists(CHoverTracker::WindowId window) const override { return window != gone; }
  void PostHover(CHoverTracker::WindowId target, HoverChange change, CHoverTracker::WindowId other) override {
    posts.push_back({target, change, other});
  }
  bool installable = true;
  int installs = 0, removals = 0;
  CHoverTracker::WindowId gone = nullptr;
  std::vector<Post> posts;
};

const int a = 0, b = 0, c = 0;

}  // namespace

TEST(HoverTracker, ChangesAreToldToBothWindowsThatStillExist) {
  RecordingHost host;
  CHoverTracker tracker(host);
  ASSERT_TRUE(tracker.Start(&a));
  tracker.OnMouseSeen(&a);
  tracker.OnMouseSeen(&a);
  tracker.OnMouseSeen(&b);
  host.gone = &b;
  tracker.OnMouseSeen(&c);
  EXPECT_EQ(host.posts, (std::vector<RecordingHost::Post>{{&a, HoverChange::Entered, nullptr},
                                                          {&a, HoverChange::Left, &b},
                                                          {&b, HoverChange::Entered, &a},
                                                          {&c, HoverChange::Entered, &b}}));
}

TEST(HoverTracker, HookIsInstalledOnceAndRemovedByTheLastRelease) {
  RecordingHost host;
  CHoverTracker tracker(host);
  EXPECT_FALSE(tracker.Start(nullptr));
  EXPECT_TRUE(tracker.Start(&a));
  EXPECT_TRUE(tracker.Start(&b));
  EXPECT_EQ(host.installs, 1);
  tracker.OnMouseSeen(&a);
  tracker.Release();
  EXPECT_EQ(host.removals, 0);
  tracker.Release();
  EXPECT_EQ(host.removals, 1);
  EXPECT_EQ(tracker.LastWindow(), nullptr);
  tracker.Release();  // one release too many changes nothing
  EXPECT_EQ(tracker.ReferenceCount(), 0);
  EXPECT_EQ(host.removals, 1);

  host.installable = false;
  EXPECT_FALSE(tracker.Start(&a));
  EXPECT_EQ(tracker.ReferenceCount(), 0);
}

TEST(RasterDC, XorDrawingTwiceRestoresTheRaster) {
  CRasterDC dc(20, 20, RGB(10, 20, 30));
  dc.SetROP2(R2_XORPEN);
  dc.SelectPen({PS_SOLID, 1, RGB(255, 255, 255)});
  dc.SelectBrush(CBrush::Hollow());
  dc.Rectangle(CRect(2, 2, 12, 9));
  EXPECT_EQ(dc.GetPixel(2, 2), RGB(245, 235, 225));
  EXPECT_EQ(dc.GetPixel(11, 8), RGB(245, 235, 225));
  EXPECT_EQ(dc.GetPixel(12, 8), RGB(10, 20, 30));  // right edge excluded
  EXPECT_EQ(dc.GetPixel(5, 5), RGB(10, 20, 30));   // hollow inside
  dc.Rectangle(CRect(2, 2, 12, 9));
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(dc.GetPixel(x, y), RGB(10, 20, 30)) << x << "," << y;
}

// A circle of radius 5 as the trackers draw their handles: outline with the
// pen, inside with the brush, symmetric, and gone when drawn again in XOR.
TEST(RasterDC, EllipseOutlinesAndFillsEachPixelOnce) {
  CRasterDC dc(20, 20, RGB(0, 0, 0));
  dc.SetROP2(R2_XORPEN);
  dc.SelectPen({PS_SOLID, 1, RGB(255, 255, 255)});
  dc.SelectBrush(CBrush::Solid(RGB(0, 0, 255)));
  EXPECT_TRUE(dc.Ellipse(CRect(5, 5, 15, 15)));
  EXPECT_EQ(dc.GetPixel(10, 10), RGB(0, 0, 255));      // inside
  EXPECT_EQ(dc.GetPixel(5, 10), RGB(255, 255, 255));   // left edge
  EXPECT_EQ(dc.GetPixel(14, 9), RGB(255, 255, 255));   // right edge, last column
  EXPECT_EQ(dc.GetPixel(15, 10), RGB(0, 0, 0));        // right and bottom excluded
  EXPECT_EQ(dc.GetPixel(5, 5), RGB(0, 0, 0));          // the box's corner is outside
  for (int y = 5; y < 15; ++y)
    for (int x = 5; x < 15; ++x) {
      ASSERT_EQ(dc.GetPixel(x, y), dc.GetPixel(19 - x, y)) << x << "," << y;
      ASSERT_EQ(dc.GetPixel(x, y), dc.GetPixel(y, x)) << x << "," << y;
    }
  EXPECT_FALSE(dc.Ellipse(CRect(8, 8, 8, 12)));
  dc.Ellipse(CRect(5, 5, 15, 15));
  for (int y = 0; y < 20; ++y)
    for (int x = 0; x < 20; ++x) ASSERT_EQ(dc.GetPixel(x, y), RGB(0, 0, 0)) << x << "," << y;
}
