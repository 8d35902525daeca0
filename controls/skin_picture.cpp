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

PictureBlock LoadScaledPictureBlock(const std::string& name, HINSTANCE module, int scale) {
  PictureBlock plain = LoadPictureBlock(name.c_str(), "", module);
  if (!plain || scale <= 1) return plain;
  CSize size = PictureSize(plain.get());
  PictureBlock dense = LoadPictureBlock(ScaledResourceName(name, scale).c_str(), "", module);
  if (dense && PictureSize(dense.get()) == CSize(size.cx * scale, size.cy * scale)) return dense;
  return EnlargePictureBlock(plain.get(), scale);
}

PictureBlock EnlargePictureBlock(const void* block, int factor) {
  if (!block || factor < 1) return nullptr;
  MemoryBlockLockGuard lock(const_cast<void*>(block));
  auto layout = Layout(block, lock.address());
  if (!layout) return nullptr;
  const BITMAPINFOHEADER& h = layout->header;
  const std::size_t pixelBytes = h.biBitCount / 8;
  const std::size_t prefix = static_cast<std::size_t>(layout->pixels - lock.address());
  BITMAPINFOHEADER large = h;
  large.biWidth = h.biWidth * factor;
  large.biHeight = h.biHeight * factor;
  const std::size_t rowLength = ((static_cast<std::size_t>(large.biWidth) * h.biBitCount + 31) / 32) * 4;
  large.biSizeImage = static_cast<std::uint32_t>(rowLength * large.biHeight);
  PictureBlock copy(MemoryBlockAlloc(prefix + rowLength * large.biHeight));
  MemoryBlockLockGuard target(copy.get());
  if (!target.address()) return nullptr;
  // Header and colour table first, then each row widened and repeated.
  std::memcpy(target.address(), lock.address(), prefix);
  std::memcpy(target.address(), &large, sizeof large);
  for (int y = 0; y < large.biHeight; ++y) {
    const unsigned char* from = layout->pixels + static_cast<std::size_t>(y / factor) * layout->rowLength;
    unsigned char* to = target.address() + prefix + static_cast<std::size_t>(y) * rowLength;
    for (int x = 0; x < large.biWidth; ++x) std::memcpy(to + x * pixelBytes, from + (x / factor) * pixelBytes, pixelBytes);
  }
  return copy;
}

QImage MaskedPictureImage(const void* block, int scale) {
  if (!block) return {};
  MemoryBlockLockGuard lock(const_cast<void*>(block));
  auto layout = Layout(block, lock.address());
  if (!layout) return {};
  const BITMAPINFOHEADER& h = layout->header;
  const unsigned char* colourTable = lock.address() + h.biSize;
  QImage image(h.biWidth, h.biHeight, QImage::Format_ARGB32_Premultiplied);
  for (int y = 0; y < h.biHeight; ++y) {
    const unsigned char* row = layout->pixels + (h.biHeight - 1 - y) * layout->rowLength;
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < h.biWidth; ++x) {
      const unsigned char* bgr = h.biBitCount == 24 ? row + 3 * x : colourTable + 4 * row[x];
      line[x] = (bgr[0] | bgr[1] | bgr[2]) ? qRgb(bgr[2], bgr[1], bgr[0]) : 0;
    }
  }
  image.setDevicePixelRatio(scale);
  return image;
}

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
