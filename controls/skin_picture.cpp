#include "controls/skin_picture.h"

#include <cstring>

#include "imagelib/dib.h"
#include "platform/core/dib_header.h"

namespace {

constexpr std::size_t kColourTableBytes = 1024;

struct PictureLayout {
  BITMAPINFOHEADER header;
  const unsigned char* pixels;
  std::size_t rowLength;
};

// Checks the header against the block's real size so that a damaged block
// cannot make the drawing read outside it.
std::optional<PictureLayout> Layout(const void* block, const unsigned char* address) {
  std::size_t size = MemoryBlockSize(const_cast<void*>(block));
  if (!address || size < sizeof(BITMAPINFOHEADER)) return std::nullopt;
  PictureLayout layout;
  std::memcpy(&layout.header, address, sizeof layout.header);
  const BITMAPINFOHEADER& h = layout.header;
  if (h.biWidth <= 0 || h.biHeight <= 0 || h.biSize < sizeof(BITMAPINFOHEADER) || h.biSize > size) return std::nullopt;
  if (h.biBitCount != 24 && h.biBitCount != 8) return std::nullopt;
  std::size_t offset = h.biSize + (h.biBitCount == 8 ? kColourTableBytes : 0);
  layout.rowLength = ((static_cast<std::size_t>(h.biWidth) * h.biBitCount + 31) / 32) * 4;
  if (offset > size || layout.rowLength * static_cast<std::size_t>(h.biHeight) > size - offset) return std::nullopt;
  layout.pixels = address + offset;
  return layout;
}

}  // namespace

PictureBlock LoadPictureBlock(const char* name, const char* type, HINSTANCE module) {
  CDib picture;
  if (!picture.LoadFromResource(name, type ? type : "", module)) return nullptr;
  return PictureBlock(CDib::CopyHGlobal(picture.GetHandle()));
}

CSize PictureSize(const void* block) {
  if (!block) return {};
  MemoryBlockLockGuard lock(const_cast<void*>(block));
  auto layout = Layout(block, lock.address());
  if (!layout) return {};
  return {layout->header.biWidth, layout->header.biHeight};
}

bool MaskDrawPicture(CDC* dc, const void* block, CPoint at) {
  if (!dc || !block) return false;
  MemoryBlockLockGuard lock(const_cast<void*>(block));
  auto layout = Layout(block, lock.address());
  if (!layout) return false;
  const BITMAPINFOHEADER& h = layout->header;
  const unsigned char* colourTable = lock.address() + h.biSize;
  for (int y = 0; y < h.biHeight; ++y) {
    const unsigned char* row = layout->pixels + (h.biHeight - 1 - y) * layout->rowLength;
    for (int x = 0; x < h.biWidth; ++x) {
      const unsigned char* bgr = h.biBitCount == 24 ? row + 3 * x : colourTable + 4 * row[x];
      if (bgr[0] | bgr[1] | bgr[2]) dc->SetPixel(at.x + x, at.y + y, RGB(bgr[2], bgr[1], bgr[0]));
    }
  }
  return true;
}
