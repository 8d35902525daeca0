#include <gtest/gtest.h>

#include <cstring>

#include "imagelib/dib.h"
#include "tests/imagelib/test_images.h"

using testimages::Bgr;
using testimages::PixelAt;

namespace {

struct RowLengthCase {
  int width;
  int rowLength;
};

class DibRowLength : public testing::TestWithParam<RowLengthCase> {};

TEST_P(DibRowLength, RowsArePaddedToFourBytes) {
  CDib image;
  ASSERT_TRUE(image.Create(CSize(GetParam().width, 2)));
  EXPECT_EQ(image.RowLength(), GetParam().rowLength);
  EXPECT_EQ(image.Length(), GetParam().rowLength * 2);
  EXPECT_EQ(MemoryBlockSize(image.GetHandle()), 40u + image.Length());
}

INSTANTIATE_TEST_SUITE_P(Widths, DibRowLength,
                         testing::Values(RowLengthCase{1, 4}, RowLengthCase{3, 12}, RowLengthCase{4, 12},
                                         RowLengthCase{5, 16}, RowLengthCase{0, 0}));

TEST(DibCreate, ZeroSizeHoldsOnlyTheHeader) {
  CDib image;
  ASSERT_TRUE(image.Create(CSize(0, 0)));
  EXPECT_EQ(MemoryBlockSize(image.GetHandle()), 40u);
  BITMAPINFOHEADER header;
  ASSERT_TRUE(image.GetBitmapInfoHeader(&header));
  EXPECT_EQ(header.biSize, 40u);
  EXPECT_EQ(header.biBitCount, 24);
  EXPECT_EQ(header.biPlanes, 1);
}

TEST(DibCreate, ColourIsWrittenBlueGreenRed) {
  CDib image;
  ASSERT_TRUE(image.Create(CSize(3, 2), 0x0000FFul));
  unsigned char* bits = image.LockBits();
  for (int row = 0; row < 2; ++row)
    for (int x = 0; x < 3; ++x) {
      const unsigned char* p = bits + row * image.RowLength() + 3 * x;
      EXPECT_EQ(p[0], 0x00);
      EXPECT_EQ(p[1], 0x00);
      EXPECT_EQ(p[2], 0xFF);
    }
  EXPECT_EQ(bits[9 + 0], 0);  // padding stays zero
  EXPECT_EQ(bits[11], 0);
  image.UnlockBits();
}

TEST(DibCreate, NegativeOrHugeSizesFailWithoutABlock) {
  CDib image;
  EXPECT_FALSE(image.Create(CSize(-1, 5)));
  EXPECT_FALSE(image.Create(CSize(100000, 100000)));
  EXPECT_EQ(image.GetHandle(), nullptr);
}

TEST(DibCreate, FromBitsCopiesThePixelArea) {
  unsigned char bits[8] = {1, 2, 3, 0, 4, 5, 6, 0};
  CDib image;
  ASSERT_TRUE(image.Create(CSize(1, 2), bits));
  EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{4, 5, 6}));  // memory row 1 is the top
  EXPECT_EQ(PixelAt(image, 0, 1), (Bgr{1, 2, 3}));
}

TEST(DibCreate, DeviceBitmapRowsComeTopFirst) {
  BITMAP description{2, 2, 8, 24};
  std::vector<unsigned char> deviceBits = {10, 11, 12, 20, 21, 22, 0, 0,  // top row
                                           30, 31, 32, 40, 41, 42, 0, 0};
  CBitmap bitmap;
  ASSERT_TRUE(bitmap.Create(description, deviceBits));
  CDib image;
  ASSERT_TRUE(image.Create(&bitmap));
  EXPECT_EQ(PixelAt(image, 0, 0), (Bgr{10, 11, 12}));
  EXPECT_EQ(PixelAt(image, 1, 0), (Bgr{20, 21, 22}));
  EXPECT_EQ(PixelAt(image, 1, 1), (Bgr{40, 41, 42}));

  description.bmBitsPixel = 32;
  ASSERT_TRUE(bitmap.Create(description, deviceBits));
  CDib other;
  EXPECT_FALSE(other.Create(&bitmap));
  EXPECT_TRUE(other.IsEmpty());
}

TEST(DibHandles, CopyHandleOfNullLeavesTheImageAsItWas) {
  CDib image;
  image.Create(CSize(2, 2), 0x123456ul);
  HGLOBAL before = image.GetHandle();
  EXPECT_FALSE(image.CopyHandle(nullptr));
  EXPECT_EQ(image.GetHandle(), before);
  EXPECT_EQ(image.Width(), 2);
}

TEST(DibHandles, CopyHGlobalGivesAnIndependentBlock) {
  CDib image;
  image.Create(CSize(2, 1), 0xABCDEFul);
  HGLOBAL copy = CDib::CopyHGlobal(image.GetHandle());
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(MemoryBlockSize(copy), MemoryBlockSize(image.GetHandle()));
  CDib other;
  ASSERT_TRUE(other.Create(copy));  // takes ownership
  EXPECT_EQ(testimages::BlockBytes(other), testimages::BlockBytes(image));
  EXPECT_EQ(CDib::CopyHGlobal(nullptr), nullptr);
}

TEST(DibHandles, BlockWhoseHeaderClaimsMoreThanItHoldsIsRefused) {
  HGLOBAL block = MemoryBlockAlloc(40 + 12);
  {
    MemoryBlockLockGuard lock(block);
    BITMAPINFOHEADER header{40, 4, 4, 1, 24, 0, 0, 0, 0, 0, 0};  // needs 48 bytes of pixels
    std::memcpy(lock.address(), &header, sizeof header);
  }
  CDib image;
  EXPECT_FALSE(image.Create(block));
  EXPECT_TRUE(image.IsEmpty());
  EXPECT_EQ(image.Width(), 0);
}

TEST(DibHandles, LargerHeaderMovesThePixelArea) {
  HGLOBAL block = MemoryBlockAlloc(56 + 4);
  {
    MemoryBlockLockGuard lock(block);
    BITMAPINFOHEADER header{56, 1, 1, 1, 24, 0, 0, 0, 0, 0, 0};
    std::memcpy(lock.address(), &header, sizeof header);
    lock.address()[56] = 7;
  }
  CDib image;
  ASSERT_TRUE(image.Create(block));
  EXPECT_EQ(PixelAt(image, 0, 0).blue, 7);
}

TEST(DibLock, UnlockTellsWhetherOtherLocksRemain) {
  CDib image;
  image.Create(CSize(1, 1));
  ASSERT_NE(image.LockBits(), nullptr);
  EXPECT_FALSE(image.UnlockBits());
  image.LockBits();
  image.LockBits();
  EXPECT_TRUE(image.UnlockBits());
  EXPECT_FALSE(image.UnlockBits());
  CDib empty;
  EXPECT_EQ(empty.LockBits(), nullptr);
}

TEST(DibCopy, AssignmentAndCopyConstructionGiveIndependentImages) {
  CDib first;
  testimages::MakePatternImage(first, 3, 3);
  CDib second;
  second = first;
  CDib third(first);
  testimages::SetPixel(first, 1, 1, {0, 0, 0});
  EXPECT_EQ(PixelAt(second, 1, 1), testimages::PatternColour(1, 1));
  EXPECT_EQ(PixelAt(third, 1, 1), testimages::PatternColour(1, 1));
  EXPECT_NE(second.GetHandle(), first.GetHandle());
  first.Empty();
  EXPECT_EQ(second.Width(), 3);
}

TEST(DibCopy, EmptyResetsEveryNumber) {
  CDib image;
  image.Create(CSize(5, 5));
  image.Empty();
  EXPECT_EQ(image.GetHandle(), nullptr);
  EXPECT_EQ(image.Width() + image.Height() + image.RowLength() + image.Length(), 0);
}

// A derived image sees the library call its overrides.
class CountingDib : public CDib {
 public:
  bool Create(CSize size) override {
    ++createCalls;
    return CDib::Create(size);
  }
  using CDib::Create;
  bool Fill_Color(unsigned long color) override {
    ++fillCalls;
    return CDib::Fill_Color(color);
  }
  bool Rotate_FlipVertical() override {
    ++flipCalls;
    return CDib::Rotate_FlipVertical();
  }
  int createCalls = 0;
  int fillCalls = 0;
  int flipCalls = 0;
};

TEST(DibVirtuals, CreationCallsTheOverridesOfADerivedClass) {
  CountingDib image;
  image.Create(CSize(2, 2), 0xFFul);
  EXPECT_EQ(image.createCalls, 1);
  EXPECT_EQ(image.fillCalls, 1);

  BITMAP description{1, 1, 4, 24};
  CBitmap bitmap;
  bitmap.Create(description, {1, 2, 3, 0});
  image.Create(&bitmap);
  EXPECT_EQ(image.createCalls, 2);
  EXPECT_EQ(image.flipCalls, 1);
}

}  // namespace
