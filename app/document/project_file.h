// Gallery project files (*.kvp): one projection of the document with its
// photo, make-up and item layers, the frames and lines items are fitted to,
// and a 64 x 64 thumbnail the gallery bars show without reading further.
//
// Layout, little-endian, in this order: mode (0 face set, anything else the
// body set), the projection's index within its set, the record version (1),
// the thumbnail as a whole BMP file, then the projection record: face frame
// (left, top, bottom, right; cosine, sine), the eyes, lips and underarm lines,
// the print area (left, top, bottom, right), the layer mask and a record for
// each layer the mask names. Slot k (k = 0..8) has mask bit k + 3 and its
// record is preceded by its stretch frame; the first four slots are laid out
// as files from before the other kinds had slots, so those files read as
// they always did.
//
// Reading treats the file as untrusted: every size is checked against what
// the file still holds before anything is allocated, and the whole record is
// parsed into layers of its own before the target projection is touched.
// A bad file leaves the projection (and the document) exactly as it was.
//
// Decisions on what the format leaves open:
// - mask bit 0 is unused and carries no record, so it is ignored; bits above
//   slot 8 would announce records of a layout we do not know and are refused;
// - a record without a photo layer is refused (the writer never makes one,
//   and a make-up or item layer without a photo is a state the document does
//   not have); a photo without a make-up layer gets a fresh one, as a newly
//   loaded photo would;
// - adjustments outside their ranges (0..100, filter number -1..11) are
//   refused rather than clamped, so a file either loads as written or not;
// - so are positions beyond +-2^24 and rotation components beyond +-1 (with
//   a hair of slack): no picture has them, and they would overflow the
//   integer arithmetic of drawing and skin sampling.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "app/document/kelvora_doc.h"

inline constexpr std::int32_t kProjectRecordVersion = 1;
inline constexpr int kProjectThumbnailSide = 64;
// A 14-byte file header, a 40-byte info header and 64 rows of 192 bytes.
inline constexpr std::uint32_t kProjectThumbnailBytes = 14 + 40 + 64 * 64 * 3;
// Mode, index and version come before the thumbnail.
inline constexpr std::uint32_t kProjectThumbnailOffset = 12;

inline constexpr std::uint32_t kProjectMaskPhoto = 1u << 1;
inline constexpr std::uint32_t kProjectMaskMakeup = 1u << 2;
inline constexpr std::uint32_t ProjectMaskSlot(int slot) { return 1u << (slot + 3); }

struct ProjectFileHeader {
  std::int32_t mode = kFaceSet;
  std::int32_t index = 0;
  // The record's layer mask; filled only when the whole file was read.
  std::uint32_t layerMask = 0;

  bool IsBodySet() const { return mode != kFaceSet; }
  // The document's projection: the index itself in the face set, past the
  // four face projections in the body set.
  int DocumentProjection() const { return IsBodySet() ? index + kBodyProjection : index; }
};

// Writes projection `projection` (0..4, or -1 for the current one) of the
// document to `path`. The file appears complete or not at all; an existing
// file is replaced only by a complete new one. False (with a one-line
// reason) when the projection has no photo or the write failed.
bool WriteProjectFile(CKelvoraDoc& document, int projection, const std::string& path,
                      std::string* reason = nullptr);

// The mode and index at the start of the file, checked: the face set has
// indices 0..3, the body set 0 only.
bool ReadProjectFileHeader(const std::string& path, ProjectFileHeader* header, std::string* reason = nullptr);

// The stored thumbnail, a 64 x 64 raster; null (with a reason) when the
// file has none.
std::unique_ptr<CDib> ReadProjectThumbnail(const std::string& path, std::string* reason = nullptr);

// Reads the whole file into `projection`: frames, lines and layers replace
// what it held (undo histories included). The new layers take the
// projection's view mapping and `cursors` when given. On failure the
// projection is unchanged. `header`, when given, receives the file's header.
bool LoadProjectFile(const std::string& path, CProjection& projection, ProjectFileHeader* header = nullptr,
                     std::string* reason = nullptr, const CFrameCursors* cursors = nullptr);

// "Restore": the file goes into the document projection its header names;
// the document's photo and make-up pointers become that projection's, the
// document switches to the file's set and projection, and the current layer
// becomes the one in `currentSlot` (none outside 0..8). On failure the
// document is unchanged.
bool RestoreProjectFile(CKelvoraDoc& document, const std::string& path, int currentSlot,
                        std::string* reason = nullptr);

// "View": the file's projection rendered on its own, over `base` (document
// (0, 0) at its corner) or white, over `area` or the photo. Null with a
// reason when the file cannot be read or nothing can be rendered.
std::unique_ptr<CDib> RenderProjectFile(const std::string& path, const CRect* area = nullptr, CDib* base = nullptr,
                                        std::string* reason = nullptr);
