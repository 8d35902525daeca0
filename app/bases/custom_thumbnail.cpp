#include "app/bases/custom_thumbnail.h"

#include "app/bases/base_file_layout.h"

namespace {

constexpr unsigned long kWhite = 0x00FFFFFF;

}  // namespace

std::unique_ptr<CDib> MakeCustomItemThumbnail(CDibAlpha& image) {
  if (image.IsEmpty() || image.Width() <= 0 || image.Height() <= 0) return nullptr;
  CDib white;
  if (!white.Create(image.GetSize(), kWhite)) return nullptr;
  std::unique_ptr<CDib> flat(image.DrawToDib(&white, CPoint(0, 0), nullptr));
  if (!flat) return nullptr;

  int larger = std::max(image.Width(), image.Height());
  double factor = static_cast<double>(larger) / kThumbnailSide;
  CSize scaled = image.Width() >= image.Height()
                     ? CSize(kThumbnailSide, static_cast<int>(image.Height() / factor))
                     : CSize(static_cast<int>(image.Width() / factor), kThumbnailSide);
  // A very thin picture still shows as one line rather than nothing.
  scaled.cx = std::max(scaled.cx, 1);
  scaled.cy = std::max(scaled.cy, 1);
  std::unique_ptr<CDib> small(flat->Zoom(scaled));
  if (!small) return nullptr;

  auto thumbnail = std::make_unique<CDib>();
  if (!thumbnail->Create(CSize(kThumbnailSide, kThumbnailSide), kWhite)) return nullptr;
  thumbnail->Edit_Paste(small.get(), CPoint((kThumbnailSide - scaled.cx) / 2, (kThumbnailSide - scaled.cy) / 2));
  return thumbnail;
}
