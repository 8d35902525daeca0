#include <gtest/gtest.h>

#include "imagelib/dib_alpha.h"
#include "tests/bases/database_builders.h"

using testbases::Record;

namespace {

// A layer picture with a recognisable colour pattern and transparency ramp.
std::unique_ptr<CDibAlpha> LayerPicture(int width, int height) {
  auto image = std::make_unique<CDibAlpha>();
  image->Create(CSize(width, height));
  unsigned char* bits = image->LockBits();
  for (int i = 0; i < image->Length(); ++i) bits[i] = static_cast<unsigned char>(i * 7);
  image->UnlockBits();
  unsigned char* plane = image->LockAlpha();
  for (int i = 0; i < width * height; ++i) plane[i] = static_cast<unsigned char>(i * 13);
  image->UnlockAlpha();
  return image;
}

std::vector<unsigned char> Bits(CDib& image) {
  unsigned char* bits = image.LockBits();
  std::vector<unsigned char> bytes(bits, bits + image.Length());
  image.UnlockBits();
  return bytes;
}

std::vector<unsigned char> Plane(CDibAlpha& image) {
  unsigned char* plane = image.LockAlpha();
  std::vector<unsigned char> bytes(plane, plane + image.Width() * image.Height());
  image.UnlockAlpha();
  return bytes;
}

class ItemImages : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(base.Create(folder.File("c.hbd"), "Custom", "3.0", 0)); }
  TemporaryFolder folder;
  CBaseDatabase base;
  CDib thumbnail;
};

TEST_F(ItemImages, RawItemReadsBackBitForBit) {
  auto image = LayerPicture(7, 5);
  thumbnail.Create(CSize(48, 48), 0x00FFFFFFul);
  ASSERT_TRUE(base.AddItem(image.get(), &thumbnail, Record("raw"), true, false, 85, true));
  const BaseItemRecord& record = base.Records().back();
  EXPECT_EQ(record.imageBlockSize, 20u + 24 * 5 + 35);
  std::unique_ptr<CDibAlpha> loaded(base.LoadItemImage(record.imageOffset));
  ASSERT_TRUE(loaded);
  EXPECT_EQ(Bits(*loaded), Bits(*image));
  EXPECT_EQ(Plane(*loaded), Plane(*image));
}

TEST_F(ItemImages, CompressedItemDecodesThroughTheJpegAndAlphaReaders) {
  auto image = LayerPicture(16, 9);
  thumbnail.Create(CSize(48, 48));
  ASSERT_TRUE(base.AddItem(image.get(), &thumbnail, Record("small"), true, true, 90, true));
  std::vector<unsigned char> jpeg;
  ASSERT_TRUE(image->SaveToJPGMemory(&jpeg, true, 90, true));
  CDibAlpha expected;
  ASSERT_TRUE(expected.LoadFromJPGMemory(jpeg.data(), static_cast<unsigned>(jpeg.size())));

  std::unique_ptr<CDibAlpha> loaded(base.LoadItemImage(base.Records().back().imageOffset));
  ASSERT_TRUE(loaded);
  EXPECT_EQ(loaded->GetSize(), CSize(16, 9));
  EXPECT_EQ(Bits(*loaded), Bits(expected));
  EXPECT_EQ(Plane(*loaded), Plane(*image));  // the alpha file is lossless
}

TEST_F(ItemImages, BlocksThatDisagreeWithTheirSizesAreRefused) {
  ItemImagePayload wrongColour = testbases::MarkedPayload(1, 23, 6);  // 2 x 3 needs 24 colour bytes
  ItemImagePayload wrongAlpha = testbases::MarkedPayload(1, 24, 7);
  ItemImagePayload hugeClaim = testbases::MarkedPayload(1, 24, 6);
  hugeClaim.header.width = 100000;
  hugeClaim.header.height = 100000;
  ItemImagePayload badJpeg = testbases::MarkedPayload(1, 24, 6);
  badJpeg.header.compressed = 1;
  for (const ItemImagePayload* payload : {&wrongColour, &wrongAlpha, &hugeClaim, &badJpeg}) {
    ASSERT_TRUE(base.AddItemBlock(*payload, testbases::MarkedThumbnail(1), Record("bad")));
    EXPECT_EQ(base.LoadItemImage(base.Records().back().imageOffset), nullptr);
  }
  EXPECT_EQ(base.LoadItemImage(1u << 30), nullptr);  // past the store
}

TEST_F(ItemImages, PayloadPointingPastTheStoreIsRefused) {
  ASSERT_TRUE(base.AddItemBlock(testbases::MarkedPayload(3), testbases::MarkedThumbnail(3), Record("cut")));
  ASSERT_TRUE(base.Save());
  base.Close();
  std::filesystem::resize_file(folder.File("c.hbi"), 30);  // header intact, payload cut
  ASSERT_TRUE(base.Open(folder.File("c.hbd"), true) && base.Load());
  EXPECT_EQ(base.LoadItemImage(0), nullptr);
}

TEST_F(ItemImages, ItemsWithoutAPlaneOrThumbnailAreNotAdded) {
  CDibAlpha empty;
  thumbnail.Create(CSize(48, 48));
  EXPECT_FALSE(base.AddItem(&empty, &thumbnail, Record("x"), true, false, 85, true));
  EXPECT_FALSE(base.AddItem(LayerPicture(2, 2).get(), nullptr, Record("x"), true, false, 85, true));
  EXPECT_TRUE(base.Records().empty());
}

TEST_F(ItemImages, ThumbnailsOfTheSelectionLoadInOrder) {
  for (unsigned char marker : {21, 22, 23})
    ASSERT_TRUE(base.AddItemBlock(testbases::MarkedPayload(marker), testbases::MarkedThumbnail(marker),
                                  Record("t" + std::to_string(marker))));
  base.FilterItems(std::vector<std::string>(5, "all"), -1, -1);
  ASSERT_TRUE(base.LoadThumbnails());
  ASSERT_EQ(base.SelectionThumbnails().size(), 3u);
  EXPECT_EQ(Bits(*base.SelectionThumbnails()[2])[0], 23);
}

}  // namespace
