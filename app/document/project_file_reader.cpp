// Reading project files. The file may come from anywhere (a copied gallery,
// a damaged disk), so every count is checked against the bytes the file
// still holds before anything is allocated for it: a layer's pixel buffer
// (rows padded to four bytes) and its width x height alpha plane must both
// fit in the rest of the file and within the memory cap. Each fault ends the
// read with a one-line reason; nothing is handed out until the whole record
// has been read.
#include <bit>
#include <cmath>
#include <cstring>

#include "app/document/project_record.h"
#include "platform/core/file.h"

static_assert(std::endian::native == std::endian::little, "project files are little-endian");

namespace {

constexpr std::uint32_t kUnusedMaskBit = 1u << 0;
constexpr std::uint32_t kKnownMaskBits = [] {
  std::uint32_t bits = kProjectMaskPhoto | kProjectMaskMakeup | kUnusedMaskBit;
  for (int slot = 0; slot < kSlotCount; ++slot) bits |= ProjectMaskSlot(slot);
  return bits;
}();
constexpr std::uint32_t kInfoHeaderBytes = 40;
// Document coordinates are view pixels; anything near the int range would
// overflow the rounding and the sums that drawing and sampling do with them.
constexpr double kMaxCoordinate = 1 << 24;
// A stored cosine or sine is one of a unit vector; the slack allows for the
// rounding of the arithmetic that produced it.
constexpr double kMaxRotationComponent = 1.0 + 1e-6;
constexpr std::uint32_t kFileHeaderBytes = 14;

// Sequential reads that never run past the end of the file.
class CRecordReader {
 public:
  explicit CRecordReader(CFile& file) : m_file(file), m_remaining(file.GetLength()) {}

  std::uint64_t Remaining() const { return m_remaining; }

  bool Take(void* target, std::uint64_t count) {
    if (count > m_remaining) return false;
    auto* bytes = static_cast<unsigned char*>(target);
    std::uint64_t done = 0;
    while (done < count) {
      const std::size_t got = m_file.Read(bytes + done, static_cast<std::size_t>(count - done));
      if (got == 0) return false;
      done += got;
    }
    m_remaining -= count;
    return true;
  }

  bool Skip(std::uint64_t count) {
    if (count > m_remaining) return false;
    m_file.Seek(static_cast<std::int64_t>(count), CFile::current);
    m_remaining -= count;
    return true;
  }

  template <class T>
  bool Get(T* value) {
    return Take(value, sizeof(T));
  }

 private:
  CFile& m_file;
  std::uint64_t m_remaining;
};

// Carries the first fault's reason out of the nested reads.
class CParse {
 public:
  CParse(CRecordReader& in, std::string* reason) : m_in(in), m_reason(reason) {}

  CRecordReader& In() { return m_in; }

  bool Fail(const std::string& reason) {
    if (m_reason) *m_reason = reason;
    return false;
  }
  bool Truncated() { return Fail("the file is truncated"); }

  bool Int(std::int32_t* value) { return m_in.Get(value) || Truncated(); }
  bool UInt(std::uint32_t* value) { return m_in.Get(value) || Truncated(); }
  bool Double(double* value) {
    if (!m_in.Get(value)) return Truncated();
    return std::isfinite(*value) || Fail("a stored number is not finite");
  }
  bool Coordinate(double* value) {
    if (!Double(value)) return false;
    return std::fabs(*value) <= kMaxCoordinate || Fail("a stored position lies far outside any picture");
  }
  // Stored left, top, bottom, right.
  bool Rect(CDoubleRect* rect) {
    return Coordinate(&rect->left) && Coordinate(&rect->top) && Coordinate(&rect->bottom) &&
           Coordinate(&rect->right);
  }
  bool Rotation(double* cosine, double* sine) {
    if (!Double(cosine) || !Double(sine)) return false;
    return (std::fabs(*cosine) <= kMaxRotationComponent && std::fabs(*sine) <= kMaxRotationComponent) ||
           Fail("a stored rotation is not a cosine and a sine");
  }
  bool Line(CRect* line) {
    std::int32_t values[4];
    for (std::int32_t& value : values) {
      if (!Int(&value)) return false;
      if (std::fabs(static_cast<double>(value)) > kMaxCoordinate) return Fail("a stored position lies far outside any picture");
    }
    line->SetRect(values[0], values[1], values[2], values[3]);
    return true;
  }
  bool Percent(std::int32_t* value, const char* name) {
    if (!Int(value)) return false;
    return (*value >= 0 && *value <= 100) || Fail(std::string("a layer's ") + name + " is outside 0 to 100");
  }

 private:
  CRecordReader& m_in;
  std::string* m_reason;
};

bool ReadLayer(CParse& parse, bool showMidHandles, std::unique_ptr<CLayer>* layer) {
  std::int32_t width = 0;
  std::int32_t height = 0;
  if (!parse.Int(&width) || !parse.Int(&height)) return false;
  if (width <= 0 || height <= 0)
    return parse.Fail("a layer image has the size " + std::to_string(width) + " x " + std::to_string(height));
  const std::uint64_t rowLength = (static_cast<std::uint64_t>(width) * 3 + 3) & ~std::uint64_t{3};
  const std::uint64_t pixelBytes = rowLength * static_cast<std::uint64_t>(height);
  const std::uint64_t alphaBytes = static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height);
  if (pixelBytes + kInfoHeaderBytes > kMaxMemoryBlockBytes || alphaBytes > kMaxMemoryBlockBytes)
    return parse.Fail("a layer image of " + std::to_string(width) + " x " + std::to_string(height) +
                      " is too large");
  if (pixelBytes + alphaBytes > parse.In().Remaining()) return parse.Truncated();

  auto image = std::make_unique<CDibAlpha>();
  if (!image->Create(CSize(width, height)) || !image->HasAlpha() ||
      static_cast<std::uint64_t>(image->Length()) != pixelBytes)
    return parse.Fail("not enough memory for a layer image");
  bool complete = parse.In().Take(image->LockBits(), pixelBytes);
  image->UnlockBits();
  if (complete) complete = parse.In().Take(image->LockAlpha(), alphaBytes);
  image->UnlockAlpha();
  if (!complete) return parse.Truncated();

  CDoubleRect frame;
  double cosine = 1.0;
  double sine = 0.0;
  std::int32_t brightness, contrast, hue, opacity, strength, number;
  std::uint32_t colour = 0;
  std::uint8_t filterOn = 0;
  if (!parse.Rect(&frame) || !parse.Rotation(&cosine, &sine) ||
      !parse.Percent(&brightness, "brightness") || !parse.Percent(&contrast, "contrast") ||
      !parse.Percent(&hue, "hue") || !parse.Percent(&opacity, "opacity"))
    return false;
  if (!parse.In().Get(&filterOn)) return parse.Truncated();
  if (!parse.Percent(&strength, "filter strength") || !parse.UInt(&colour) ||
      !parse.Int(&number))
    return false;
  if (number < kNoFilter || number > kCustomFilterNumber)
    return parse.Fail("a layer's filter number " + std::to_string(number) + " is outside -1 to 11");

  auto read = std::make_unique<CLayer>(showMidHandles);
  // Attached only now: the middle values that contrast and hue pivot on are
  // means over the visible pixels, so they need the alpha plane as stored.
  read->AttachImage(std::move(image), frame);
  read->SetRotation(sine, cosine);
  read->StoreAdjustments(brightness, contrast, hue, opacity, filterOn != 0, strength, colour, number);
  read->ApplyAdjustments();
  *layer = std::move(read);
  return true;
}

// What SetPhoto gives a new photo: black paint, fully transparent, in the
// photo's frame.
std::unique_ptr<CLayer> FreshMakeupFor(const CLayer& photo) {
  CSize size = photo.GetSize();
  if (size.cx <= 0 || size.cy <= 0) size = photo.GetImage()->GetSize();
  CDib black;
  auto image = std::make_unique<CDibAlpha>();
  if (!black.Create(size, 0UL) || !image->Create(&black, 255)) return nullptr;
  auto makeup = std::make_unique<CLayer>(false);
  makeup->AttachImage(std::move(image), photo.GetBaseRect());
  makeup->SetRotation(photo.GetSine(), photo.GetCosine());
  return makeup;
}

bool ReadHeader(CParse& parse, ProjectFileHeader* header) {
  if (!parse.Int(&header->mode) || !parse.Int(&header->index)) return false;
  const int limit = header->IsBodySet() ? 1 : kBodyProjection;
  if (header->index < 0 || header->index >= limit)
    return parse.Fail("the projection index " + std::to_string(header->index) + " does not exist in its set");
  return true;
}

bool ReadRecord(CParse& parse, ProjectFileHeader* header, ProjectRecord* record) {
  std::int32_t version = 0;
  if (!parse.Int(&version)) return false;
  if (version != kProjectRecordVersion)
    return parse.Fail("record version " + std::to_string(version) + " is not supported");
  if (!parse.In().Skip(kProjectThumbnailBytes)) return parse.Truncated();
  std::uint32_t mask = 0;
  if (!parse.Rect(&record->faceFrame) || !parse.Rotation(&record->faceCosine, &record->faceSine) ||
      !parse.Line(&record->eyesLine) || !parse.Line(&record->lipsLine) || !parse.Line(&record->underarmLine) ||
      !parse.Rect(&record->printArea) || !parse.UInt(&mask))
    return false;
  if (mask & ~kKnownMaskBits) return parse.Fail("the layer mask names layers this version does not know");
  if (!(mask & kProjectMaskPhoto)) return parse.Fail("the projection has no photo layer");
  header->layerMask = mask;

  if (!ReadLayer(parse, false, &record->photo)) return false;
  if ((mask & kProjectMaskMakeup) && !ReadLayer(parse, false, &record->makeup)) return false;
  for (int slot = 0; slot < kSlotCount; ++slot) {
    if (!(mask & ProjectMaskSlot(slot))) continue;
    if (!parse.Rect(&record->stretchFrames[slot]) || !ReadLayer(parse, true, &record->slots[slot])) return false;
  }
  if (!record->makeup) {
    record->makeup = FreshMakeupFor(*record->photo);
    if (!record->makeup) return parse.Fail("not enough memory for the make-up layer");
  }
  return true;
}

}  // namespace

bool ParseProjectFile(const std::string& path, ProjectFileHeader* header, ProjectRecord* record,
                      std::string* reason) {
  CFile file;
  if (!file.Open(path, CFile::modeRead)) {
    if (reason) *reason = "cannot be opened";
    return false;
  }
  try {
    CRecordReader in(file);
    CParse parse(in, reason);
    return ReadHeader(parse, header) && ReadRecord(parse, header, record);
  } catch (const CFileException&) {
    if (reason) *reason = "cannot be read";
    return false;
  }
}

bool ReadProjectFileHeader(const std::string& path, ProjectFileHeader* header, std::string* reason) {
  CFile file;
  if (!file.Open(path, CFile::modeRead)) {
    if (reason) *reason = "cannot be opened";
    return false;
  }
  CRecordReader in(file);
  CParse parse(in, reason);
  ProjectFileHeader read;
  if (!ReadHeader(parse, &read)) return false;
  *header = read;
  return true;
}

std::unique_ptr<CDib> ReadProjectThumbnail(const std::string& path, std::string* reason) {
  auto fail = [&](const char* text) {
    if (reason) *reason = text;
    return nullptr;
  };
  CFile file;
  if (!file.Open(path, CFile::modeRead)) return fail("cannot be opened");
  std::vector<unsigned char> bmp(kProjectThumbnailBytes);
  try {
    CRecordReader in(file);
    if (!in.Skip(kProjectThumbnailOffset) || !in.Take(bmp.data(), bmp.size())) return fail("the file is truncated");
  } catch (const CFileException&) {
    return fail("cannot be read");
  }
  BITMAPINFOHEADER info{};
  std::memcpy(&info, bmp.data() + kFileHeaderBytes, sizeof info);
  if (bmp[0] != 'B' || bmp[1] != 'M' || info.biSize != kInfoHeaderBytes || info.biWidth != kProjectThumbnailSide ||
      info.biHeight != kProjectThumbnailSide || info.biPlanes != 1 || info.biBitCount != 24)
    return fail("the thumbnail is not a 64 x 64 BMP picture");
  auto thumbnail = std::make_unique<CDib>();
  if (!thumbnail->Create(CSize(kProjectThumbnailSide, kProjectThumbnailSide))) return fail("not enough memory");
  std::memcpy(thumbnail->LockBits(), bmp.data() + kFileHeaderBytes + kInfoHeaderBytes,
              static_cast<std::size_t>(thumbnail->Length()));
  thumbnail->UnlockBits();
  return thumbnail;
}
