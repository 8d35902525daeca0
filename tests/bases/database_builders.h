// Item databases built inside the tests: raw main-file bytes for the loader
// cases, and small custom bases with distinct, recognisable blocks.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "app/bases/base_database.h"
#include "app/bases/fixed_text.h"
#include "app/bases/item_record.h"
#include "tests/test_files.h"

namespace testbases {

inline std::unique_ptr<BaseHeader> Header(const std::string& version, std::uint32_t items) {
  auto header = std::make_unique<BaseHeader>();
  std::memset(header.get(), 0, sizeof(BaseHeader));
  WriteFixedText(header->name, "Test base");
  WriteFixedText(header->version, version);
  header->itemCount = items;
  return header;
}

inline BaseItemRecord Record(const std::string& name) {
  BaseItemRecord record{};
  SetItemName(record, name);
  return record;
}

template <typename T>
void AppendBytes(std::vector<unsigned char>& bytes, const T& value, std::size_t size = sizeof(T)) {
  const auto* raw = reinterpret_cast<const unsigned char*>(&value);
  bytes.insert(bytes.end(), raw, raw + size);
}

// Writes main file, image and thumbnail stores for `mainBytes` and returns
// the main file's path.
inline std::string WriteDatabase(const TemporaryFolder& folder, const std::vector<unsigned char>& mainBytes,
                                 const std::vector<unsigned char>& images = {},
                                 const std::vector<unsigned char>& thumbnails = {}) {
  std::string path = folder.Write("test.hbd", mainBytes);
  folder.Write("test.hbi", images);
  folder.Write("test.hbp", thumbnails);
  return path;
}

// An image block whose payload bytes all carry `marker`, so a block can be
// told from any other after compaction.
inline ItemImagePayload MarkedPayload(unsigned char marker, std::size_t colourBytes = 24, std::size_t alphaBytes = 6) {
  ItemImagePayload payload;
  std::memcpy(payload.header.magic, "ZOR", 3);
  payload.header.width = 2;
  payload.header.height = 3;
  payload.colour.assign(colourBytes, marker);
  payload.alpha.assign(alphaBytes, static_cast<unsigned char>(marker ^ 0xFF));
  return payload;
}

inline std::vector<unsigned char> MarkedThumbnail(unsigned char marker) {
  return std::vector<unsigned char>(kThumbnailSide * kThumbnailSide * 3, marker);
}

// The bytes of one record's block as stored, or empty when it is not there.
inline std::vector<unsigned char> StoredBlock(CBaseDatabase& base, const BaseItemRecord& record) {
  CFile& store = base.GetImageStore();
  if (static_cast<std::uint64_t>(record.imageOffset) + record.imageBlockSize > store.GetLength()) return {};
  std::vector<unsigned char> block(record.imageBlockSize);
  store.Seek(record.imageOffset, CFile::begin);
  store.Read(block.data(), block.size());
  return block;
}

}  // namespace testbases
