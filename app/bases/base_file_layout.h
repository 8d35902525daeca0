// The byte layouts of an item database: the main file's header, item
// records and extension, and the header of an item image block. All numbers
// are little-endian and every field sits at its natural alignment, so these
// structs are the file form byte for byte (the static_asserts pin it).
// Text fields are fixed-width and NUL-terminated; bytes after the NUL are
// undefined.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>

inline constexpr int kCategoryLevels = 5;
inline constexpr int kCategorySlots = 50;
inline constexpr int kCategoryValueBytes = 20;
inline constexpr int kValueGroups = 4;
inline constexpr int kValueGroupRows = 30;
inline constexpr int kValueGroupColumns = 30;
inline constexpr int kNameTableRows = 10;
inline constexpr int kNameTableRowNameBytes = 30;
inline constexpr int kNameTableColumns = 250;
inline constexpr int kNameTableCellBytes = 20;
inline constexpr int kThumbnailSide = 48;

struct BaseCategoryList {
  std::uint32_t count;
  char entries[kCategorySlots][kCategoryValueBytes];
};

struct BaseHeader {
  char name[80];
  char version[20];
  std::uint32_t tag;
  std::uint32_t itemCount;
  std::uint32_t deleteCount;
  BaseCategoryList categories[kCategoryLevels];
};

struct BaseItemRecord {
  char name[55];  // custom base: name ends by byte 52; bytes 53, 54 hold the layer digits
  std::uint8_t working;
  std::uint16_t projection;
  std::uint16_t faceShape;
  char categories[kCategoryLevels][kCategoryValueBytes];
  std::int32_t placement[4];  // left, top, right, bottom
  std::uint32_t imageOffset;
  std::uint32_t imageBlockSize;
  std::uint32_t thumbOffset;
  std::uint32_t thumbSize;
};

struct BaseValueGroup {
  std::uint32_t rowLengths[kValueGroupRows];
  std::uint32_t rowCount;
  std::uint32_t rows[kValueGroupRows][kValueGroupColumns];
};

struct BaseExtension {
  BaseValueGroup groups[kValueGroups];
  std::uint32_t nameRowCount;
  char rowNames[kNameTableRows][kNameTableRowNameBytes];
  std::uint32_t nameColumnCount;
  char cells[kNameTableRows][kNameTableColumns][kNameTableCellBytes];
};

struct ItemImageHeader {
  char magic[3];  // "ZOR"; written, never checked
  std::uint8_t compressed;
  std::int32_t width;
  std::int32_t height;
  std::uint32_t imageBytes;
  std::uint32_t alphaBytes;
};

static_assert(std::endian::native == std::endian::little, "layouts are read by memcpy");
static_assert(sizeof(BaseHeader) == 5132);
static_assert(offsetof(BaseHeader, categories) == 112);
static_assert(sizeof(BaseCategoryList) == 1004);
static_assert(sizeof(BaseItemRecord) == 192);
static_assert(offsetof(BaseItemRecord, projection) == 56);
static_assert(offsetof(BaseItemRecord, categories) == 60);
static_assert(offsetof(BaseItemRecord, placement) == 160);
static_assert(offsetof(BaseItemRecord, imageOffset) == 176);
static_assert(offsetof(BaseItemRecord, thumbSize) == 188);
static_assert(sizeof(BaseValueGroup) == 3724);
static_assert(offsetof(BaseExtension, nameRowCount) == 14896);
static_assert(offsetof(BaseExtension, rowNames) == 14900);
static_assert(offsetof(BaseExtension, nameColumnCount) == 15200);
static_assert(offsetof(BaseExtension, cells) == 15204);
static_assert(sizeof(BaseExtension) == 65204);
static_assert(sizeof(ItemImageHeader) == 20);

inline constexpr std::size_t kBaseHeaderBytes = sizeof(BaseHeader);
inline constexpr std::size_t kBaseRecordBytes = sizeof(BaseItemRecord);
inline constexpr std::size_t kBaseExtensionBytes = sizeof(BaseExtension);
inline constexpr std::size_t kItemImageHeaderBytes = sizeof(ItemImageHeader);
