// BMP decoding. Files written by Kelvora (and most 24-bit files) are already
// in the packed DIB layout and are copied as they stand, header included, so
// that a save and a load give identical blocks. The rarer layouts are
// converted row by row into a fresh block. Every size is checked against the
// bytes actually present before a pixel is touched.
#include "imagelib/bmp_decoder.h"

#include <algorithm>
#include <cstring>

#include "imagelib/dib_pixels.h"
#include "platform/core/dib_header.h"

namespace pixkit {
namespace {

constexpr std::uint32_t kInfoHeaderSize = sizeof(BITMAPINFOHEADER);
// Headers of the later BMP versions start with the same 40 bytes.
constexpr std::uint32_t kLargestInfoHeader = 124;

struct SourceLayout {
  BITMAPINFOHEADER header;
  std::int64_t width;
  std::int64_t height;   // absolute
  bool topDown;
  std::int64_t rowLength;  // bytes of one source row
  std::uint32_t paletteColours;
  std::size_t paletteOffset;
  std::size_t pixelOffset;
};

bool HasStandardBitfields(std::span<const unsigned char> dib, const BITMAPINFOHEADER& header) {
  // The masks follow a 40-byte header, or sit inside a larger one.
  if (dib.size() < kInfoHeaderSize + 12) return false;
  std::uint32_t masks[3];
  std::memcpy(masks, dib.data() + kInfoHeaderSize, sizeof masks);
  return header.biBitCount == 32 && masks[0] == 0x00FF0000 && masks[1] == 0x0000FF00 &&
         masks[2] == 0x000000FF;
}

std::optional<SourceLayout> ReadLayout(std::span<const unsigned char> dib,
                                       std::optional<std::uint32_t> pixelOffset) {
  SourceLayout layout{};
  if (dib.size() < kInfoHeaderSize) return std::nullopt;
  std::memcpy(&layout.header, dib.data(), kInfoHeaderSize);
  const BITMAPINFOHEADER& header = layout.header;
  if (header.biSize < kInfoHeaderSize || header.biSize > kLargestInfoHeader || header.biSize > dib.size())
    return std::nullopt;
  if (header.biWidth <= 0 || header.biHeight == 0 || header.biHeight == INT32_MIN) return std::nullopt;

  std::uint16_t bits = header.biBitCount;
  bool palette = bits == 1 || bits == 4 || bits == 8;
  if (!palette && bits != 24 && bits != 32) return std::nullopt;
  if (header.biCompression != BI_RGB &&
      !(header.biCompression == BI_BITFIELDS && HasStandardBitfields(dib, header)))
    return std::nullopt;

  layout.width = header.biWidth;
  layout.height = header.biHeight < 0 ? -std::int64_t{header.biHeight} : header.biHeight;
  layout.topDown = header.biHeight < 0;
  layout.rowLength = ((layout.width * bits + 31) / 32) * 4;

  std::size_t tableStart = header.biSize;
  if (header.biCompression == BI_BITFIELDS && header.biSize == kInfoHeaderSize) tableStart += 12;
  if (palette) {
    std::uint32_t maxColours = 1u << bits;
    layout.paletteColours = header.biClrUsed == 0 ? maxColours : std::min(header.biClrUsed, maxColours);
  }
  layout.paletteOffset = tableStart;
  std::size_t tableEnd = tableStart + 4 * std::size_t{layout.paletteColours};
  if (tableEnd > dib.size()) return std::nullopt;

  // A writer that leaves the offset 0 or points into the header means "right
  // after the colour table".
  layout.pixelOffset = pixelOffset && *pixelOffset >= tableEnd ? *pixelOffset : tableEnd;
  if (layout.pixelOffset > dib.size()) return std::nullopt;
  std::int64_t available = static_cast<std::int64_t>(dib.size() - layout.pixelOffset);
  if (layout.rowLength > available / layout.height) return std::nullopt;
  return layout;
}

bool IsNativeLayout(const SourceLayout& layout) {
  return layout.header.biSize == kInfoHeaderSize && layout.header.biBitCount == 24 &&
         layout.header.biCompression == BI_RGB && !layout.topDown &&
         layout.pixelOffset == kInfoHeaderSize;
}

HGLOBAL CopyNative(std::span<const unsigned char> dib) {
  HGLOBAL block = MemoryBlockAlloc(dib.size());
  if (!block) return nullptr;
  MemoryBlockLockGuard lock(block);
  std::memcpy(lock.address(), dib.data(), dib.size());
  return block;
}

void ConvertRow(const SourceLayout& layout, const unsigned char* from, const unsigned char* palette,
                unsigned char* to) {
  switch (layout.header.biBitCount) {
    case 24:
      std::memcpy(to, from, static_cast<std::size_t>(layout.width) * 3);
      return;
    case 32:
      for (std::int64_t x = 0; x < layout.width; ++x, from += 4, to += 3) {
        to[0] = from[0];
        to[1] = from[1];
        to[2] = from[2];
      }
      return;
    default: {
      int bits = layout.header.biBitCount;
      int perByte = 8 / bits;
      unsigned mask = (1u << bits) - 1;
      for (std::int64_t x = 0; x < layout.width; ++x, to += 3) {
        unsigned byte = from[x / perByte];
        int shift = 8 - bits * static_cast<int>(x % perByte + 1);
        unsigned index = (byte >> shift) & mask;
        if (index >= layout.paletteColours) continue;  // out-of-table index: black
        const unsigned char* entry = palette + 4 * index;
        to[0] = entry[0];
        to[1] = entry[1];
        to[2] = entry[2];
      }
    }
  }
}

HGLOBAL Convert(std::span<const unsigned char> dib, const SourceLayout& layout) {
  HGLOBAL block = AllocatePackedDib(layout.width, layout.height);
  if (!block) return nullptr;
  MemoryBlockLockGuard lock(block);
  unsigned char* pixels = lock.address() + kInfoHeaderSize;
  std::int64_t targetRow = RowLengthOf(layout.width);
  const unsigned char* palette = dib.data() + layout.paletteOffset;
  for (std::int64_t row = 0; row < layout.height; ++row) {
    std::int64_t sourceRow = layout.topDown ? layout.height - 1 - row : row;
    ConvertRow(layout, dib.data() + layout.pixelOffset + sourceRow * layout.rowLength, palette,
               pixels + row * targetRow);
  }
  return block;
}

}  // namespace

HGLOBAL DecodePackedDib(std::span<const unsigned char> dib, std::optional<std::uint32_t> pixelOffset) {
  std::optional<SourceLayout> layout = ReadLayout(dib, pixelOffset);
  if (!layout) return nullptr;
  return IsNativeLayout(*layout) ? CopyNative(dib) : Convert(dib, *layout);
}

}  // namespace pixkit
