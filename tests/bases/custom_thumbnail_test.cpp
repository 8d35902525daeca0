#include <gtest/gtest.h>

#include "app/bases/custom_thumbnail.h"
#include "tests/imagelib/test_images.h"

using testimages::Bgr;
using testimages::PixelAt;

namespace {

TEST(CustomThumbnail, WideItemFillsTheWidthCentredOnWhite) {
  CDibAlpha item;
  item.Create(CSize(96, 24), 0x000000FFul);  // red, fully transparent at first
  unsigned char* plane = item.LockAlpha();
  for (int i = 0; i < 96 * 24; ++i) plane[i] = 0;
  item.UnlockAlpha();
  std::unique_ptr<CDib> thumbnail = MakeCustomItemThumbnail(item);
  ASSERT_TRUE(thumbnail);
  EXPECT_EQ(thumbnail->GetSize(), CSize(48, 48));
  // 96 x 24 scales to 48 x 12, pasted at (0, 18).
  EXPECT_EQ(PixelAt(*thumbnail, 0, 17), (Bgr{255, 255, 255}));
  EXPECT_EQ(PixelAt(*thumbnail, 0, 18), (Bgr{0, 0, 255}));
  EXPECT_EQ(PixelAt(*thumbnail, 47, 29), (Bgr{0, 0, 255}));
  EXPECT_EQ(PixelAt(*thumbnail, 47, 30), (Bgr{255, 255, 255}));
}

TEST(CustomThumbnail, TransparentPartsShowWhiteAndSmallItemsAreEnlarged) {
  CDibAlpha item;
  item.Create(CSize(12, 24), 0x00000000ul);  // black, plane 255: nothing drawn
  std::unique_ptr<CDib> thumbnail = MakeCustomItemThumbnail(item);
  ASSERT_TRUE(thumbnail);
  for (int y = 0; y < 48; y += 7)
    for (int x = 0; x < 48; x += 5) EXPECT_EQ(PixelAt(*thumbnail, x, y), (Bgr{255, 255, 255}));
  CDibAlpha empty;
  EXPECT_EQ(MakeCustomItemThumbnail(empty), nullptr);
}

}  // namespace
