#include "app/shell/print_commands.h"

#include "app/document/kelvora_doc.h"
#include "app/shell/gallery_bars.h"
#include "app/shell/main_frame.h"
#include "app/shell/print_preview_dialog.h"
#include "app/shell/printing/dib_image.h"

namespace {

std::vector<QImage> Images(std::vector<std::unique_ptr<CDib>> pictures) {
  std::vector<QImage> images;
  for (std::unique_ptr<CDib>& picture : pictures)
    if (picture) images.push_back(DibToImage(*picture));
  return images;
}

void RunPreview(CMainFrame& frame, std::vector<QImage> pictures, const std::string& profilePath) {
  if (pictures.empty()) return;
  CPrintPreviewDialog preview(std::move(pictures), profilePath, &frame);
  frame.RunDialog(preview);
}

}  // namespace

std::vector<QImage> PicturesToPrint(CKelvoraDoc& document, CGalleryBars* gallery) {
  std::vector<QImage> pictures;
  if (const CProjection* projection = document.GetProjection(-1); projection && projection->HasPhoto()) {
    const CRect area = projection->PrintArea().GetBoundingRect();
    if (std::unique_ptr<CDib> picture = document.RenderProjection(*projection, &area, nullptr, true))
      pictures.push_back(DibToImage(*picture));
  }
  if (gallery)
    for (QImage& image : Images(gallery->SelectedPictures())) pictures.push_back(std::move(image));
  return pictures;
}

void ConnectPrinting(CMainFrame& frame, CKelvoraDoc& document, CGalleryBars* gallery, const std::string& profilePath) {
  frame.SetCommandHandler(
      ID_FILE_PRINT, [&frame, &document, gallery, profilePath] {
        RunPreview(frame, PicturesToPrint(document, gallery), profilePath);
      },
      [&document, gallery] {
        return document.HasPhoto(true) || (gallery && gallery->BarInUse() && gallery->BarInUse()->SelectedCount() > 0);
      });
  if (gallery)
    gallery->SetPrintHandler([&frame, profilePath](std::vector<std::unique_ptr<CDib>> pictures) {
      RunPreview(frame, Images(std::move(pictures)), profilePath);
    });
}
