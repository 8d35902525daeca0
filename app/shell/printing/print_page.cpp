#include "app/shell/printing/print_page.h"

#include <QFontMetrics>

#include "app/shell/printing/print_layout.h"

namespace {

// Qt sizes fonts in pixels of the device it draws on; the height asked for
// is a character height, as the caption's rule gives it.
QFont BuildFont(const SignProperties& sign, int pixelHeight) {
  QFont font(QString::fromStdString(sign.fontName));
  font.setPixelSize(std::max(1, pixelHeight));
  font.setWeight(sign.bold ? QFont::Bold : QFont::Normal);
  font.setItalic(sign.italic);
  font.setUnderline(sign.underline);
  font.setStrikeOut(false);
  return font;
}

}  // namespace

std::optional<QFont> MakeSignFont(const SignProperties& sign, int resolution, double zoom) {
  if (sign.sign.empty()) return std::nullopt;
  return BuildFont(sign, SignFontHeight(sign.size, resolution, zoom));
}

PrintPageLayout LayoutPrintPage(const std::vector<CSize>& pictures, CSize paper, int resolution,
                                const SignProperties& sign, double zoom) {
  PrintPageLayout layout;
  int signHeight = 0;
  if (std::optional<QFont> font = MakeSignFont(sign, resolution, zoom)) {
    signHeight = std::min(paper.cy, QFontMetrics(*font).height());
    layout.sign = CRect(0, paper.cy - signHeight, paper.cx, paper.cy);
  }
  layout.pictures = LayoutPrintPictures(pictures, CRect(0, 0, paper.cx, paper.cy - signHeight), paper.cx >= paper.cy);
  return layout;
}

void DrawPrintPage(QPainter& painter, const std::vector<QImage>& pictures, CSize paper, int resolution,
                   const SignProperties& sign, double zoom) {
  std::vector<CSize> sizes;
  for (const QImage& picture : pictures) sizes.emplace_back(picture.width(), picture.height());
  const PrintPageLayout layout = LayoutPrintPage(sizes, paper, resolution, sign, zoom);
  painter.save();
  painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
  for (std::size_t i = 0; i < pictures.size(); ++i) {
    const CRect place = layout.pictures[i];
    if (place.IsRectEmpty() || pictures[i].isNull()) continue;
    const QRect target(place.left, place.top, place.Width(), place.Height());
    // Shrinking by a large factor: a filtered copy first, so detail is
    // averaged rather than sampled.
    if (place.Width() < pictures[i].width() / 2)
      painter.drawImage(target, pictures[i].scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    else
      painter.drawImage(target, pictures[i]);
  }
  if (std::optional<QFont> font = MakeSignFont(sign, resolution, zoom); font && !layout.sign.IsRectEmpty()) {
    painter.setFont(*font);
    painter.setPen(Qt::black);
    const QRect band(layout.sign.left, layout.sign.top, layout.sign.Width(), layout.sign.Height());
    painter.drawText(band, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, QString::fromStdString(sign.sign));
  }
  painter.restore();
}
