#include "platform/qt/cursor.h"

#include <QBitmap>
#include <QImage>

namespace {

std::optional<CRect> g_clipRect;

}  // namespace

HCURSOR CreateCursorFromPlanes(const CursorPlanes& planes) {
  // Qt's cursor: bitmap 1 with mask 1 is black, bitmap 0 with mask 1 white,
  // mask 0 transparent, bitmap 1 with mask 0 inverted where supported.
  QImage bitmap(kCursorSide, kCursorSide, QImage::Format_MonoLSB);
  QImage mask(kCursorSide, kCursorSide, QImage::Format_MonoLSB);
  bitmap.fill(0);
  mask.fill(0);
  for (int y = 0; y < kCursorSide; ++y) {
    for (int x = 0; x < kCursorSide; ++x) {
      bool opaque = !planes.AndBit(x, y);
      bool xorBit = planes.XorBit(x, y);
      mask.setPixel(x, y, opaque ? 1 : 0);
      bitmap.setPixel(x, y, opaque ? (xorBit ? 0 : 1) : (xorBit ? 1 : 0));
    }
  }
  return std::make_shared<const QCursor>(QBitmap::fromImage(bitmap), QBitmap::fromImage(mask),
                                         planes.hotSpot.x, planes.hotSpot.y);
}

void ClipCursor(const CRect* rect) {
  if (rect) g_clipRect = *rect;
  else g_clipRect.reset();
}

std::optional<CRect> GetClipCursor() { return g_clipRect; }
