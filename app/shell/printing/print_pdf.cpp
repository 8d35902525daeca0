#include "app/shell/printing/print_pdf.h"

#include <QBuffer>
#include <QPdfWriter>

#include "app/shell/printing/print_page.h"
#include "platform/core/atomic_file.h"
#include "platform/core/file.h"

CSize PaperPixels(const QPageLayout& layout, int resolution) {
  const QRect paint = layout.paintRectPixels(resolution);
  return CSize(paint.width(), paint.height());
}

bool WriteBytesAtomically(const std::string& path, const QByteArray& bytes, std::string* reason) {
  const bool written = WriteFileAtomically(path, [&](const std::string& temporary) {
    try {
      CFile file;
      if (!file.Open(temporary, CFile::modeCreate | CFile::modeWrite)) return false;
      file.Write(bytes.constData(), static_cast<std::size_t>(bytes.size()));
      file.Close();
      return true;
    } catch (const CFileException&) {
      return false;
    }
  });
  if (!written && reason) *reason = "the file cannot be written";
  return written;
}

bool WritePrintPdf(const std::string& path, const std::vector<QImage>& pictures, const QPageLayout& layout,
                   const SignProperties& sign, std::string* reason) {
  QByteArray bytes;
  {
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kPdfResolution);
    writer.setPageLayout(layout);
    writer.setCreator("Kelvora");
    QPainter painter;
    if (!painter.begin(&writer)) {
      if (reason) *reason = "the page cannot be drawn";
      return false;
    }
    DrawPrintPage(painter, pictures, PaperPixels(layout, kPdfResolution), kPdfResolution, sign);
    painter.end();
  }
  return WriteBytesAtomically(path, bytes, reason);
}
