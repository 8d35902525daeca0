#include "platform/core/cursor_data.h"

namespace {

constexpr std::size_t kHotSpotXOffset = 10;
constexpr std::size_t kHotSpotYOffset = 12;
constexpr std::size_t kXorPlaneOffset = 70;
constexpr std::size_t kAndPlaneOffset = 198;
constexpr std::size_t kPlaneRowBytes = 4;

void DecodePlane(const unsigned char* plane, std::array<bool, kCursorSide * kCursorSide>& out) {
  for (int storedRow = 0; storedRow < kCursorSide; ++storedRow) {
    int y = kCursorSide - 1 - storedRow;  // stored bottom row first
    const unsigned char* row = plane + storedRow * kPlaneRowBytes;
    for (int x = 0; x < kCursorSide; ++x) out[y * kCursorSide + x] = (row[x / 8] >> (7 - x % 8)) & 1;
  }
}

}  // namespace

std::optional<CursorPlanes> DecodeCursorPlanes(std::span<const unsigned char> data) {
  if (data.size() < kCursorDataSize) return std::nullopt;
  CursorPlanes planes;
  planes.hotSpot = CPoint(data[kHotSpotXOffset] | data[kHotSpotXOffset + 1] << 8,
                          data[kHotSpotYOffset] | data[kHotSpotYOffset + 1] << 8);
  DecodePlane(data.data() + kXorPlaneOffset, planes.xorPlane);
  DecodePlane(data.data() + kAndPlaneOffset, planes.andPlane);
  return planes;
}

std::vector<unsigned char> EncodeCursorData(const CursorPlanes& planes) {
  std::vector<unsigned char> data(kCursorDataSize, 0);
  data[kHotSpotXOffset] = planes.hotSpot.x & 0xFF;
  data[kHotSpotXOffset + 1] = (planes.hotSpot.x >> 8) & 0xFF;
  data[kHotSpotYOffset] = planes.hotSpot.y & 0xFF;
  data[kHotSpotYOffset + 1] = (planes.hotSpot.y >> 8) & 0xFF;
  for (int y = 0; y < kCursorSide; ++y) {
    std::size_t storedRow = static_cast<std::size_t>(kCursorSide - 1 - y) * kPlaneRowBytes;
    for (int x = 0; x < kCursorSide; ++x) {
      unsigned char bit = static_cast<unsigned char>(0x80 >> (x % 8));
      if (planes.XorBit(x, y)) data[kXorPlaneOffset + storedRow + x / 8] |= bit;
      if (planes.AndBit(x, y)) data[kAndPlaneOffset + storedRow + x / 8] |= bit;
    }
  }
  return data;
}

CursorPlanes CursorFromPicture(std::span<const char* const> rows, CPoint hotSpot) {
  CursorPlanes planes;
  planes.hotSpot = hotSpot;
  planes.andPlane.fill(true);
  for (int y = 0; y < kCursorSide && y < static_cast<int>(rows.size()); ++y) {
    const char* row = rows[y];
    for (int x = 0; x < kCursorSide && row && row[x]; ++x) {
      bool painted = row[x] == 'X' || row[x] == 'o';
      planes.andPlane[y * kCursorSide + x] = !painted;
      planes.xorPlane[y * kCursorSide + x] = row[x] == 'o';
    }
  }
  return planes;
}
