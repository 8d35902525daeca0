// CDib's block ownership: creation, copying, taking over and handing out
// packed DIB blocks, and the pixel lock. A block is only installed when its
// header describes a 24-bit image whose rows fit inside the block, so every
// other operation can trust the four numbers.
#include "imagelib/dib.h"
#include "imagelib/dib_pixels.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

constexpr std::uint32_t kInfoHeaderSize = sizeof(BITMAPINFOHEADER);

// Row length and pixel bytes of a width x height 24-bit image, or false when
// they exceed what a block may hold.
bool PixelAreaSize(std::int64_t width, std::int64_t height, std::int64_t* rowLength,
                   std::int64_t* length) {
  if (width < 0 || height < 0) return false;
  std::int64_t row = (width * 3 + 3) & ~std::int64_t{3};
  if (height != 0 && row > static_cast<std::int64_t>(kMaxMemoryBlockBytes) / height) return false;
  *rowLength = row;
  *length = row * height;
  return *length + kInfoHeaderSize <= static_cast<std::int64_t>(kMaxMemoryBlockBytes);
}

}  // namespace

HGLOBAL pixkit::AllocatePackedDib(std::int64_t width, std::int64_t height) {
  std::int64_t rowLength = 0;
  std::int64_t length = 0;
  if (!PixelAreaSize(width, height, &rowLength, &length)) return nullptr;
  HGLOBAL block = MemoryBlockAlloc(kInfoHeaderSize + static_cast<std::size_t>(length));
  if (!block) return nullptr;
  BITMAPINFOHEADER header{};
  header.biSize = kInfoHeaderSize;
  header.biWidth = static_cast<std::int32_t>(width);
  header.biHeight = static_cast<std::int32_t>(height);
  header.biPlanes = 1;
  header.biBitCount = 24;
  MemoryBlockLockGuard lock(block);
  std::memcpy(lock.address(), &header, sizeof header);
  return block;
}

CDib::CDib() = default;

CDib::CDib(const CDib& other) { CopyHandle(other.m_hDib); }

CDib::~CDib() {
  // The virtual Empty would not reach a derived class from here; the derived
  // destructor has already emptied its own planes.
  CDib::Empty();
}

void CDib::Empty() {
  MemoryBlockFree(m_hDib);
  m_hDib = nullptr;
  m_nWidth = m_nHeight = m_nRowLength = m_nLength = 0;
}

void CDib::operator=(CDib other) {
  if (!other.m_hDib) {
    Empty();
    return;
  }
  CopyHandle(other.m_hDib);
}

unsigned long CDib::AlignToDword(unsigned long bytes) {
  return (bytes % 4 == 0) ? bytes : (bytes & ~3UL) + 4;
}

bool CDib::InstallBlock(HGLOBAL packedDib) {
  MemoryBlockOwner owner(packedDib);
  std::size_t blockSize = MemoryBlockSize(packedDib);
  MemoryBlockLockGuard lock(packedDib);
  if (!lock.address() || blockSize < kInfoHeaderSize) return false;

  BITMAPINFOHEADER header;
  std::memcpy(&header, lock.address(), sizeof header);
  std::int64_t rowLength = 0;
  std::int64_t length = 0;
  if (header.biSize < kInfoHeaderSize || header.biBitCount != 24 ||
      !PixelAreaSize(header.biWidth, header.biHeight, &rowLength, &length) ||
      header.biSize > blockSize || length > static_cast<std::int64_t>(blockSize - header.biSize))
    return false;

  m_hDib = owner.release();
  m_nWidth = header.biWidth;
  m_nHeight = header.biHeight;
  m_nRowLength = static_cast<int>(rowLength);
  m_nLength = static_cast<int>(length);
  return true;
}

bool CDib::Create(void* packedDib) {
  Empty();
  return InstallBlock(packedDib);
}

bool CDib::ReplaceHandle(void* packedDib) { return CDib::Create(packedDib); }

bool CDib::CopyHandle(void* packedDib) {
  if (!packedDib) return false;
  HGLOBAL copy = CopyHGlobal(packedDib);
  if (!copy) return false;
  Empty();
  return InstallBlock(copy);
}

void* CDib::CopyHGlobal(void* block) {
  if (!block) return nullptr;
  std::size_t size = MemoryBlockSize(block);
  HGLOBAL copy = MemoryBlockAlloc(size);
  if (!copy) return nullptr;
  MemoryBlockLockGuard from(block);
  MemoryBlockLockGuard to(copy);
  if (size) std::memcpy(to.address(), from.address(), size);
  return copy;
}

bool CDib::Create(CSize size) {
  Empty();
  HGLOBAL block = pixkit::AllocatePackedDib(size.cx, size.cy);
  return block && InstallBlock(block);
}

bool CDib::Create(CSize size, unsigned long color) {
  if (!Create(size)) return false;
  return Fill_Color(color);
}

bool CDib::Create(CSize size, unsigned char* bits) {
  if (!Create(size)) return false;
  if (!bits) return false;
  unsigned char* pixels = LockBits();
  std::memcpy(pixels, bits, static_cast<std::size_t>(m_nLength));
  UnlockBits();
  return true;
}

bool CDib::Create(CBitmap* bitmap) {
  BITMAP description;
  if (!bitmap || !bitmap->GetBitmap(&description) || description.bmBitsPixel != 24) return false;
  if (!Create(CSize(description.bmWidth, description.bmHeight))) return false;

  // Device rows come top first with the device's own row length; copy them
  // row by row so a device that pads differently still lands right.
  std::size_t deviceRow = static_cast<std::size_t>(description.bmWidthBytes);
  std::size_t deviceBytes = deviceRow * static_cast<std::size_t>(m_nHeight);
  std::string deviceBits(deviceBytes, '\0');
  std::size_t got = bitmap->GetBitmapBits(deviceBytes, deviceBits.data());
  unsigned char* pixels = LockBits();
  std::size_t copyPerRow = std::min<std::size_t>(deviceRow, static_cast<std::size_t>(m_nWidth) * 3);
  for (int row = 0; row < m_nHeight; ++row) {
    std::size_t from = row * deviceRow;
    if (from >= got) break;
    std::memcpy(pixels + static_cast<std::size_t>(row) * m_nRowLength, deviceBits.data() + from,
                std::min(copyPerRow, got - from));
  }
  UnlockBits();
  return Rotate_FlipVertical();
}

bool CDib::GetBitmapInfoHeader(BITMAPINFOHEADER* header) const {
  if (!m_hDib || !header) return false;
  MemoryBlockLockGuard lock(m_hDib);
  std::memcpy(header, lock.address(), sizeof *header);
  return true;
}

unsigned char* CDib::LockBits() {
  unsigned char* block = MemoryBlockLock(m_hDib);
  if (!block) return nullptr;
  std::uint32_t headerSize;
  std::memcpy(&headerSize, block, sizeof headerSize);
  return block + headerSize;
}

bool CDib::UnlockBits() { return MemoryBlockUnlock(m_hDib); }
