#include "platform/core/region.h"

#include <cstring>

namespace {

std::uint32_t ReadUint32(const unsigned char* at) {
  std::uint32_t value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

std::int32_t ReadInt32(const unsigned char* at) {
  std::int32_t value;
  std::memcpy(&value, at, sizeof value);
  return value;
}

}  // namespace

bool CRgn::CreateFromData(std::span<const unsigned char> data) {
  if (data.size() < kRegionDataHeaderSize) return false;
  const unsigned char* header = data.data();
  std::uint32_t headerSize = ReadUint32(header);
  std::uint32_t type = ReadUint32(header + 4);
  std::uint32_t count = ReadUint32(header + 8);
  if (headerSize != kRegionDataHeaderSize || type != kRegionDataRectangles) return false;
  // Compare by division so that a huge count cannot overflow the product.
  if (count > (data.size() - kRegionDataHeaderSize) / kRegionDataRectSize) return false;

  std::vector<CRect> rects;
  rects.reserve(count);
  const unsigned char* at = header + kRegionDataHeaderSize;
  for (std::uint32_t i = 0; i < count; ++i, at += kRegionDataRectSize) {
    CRect rect(ReadInt32(at), ReadInt32(at + 4), ReadInt32(at + 8), ReadInt32(at + 12));
    rect.NormalizeRect();
    if (!rect.IsRectEmpty()) rects.push_back(rect);
  }
  m_rects = std::move(rects);
  return true;
}

void CRgn::CreateRectRgn(const CRect& rect) {
  m_rects.clear();
  CRect normal = rect;
  normal.NormalizeRect();
  if (!normal.IsRectEmpty()) m_rects.push_back(normal);
}

bool CRgn::PtInRegion(CPoint point) const {
  for (const CRect& rect : m_rects)
    if (rect.PtInRect(point)) return true;
  return false;
}

CRect CRgn::GetRgnBox() const {
  CRect box;
  for (const CRect& rect : m_rects) box.UnionRect(box, rect);
  return box;
}
