// item_contact_sheet: the sample portrait with each item of a database tried
// on, by the document's own placing and composing code, laid out as a grid
// with the items' names. Used by scripts/contact_sheets to draw docs/items.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string>

#include "app/bases/base_database.h"
#include "app/bases/item_record.h"
#include "app/document/kelvora_doc.h"
#include "imagelib/dib_alpha.h"
#include "platform/core/zip_resource_module.h"
#include "styles/Style_1/type_face.h"

namespace {

constexpr int kCaptionHeight = 12;
constexpr int kGap = 4;

void PutCaption(CDib& sheet, const std::string& text, int x, int y, int width) {
  unsigned char* bits = sheet.LockBits();
  if (!bits) return;
  const double size = FittingSize(text, 10, width);
  const int left = x + (width - MeasureText(text, size).width) / 2;
  RenderText(text, size, Weight::kRegular, left, y + kCaptionHeight - 3, [&](int px, int py, double coverage) {
    if (px < 0 || py < 0 || px >= sheet.Width() || py >= sheet.Height()) return;
    unsigned char* pixel = bits + static_cast<std::size_t>(sheet.Height() - 1 - py) * sheet.RowLength() + 3 * px;
    for (int channel = 0; channel < 3; ++channel)
      pixel[channel] = static_cast<unsigned char>(pixel[channel] + (40 - pixel[channel]) * coverage);
  });
  sheet.UnlockBits();
}

// What the document asks of a window: only a background to sample skin
// colour against (noses and breasts are tinted with it).
class SheetHost : public CDocumentHost {
 public:
  SheetHost() { m_background.Create(GetClientSize(), 0xFFFFFFUL); }
  CDib* GetBackgroundRaster() override { return &m_background; }

 private:
  CDib m_background;
};

// The portrait with the item on it, or (kind -1) the item's own picture on white.
std::unique_ptr<CDib> TryOn(HINSTANCE style, const CDib& photo, CBaseDatabase& base, const BaseItemRecord& record,
                            int kind) {
  std::unique_ptr<CDibAlpha> image(base.LoadItemImage(record.imageOffset));
  if (!image) return nullptr;
  if (kind < 0) {
    CDib white;
    if (!white.Create(image->GetSize(), 0xFFFFFFUL)) return nullptr;
    return std::unique_ptr<CDib>(image->DrawToDib(&white, CPoint(0, 0), nullptr));
  }
  SheetHost host;
  CKelvoraDoc document(style, &host);
  if (!document.SetPhoto(std::make_unique<CDib>(photo), 0)) return nullptr;
  const CRect anchors = GetItemPlacement(record);
  if (!document.PutItem(std::move(image), anchors.left, anchors.top, anchors.right, anchors.bottom, kind))
    return nullptr;
  return document.RenderProjection(*document.GetProjection(0));
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 9) {
    std::fprintf(stderr,
                 "usage: item_contact_sheet STYLE.kvstyle PHOTO BASE.hbd KIND LEFT,TOP,RIGHT,BOTTOM CELL COLUMNS OUT\n"
                 "  KIND -1 shows the pictures themselves\n");
    return 2;
  }
  std::string reason;
  std::unique_ptr<CZipResourceModule> style = CZipResourceModule::Open(argv[1], &reason);
  if (!style) return std::fprintf(stderr, "item_contact_sheet: %s: %s\n", argv[1], reason.c_str()), 1;
  CDib photo;
  if (!photo.LoadFromFile(argv[2])) return std::fprintf(stderr, "item_contact_sheet: %s: not a photo\n", argv[2]), 1;
  CBaseDatabase base;
  if (!base.Open(argv[3], true) || !base.Load())
    return std::fprintf(stderr, "item_contact_sheet: %s: not a readable item database\n", argv[3]), 1;
  const int kind = std::atoi(argv[4]);
  CRect view;
  if (std::sscanf(argv[5], "%d,%d,%d,%d", &view.left, &view.top, &view.right, &view.bottom) != 4 || view.IsRectEmpty())
    return std::fprintf(stderr, "item_contact_sheet: %s: not a rectangle\n", argv[5]), 2;
  const int cellWidth = std::max(32, std::atoi(argv[6]));
  const int columns = std::max(1, std::atoi(argv[7]));
  const int cellHeight = cellWidth * view.Height() / view.Width();

  const int count = static_cast<int>(base.Records().size());
  const int rows = (count + columns - 1) / columns;
  CDib sheet;
  if (!sheet.Create(CSize(kGap + columns * (cellWidth + kGap), kGap + rows * (cellHeight + kCaptionHeight + kGap)),
                    0xFFFFFFUL))
    return 1;
  for (int i = 0; i < count; ++i) {
    const BaseItemRecord& record = base.Records()[i];
    std::unique_ptr<CDib> picture = TryOn(style.get(), photo, base, record, kind);
    if (!picture) return std::fprintf(stderr, "item_contact_sheet: %s: item %d cannot be shown\n", argv[3], i), 1;
    CRect part = view;
    if (kind < 0) part = CRect(0, 0, picture->Width(), picture->Height());
    std::unique_ptr<CDib> crop(picture->Edit_Copy(part));
    std::unique_ptr<CDib> cell(crop ? crop->Zoom(CSize(cellWidth, cellHeight)) : nullptr);
    if (!cell) return 1;
    const int x = kGap + (i % columns) * (cellWidth + kGap);
    const int y = kGap + (i / columns) * (cellHeight + kCaptionHeight + kGap);
    sheet.Edit_Paste(cell.get(), CPoint(x, y));
    PutCaption(sheet, GetItemName(record), x, y + cellHeight + 3, cellWidth);
  }
  const std::string out = argv[8];
  const bool jpeg = out.size() > 4 && out.substr(out.size() - 4) == ".jpg";
  if (!(jpeg ? sheet.SaveToJPGFile(out, false, true, 82, true) : sheet.SaveToBMPFile(out)))
    return std::fprintf(stderr, "item_contact_sheet: %s: cannot be written\n", out.c_str()), 1;
  return 0;
}
