// BMP files: reading through the decoder, which accepts the common layouts
// and refuses the rest, and writing the packed DIB block behind a 14-byte
// file header. A write error is the file layer's exception and reaches the
// caller; the lock is released on the way out.
#include <cstring>
#include <vector>

#include "imagelib/bmp_decoder.h"
#include "imagelib/dib.h"

namespace {

constexpr std::uint32_t kFileHeaderSize = sizeof(BITMAPFILEHEADER);

}  // namespace

bool CDib::LoadFromBMPFile(const std::string& path) {
  CFile file;
  if (!file.Open(path, CFile::modeRead)) return false;
  return LoadFromBMPFile(file);
}

bool CDib::LoadFromBMPFile(CFile& file) {
  Empty();
  std::uint64_t length = file.GetLength();
  BITMAPFILEHEADER fileHeader;
  if (length < kFileHeaderSize || file.Read(&fileHeader, kFileHeaderSize) != kFileHeaderSize ||
      fileHeader.bfType != kBitmapFileType)
    return false;
  std::uint64_t rest = length - kFileHeaderSize;
  if (rest > kMaxMemoryBlockBytes) return false;

  std::vector<unsigned char> dib;
  try {
    dib.resize(static_cast<std::size_t>(rest));
  } catch (const std::bad_alloc&) {
    return false;
  }
  if (file.Read(dib.data(), dib.size()) != dib.size()) return false;
  std::optional<std::uint32_t> pixelOffset;
  if (fileHeader.bfOffBits >= kFileHeaderSize) pixelOffset = fileHeader.bfOffBits - kFileHeaderSize;
  HGLOBAL block = pixkit::DecodePackedDib(dib, pixelOffset);
  return block && InstallBlock(block);
}

bool CDib::SaveToBMPFile(const std::string& path) {
  CFile file;
  if (!file.Open(path, CFile::modeCreate | CFile::modeWrite)) return false;
  return SaveToBMPFile(file);
}

bool CDib::SaveToBMPFile(CFile& file) {
  if (!m_hDib) return false;
  MemoryBlockLockGuard lock(m_hDib);
  std::uint32_t headerSize;
  std::memcpy(&headerSize, lock.address(), sizeof headerSize);

  BITMAPFILEHEADER fileHeader{};
  fileHeader.bfType = kBitmapFileType;
  fileHeader.bfSize = static_cast<std::uint32_t>(m_nRowLength) * m_nHeight + headerSize + kFileHeaderSize;
  fileHeader.bfOffBits = headerSize + kFileHeaderSize;
  file.Write(&fileHeader, kFileHeaderSize);
  file.Write(lock.address(), headerSize + static_cast<std::size_t>(m_nLength));
  return true;
}
