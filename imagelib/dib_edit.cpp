// Copy, cut and paste of rectangles between images, in top-down coordinates.
//
// Every operation clips against both images before touching a byte, so a
// rectangle or start point partly (or wholly) outside either image only
// moves the pixels that exist; nothing outside an image is read or written.
// Clipped spans are copied as whole row pieces. When the source is this very
// image it is copied first, so a paste onto itself reads the original.
#include <algorithm>
#include <cstring>
#include <memory>
#include <vector>

#include "imagelib/dib.h"
#include "imagelib/dib_pixels.h"

using pixkit::LockedPixels;

namespace {

// Copies `count` pixels from column `fromX` of top-down row `fromY` of one
// locked image to column `toX` of row `toY` of another.
void CopySpan(const LockedPixels& from, int fromX, int fromY, const LockedPixels& to, int toX, int toY,
              int count) {
  if (count <= 0) return;
  std::memmove(to.Row(toY) + 3 * toX, from.Row(fromY) + 3 * fromX, static_cast<std::size_t>(count) * 3);
}

bool HasPixels(const CDib* image) { return image && !image->IsEmpty(); }

}  // namespace

CDib* CDib::Edit_Copy(CRect rect) {
  if (IsEmpty()) return nullptr;
  rect.NormalizeRect();
  auto result = std::make_unique<CDib>();
  if (!result->Create(rect.Size())) return nullptr;

  CRect inside;
  if (!inside.IntersectRect(rect, CRect(0, 0, m_nWidth, m_nHeight))) return result.release();
  LockedPixels from(*this);
  LockedPixels to(*result);
  for (int y = inside.top; y < inside.bottom; ++y)
    CopySpan(from, inside.left, y, to, inside.left - rect.left, y - rect.top, inside.Width());
  return result.release();
}

bool CDib::Edit_Cut(CDib* source, CPoint start) {
  if (IsEmpty() || !HasPixels(source)) return false;
  if (start.x < 0) return true;
  std::unique_ptr<CDib> copy;
  if (source == this) source = (copy = std::make_unique<CDib>(*this)).get();
  // A start past the source's right edge leaves nothing to copy.
  const int count = std::min(m_nWidth, source->Width() - start.x);
  const int rows = std::min(m_nHeight, source->Height() - start.y);
  LockedPixels from(*source);
  LockedPixels to(*this);
  for (int i = std::max(0, -start.y); i < rows; ++i) CopySpan(from, start.x, start.y + i, to, 0, i, count);
  return true;
}

bool CDib::Edit_Cut2(CDib* first, CDib* second, CPoint firstStart, CPoint secondStart) {
  if (IsEmpty() || !HasPixels(first) || !HasPixels(second)) return false;
  std::unique_ptr<CDib> firstCopy, secondCopy;
  if (first == this) first = (firstCopy = std::make_unique<CDib>(*this)).get();
  if (second == this) second = (secondCopy = std::make_unique<CDib>(*this)).get();

  // In first's coordinates: the part of this image that first covers, and
  // second's rectangle, which lies on top.
  CRect covered;
  if (!covered.IntersectRect(CRect(firstStart, GetSize()), CRect(0, 0, first->Width(), first->Height())))
    return true;
  const CRect secondArea(secondStart, second->GetSize());
  LockedPixels firstPixels(*first);
  LockedPixels secondPixels(*second);
  LockedPixels to(*this);
  for (int sy = covered.top; sy < covered.bottom; ++sy) {
    const int y = sy - firstStart.y;
    if (sy < secondArea.top || sy >= secondArea.bottom) {
      CopySpan(firstPixels, covered.left, sy, to, covered.left - firstStart.x, y, covered.Width());
      continue;
    }
    const int overLeft = std::clamp(secondArea.left, covered.left, covered.right);
    const int overRight = std::clamp(secondArea.right, overLeft, covered.right);
    CopySpan(firstPixels, covered.left, sy, to, covered.left - firstStart.x, y, overLeft - covered.left);
    CopySpan(secondPixels, overLeft - secondArea.left, sy - secondArea.top, to, overLeft - firstStart.x, y,
             overRight - overLeft);
    CopySpan(firstPixels, overRight, sy, to, overRight - firstStart.x, y, covered.right - overRight);
  }
  return true;
}

bool CDib::Edit_Paste(CDib* source, CPoint at) {
  if (IsEmpty() || !HasPixels(source)) return false;
  std::unique_ptr<CDib> copy;
  if (source == this) source = (copy = std::make_unique<CDib>(*this)).get();
  CRect inside;
  if (!inside.IntersectRect(CRect(at, source->GetSize()), CRect(0, 0, m_nWidth, m_nHeight))) return true;
  LockedPixels from(*source);
  LockedPixels to(*this);
  for (int y = inside.top; y < inside.bottom; ++y)
    CopySpan(from, inside.left - at.x, y - at.y, to, inside.left, y, inside.Width());
  return true;
}

bool CDib::Edit_PasteTransform(CDib* source, CPoint at, CSize size) {
  if (IsEmpty() || !HasPixels(source)) return false;
  CRect inside;
  if (!inside.IntersectRect(CRect(at, size), CRect(0, 0, m_nWidth, m_nHeight))) return true;
  std::unique_ptr<CDib> copy;
  if (source == this) source = (copy = std::make_unique<CDib>(*this)).get();

  const int sourceWidth = source->Width();
  const int sourceHeight = source->Height();
  const double fx = static_cast<double>(sourceWidth) / size.cx;
  const double fy = static_cast<double>(sourceHeight) / size.cy;

  // Every row walks the same u sequence, so its source columns are tabled
  // once (-1: outside the source). The sums accumulate exactly as per pixel.
  std::vector<int> sourceColumn(static_cast<std::size_t>(inside.Width()));
  double u = (inside.left - at.x - size.cx / 2) * fx + sourceWidth / 2 + 0.5;
  for (int& column : sourceColumn) {
    column = (u > -1.0 && u < sourceWidth) ? static_cast<int>(u) : -1;
    u += fx;
  }

  LockedPixels from(*source);
  LockedPixels to(*this);
  double v = (inside.top - at.y - size.cy / 2) * fy + sourceHeight / 2 + 0.5;
  for (int y = inside.top; y < inside.bottom; ++y, v += fy) {
    if (!(v > -1.0 && v < sourceHeight)) continue;
    const unsigned char* sourceRow = from.Row(static_cast<int>(v));
    unsigned char* target = to.Row(y) + 3 * inside.left;
    for (int column : sourceColumn) {
      if (column >= 0) std::memcpy(target, sourceRow + 3 * column, 3);
      target += 3;
    }
  }
  return true;
}
