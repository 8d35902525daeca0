// Item pictures: thumbnails from the thumbnail store, and the image blocks
// of the image store, raw or compressed.
#include <cstring>

#include "app/bases/base_database.h"
#include "imagelib/dib.h"

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
