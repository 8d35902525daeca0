// Copy, paste and mirroring of a layer: the colour moves exactly as in CDib
// and the transparency plane moves with it, clipped the same way. Where a
// copied rectangle leaves the image the result is black and transparent.
#include <algorithm>
#include <cstring>
#include <memory>

#include "imagelib/dib_alpha.h"
#include "imagelib/dib_alpha_pixels.h"

using pixkit::LockedAlpha;

CDib* CDibAlpha::Edit_Copy(CRect rect) {
  if (!m_hAlpha) return nullptr;
  rect.NormalizeRect();
  std::unique_ptr<CDibAlpha> result(AdoptColour(CDib::Edit_Copy(rect)));
  if (!result) return nullptr;

  CRect inside;
  if (!inside.IntersectRect(rect, CRect(0, 0, m_nWidth, m_nHeight))) return result.release();
  LockedAlpha from(*this);
  LockedAlpha to(*result);
  for (int y = inside.top; y < inside.bottom; ++y)
    std::memcpy(to.Row(y - rect.top) + (inside.left - rect.left), from.Row(y) + inside.left,
                static_cast<std::size_t>(inside.Width()));
  return result.release();
}

bool CDibAlpha::Edit_Paste(CDib* source, CPoint at) {
  auto* layer = dynamic_cast<CDibAlpha*>(source);
  if (!m_hAlpha || !layer || !layer->m_hAlpha) return false;
  std::unique_ptr<CDibAlpha> copy;
  if (layer == this) layer = (copy = std::make_unique<CDibAlpha>(*this)).get();
  if (!CDib::Edit_Paste(layer, at)) return false;

  CRect inside;
  if (!inside.IntersectRect(CRect(at, layer->GetSize()), CRect(0, 0, m_nWidth, m_nHeight))) return true;
  LockedAlpha from(*layer);
  LockedAlpha to(*this);
  for (int y = inside.top; y < inside.bottom; ++y)
    std::memcpy(to.Row(y) + inside.left, from.Row(y - at.y) + (inside.left - at.x),
                static_cast<std::size_t>(inside.Width()));
  return true;
}

bool CDibAlpha::Rotate_FlipHorizontal() {
  if (!CDib::Rotate_FlipHorizontal()) return false;
  LockedAlpha plane(*this);
  if (!plane) return true;  // a plane-less image (while being created) has nothing more to mirror
  for (int y = 0; y < m_nHeight; ++y) std::reverse(plane.Row(y), plane.Row(y) + m_nWidth);
  return true;
}

bool CDibAlpha::Rotate_FlipVertical() {
  if (!CDib::Rotate_FlipVertical()) return false;
  LockedAlpha plane(*this);
  if (!plane) return true;
  for (int top = 0, bottom = m_nHeight - 1; top < bottom; ++top, --bottom)
    std::swap_ranges(plane.Row(top), plane.Row(top) + m_nWidth, plane.Row(bottom));
  return true;
}
