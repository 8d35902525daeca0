// Writing project files. The file is built in a temporary file beside the
// target and renamed over it only when complete (WriteFileAtomically), so an
// interrupted "Add to gallery" leaves either no file or the old one, never a
// half-written entry the gallery would then list. Small fields are gathered
// and written in one go; pixel buffers go straight from the images.
#include <bit>
#include <cstring>
#include <vector>

#include "app/document/project_file.h"
#include "platform/core/atomic_file.h"
#include "platform/core/file.h"

static_assert(std::endian::native == std::endian::little, "project files are little-endian");

namespace {

constexpr unsigned long kWhite = 0xFFFFFF;

class CRecordWriter {
 public:
  explicit CRecordWriter(CFile& file) : m_file(file) {}

  template <class T>
  void Put(T value) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(&value);
    m_pending.insert(m_pending.end(), bytes, bytes + sizeof(T));
  }
  // Left, top, bottom, right: the order the format has always used.
  void PutRect(const CDoubleRect& rect) {
    Put(rect.left);
    Put(rect.top);
    Put(rect.bottom);
    Put(rect.right);
  }
  void PutBlock(const void* data, std::size_t count) {
    Flush();
    m_file.Write(data, count);
  }
  void Flush() {
    if (m_pending.empty()) return;
    m_file.Write(m_pending.data(), m_pending.size());
    m_pending.clear();
  }

 private:
  CFile& m_file;
  std::vector<unsigned char> m_pending;
};

bool IsThumbnailShape(const CDib* thumbnail) {
  BITMAPINFOHEADER header{};
  return thumbnail && thumbnail->GetBitmapInfoHeader(&header) && header.biSize == 40 &&
         thumbnail->Width() == kProjectThumbnailSide && thumbnail->Height() == kProjectThumbnailSide &&
         header.biBitCount == 24 &&
         static_cast<std::uint32_t>(thumbnail->Length()) + 14 + 40 == kProjectThumbnailBytes;
}

// The look as the gallery shows it, or plain white when it cannot be made.
std::unique_ptr<CDib> MakeThumbnail(CKelvoraDoc& document, const CProjection& projection) {
  std::unique_ptr<CDib> rendered = document.RenderProjection(projection);
  std::unique_ptr<CDib> thumbnail(rendered ? rendered->CreateThumbNail(kProjectThumbnailSide, kWhite) : nullptr);
  if (IsThumbnailShape(thumbnail.get())) return thumbnail;
  thumbnail = std::make_unique<CDib>();
  if (!thumbnail->Create(CSize(kProjectThumbnailSide, kProjectThumbnailSide), kWhite)) return nullptr;
  return thumbnail;
}

// A layer whose image could not be read back is not written at all.
bool CanWrite(const CLayer* layer) {
  if (!layer) return true;
  CDibAlpha* image = layer->GetImage();
  return image && !image->IsEmpty() && image->HasAlpha() && image->Width() > 0 && image->Height() > 0;
}

void PutLayer(CRecordWriter& out, const CLayer& layer) {
  CDibAlpha& image = *layer.GetImage();
  out.Put<std::int32_t>(image.Width());
  out.Put<std::int32_t>(image.Height());
  out.PutBlock(image.LockBits(), static_cast<std::size_t>(image.Length()));
  image.UnlockBits();
  out.PutBlock(image.LockAlpha(), static_cast<std::size_t>(image.Width()) * static_cast<std::size_t>(image.Height()));
  image.UnlockAlpha();
  out.PutRect(layer.GetBaseRect());
  out.Put(layer.GetCosine());
  out.Put(layer.GetSine());
  out.Put<std::int32_t>(layer.GetBrightness());
  out.Put<std::int32_t>(layer.GetContrast());
  out.Put<std::int32_t>(layer.GetHue());
  out.Put<std::int32_t>(layer.GetImageOpacity());
  out.Put<std::uint8_t>(layer.IsFilterOn() ? 1 : 0);
  out.Put<std::int32_t>(layer.GetFilterStrength());
  out.Put<std::uint32_t>(static_cast<std::uint32_t>(layer.GetFilterColour()));
  out.Put<std::int32_t>(layer.GetFilterNumber());
}

void PutLine(CRecordWriter& out, const CLineTracker& line) {
  out.Put<std::int32_t>(line.GetPoint0().x);
  out.Put<std::int32_t>(line.GetPoint0().y);
  out.Put<std::int32_t>(line.GetPoint1().x);
  out.Put<std::int32_t>(line.GetPoint1().y);
}

// Everything after the thumbnail.
void PutRecord(CRecordWriter& out, const CProjection& projection) {
  out.PutRect(projection.FaceFrame().GetBaseRect());
  out.Put(projection.FaceFrame().GetCosine());
  out.Put(projection.FaceFrame().GetSine());
  PutLine(out, projection.EyesLine());
  PutLine(out, projection.LipsLine());
  PutLine(out, projection.UnderarmLine());
  out.PutRect(projection.PrintArea().GetBaseRect());

  std::uint32_t mask = kProjectMaskPhoto;
  if (projection.GetMakeup()) mask |= kProjectMaskMakeup;
  for (int slot = 0; slot < kSlotCount; ++slot)
    if (projection.GetSlot(slot)) mask |= ProjectMaskSlot(slot);
  out.Put(mask);
  PutLayer(out, *projection.GetPhoto());
  if (const CLayer* makeup = projection.GetMakeup()) PutLayer(out, *makeup);
  for (int slot = 0; slot < kSlotCount; ++slot) {
    const CLayer* layer = projection.GetSlot(slot);
    if (!layer) continue;
    out.PutRect(projection.StretchFrame(slot)->GetBaseRect());
    PutLayer(out, *layer);
  }
  out.Flush();
}

}  // namespace

bool WriteProjectFile(CKelvoraDoc& document, int projectionIndex, const std::string& path, std::string* reason) {
  auto fail = [&](const std::string& text) {
    if (reason) *reason = text;
    return false;
  };
  const int absolute = projectionIndex == -1 ? document.GetProjectionIndex(-1) : projectionIndex;
  const CProjection* projection = absolute >= 0 && absolute < kProjectionCount ? document.GetProjection(absolute)
                                                                               : nullptr;
  if (!projection) return fail("there is no projection " + std::to_string(projectionIndex));
  if (!projection->HasPhoto()) return fail("the projection has no photo");
  bool writable = CanWrite(projection->GetPhoto()) && CanWrite(projection->GetMakeup());
  for (int slot = 0; slot < kSlotCount; ++slot) writable = writable && CanWrite(projection->GetSlot(slot));
  if (!writable) return fail("a layer has no image to write");
  std::unique_ptr<CDib> thumbnail = MakeThumbnail(document, *projection);
  if (!thumbnail) return fail("not enough memory for the thumbnail");

  const bool bodySet = absolute == kBodyProjection;
  try {
    const bool written = WriteFileAtomically(path, [&](const std::string& temporaryPath) {
      CFile file;
      if (!file.Open(temporaryPath, CFile::modeCreate | CFile::modeWrite)) return false;
      CRecordWriter out(file);
      out.Put<std::int32_t>(bodySet ? kBodySet : kFaceSet);
      out.Put<std::int32_t>(bodySet ? 0 : absolute);
      out.Put<std::int32_t>(kProjectRecordVersion);
      out.Flush();
      if (!thumbnail->SaveToBMPFile(file) ||
          file.GetPosition() != kProjectThumbnailOffset + kProjectThumbnailBytes)
        return false;
      PutRecord(out, *projection);
      return true;
    });
    return written || fail("cannot be written");
  } catch (const CFileException& error) {
    return fail(std::string("cannot be written: ") + std::strerror(error.m_lOsError));
  }
}
