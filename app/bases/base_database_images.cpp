// Item pictures: thumbnails from the thumbnail store, and the image blocks
// of the image store, raw or compressed.
#include <cstring>

#include "app/bases/base_database.h"
#include "imagelib/dib_alpha.h"

CDib* CBaseDatabase::LoadThumbnail(std::uint32_t thumbOffset) {
  auto thumbnail = std::make_unique<CDib>();
  if (!thumbnail->Create(CSize(kThumbnailSide, kThumbnailSide))) return nullptr;
  if (m_thumbnailStore.IsOpen()) {
    unsigned char* bits = thumbnail->LockBits();
    m_thumbnailStore.Seek(thumbOffset, CFile::begin);
    // A short read leaves the rest black, as it always has.
    m_thumbnailStore.Read(bits, static_cast<std::size_t>(thumbnail->Length()));
    thumbnail->UnlockBits();
  }
  return thumbnail.release();
}

bool CBaseDatabase::LoadThumbnails() {
  m_thumbnails.clear();
  for (const BaseItemRecord& record : m_selection) m_thumbnails.emplace_back(LoadThumbnail(record.thumbOffset));
  return true;
}

namespace {

std::vector<unsigned char> PixelBytes(CDib& image) {
  unsigned char* bits = image.LockBits();
  if (!bits) return {};
  std::vector<unsigned char> bytes(bits, bits + image.Length());
  image.UnlockBits();
  return bytes;
}

std::vector<unsigned char> PlaneBytes(CDibAlpha& image) {
  unsigned char* plane = image.LockAlpha();
  if (!plane) return {};
  std::vector<unsigned char> bytes(plane, plane + static_cast<std::size_t>(image.Width()) * image.Height());
  image.UnlockAlpha();
  return bytes;
}

}  // namespace

CDibAlpha* CBaseDatabase::LoadItemImage(std::uint32_t imageOffset) {
  if (!m_imageStore.IsOpen()) return nullptr;
  ItemImageHeader header;
  std::uint64_t storeLength = m_imageStore.GetLength();
  m_imageStore.Seek(imageOffset, CFile::begin);
  if (m_imageStore.Read(&header, kItemImageHeaderBytes) != kItemImageHeaderBytes) return nullptr;
  // A block whose payloads run past the store is refused, never half read.
  std::uint64_t payloadEnd = std::uint64_t{imageOffset} + kItemImageHeaderBytes + header.imageBytes + header.alphaBytes;
  if (payloadEnd > storeLength) return nullptr;

  auto image = std::make_unique<CDibAlpha>();
  if (header.compressed == 0) {
    // Raw payloads are the raster's own buffers; sizes that disagree with
    // the width and height are refused.
    if (header.width <= 0 || header.height <= 0 || !image->Create(CSize(header.width, header.height)) ||
        header.imageBytes != static_cast<std::uint32_t>(image->Length()) ||
        header.alphaBytes != static_cast<std::uint64_t>(header.width) * header.height)
      return nullptr;
    unsigned char* bits = image->LockBits();
    m_imageStore.Read(bits, header.imageBytes);
    image->UnlockBits();
    unsigned char* plane = image->LockAlpha();
    m_imageStore.Read(plane, header.alphaBytes);
    image->UnlockAlpha();
    return image.release();
  }
  std::vector<unsigned char> colour(header.imageBytes);
  std::vector<unsigned char> alpha(header.alphaBytes);
  if (m_imageStore.Read(colour.data(), colour.size()) != colour.size() ||
      m_imageStore.Read(alpha.data(), alpha.size()) != alpha.size())
    return nullptr;
  if (!image->LoadFromJPGMemory(colour.data(), static_cast<unsigned int>(colour.size()))) return nullptr;
  image->LoadAlphaFromMemory(alpha.data(), static_cast<unsigned int>(alpha.size()));
  return image.release();
}

bool CBaseDatabase::AddItem(CDibAlpha* image, CDib* thumbnail, const BaseItemRecord& record, bool jpegOption1,
                            bool compress, int jpegQuality, bool jpegOption2) {
  if (!image || !thumbnail || !image->HasAlpha() || image->IsEmpty()) return false;
  ItemImagePayload payload;
  std::memcpy(payload.header.magic, "ZOR", 3);
  payload.header.compressed = compress ? 1 : 0;
  payload.header.width = image->Width();
  payload.header.height = image->Height();
  if (compress) {
    // Encoded in memory: no temporary file another process could race.
    if (!image->SaveToJPGMemory(&payload.colour, jpegOption1, jpegQuality, jpegOption2) ||
        !image->SaveAlphaToMemory(&payload.alpha))
      return false;
  } else {
    payload.colour = PixelBytes(*image);
    payload.alpha = PlaneBytes(*image);
  }
  return AddItemBlock(payload, PixelBytes(*thumbnail), record);
}
