// Drawing a layer onto a background untransformed (DrawToDib); the scaled and
// turned drawing is in dib_alpha_put_under.cpp.
//
// Both blend each channel as s - trunc(t x (s - d) / 255) with the double
// nearest 1/255 and truncation toward zero; the two group the product
// differently ((t x diff) x c here against (t x c) x diff there), and each
// keeps its own grouping because the truncated results can differ by one.
//
// Only the destination rectangle is walked, and the loop is instantiated per
// table mode so the pixel path holds no test that does not depend on the
// pixel.
#include <memory>

#include "imagelib/dib_alpha.h"
#include "imagelib/dib_alpha_pixels.h"
#include "imagelib/dib_pixels.h"

using pixkit::kOneOver255;
using pixkit::LockedAlpha;
using pixkit::LockedPixels;
using pixkit::TableMode;

namespace {

inline unsigned char BlendDraw(int source, int background, int transparency) {
  return static_cast<unsigned char>(
      source - static_cast<int>(transparency * (source - background) * kOneOver255));
}

// Draws layer rectangle `drawn` (already clipped to both images) with its
// top-left layer pixel landing on `target` pixel (to.x, to.y).
template <TableMode mode>
void DrawRect(const LockedPixels& layer, const LockedAlpha& plane, const unsigned char* table, const CRect& drawn,
              const LockedPixels& target, CPoint to) {
  for (int y = drawn.top; y < drawn.bottom; ++y) {
    const unsigned char* pixel = layer.Row(y) + 3 * drawn.left;
    const unsigned char* transparency = plane.Row(y) + drawn.left;
    unsigned char* out = target.Row(to.y + (y - drawn.top)) + 3 * to.x;
    for (int x = drawn.left; x < drawn.right; ++x, pixel += 3, ++transparency, out += 3) {
      const int t = *transparency;
      if (t == 255) continue;
      int colour[3];
      pixkit::MapColour<mode>(pixel, table, colour);
      if (t == 0) {
        out[0] = static_cast<unsigned char>(colour[0]);
        out[1] = static_cast<unsigned char>(colour[1]);
        out[2] = static_cast<unsigned char>(colour[2]);
      } else {
        out[0] = BlendDraw(colour[0], out[0], t);
        out[1] = BlendDraw(colour[1], out[1], t);
        out[2] = BlendDraw(colour[2], out[2], t);
      }
    }
  }
}

}  // namespace

CDib* CDibAlpha::DrawToDib(CDib* background, CPoint at, CRect* part) {
  if (!background || background->IsEmpty()) return nullptr;
  auto result = std::make_unique<CDib>();
  if (!result->CopyHandle(background->GetHandle())) return nullptr;
  if (IsEmpty() || !m_hAlpha) return result.release();

  CRect drawn(0, 0, m_nWidth, m_nHeight);
  if (part && !drawn.IntersectRect(*part, drawn)) return result.release();
  // Only the layer pixels that land inside the background.
  CRect landing(drawn);
  landing.OffsetRect(at.x, at.y);
  if (!landing.IntersectRect(landing, CRect(0, 0, result->Width(), result->Height()))) return result.release();
  drawn = landing;
  drawn.OffsetRect(-at.x, -at.y);

  LockedPixels layer(*this);
  LockedAlpha plane(*this);
  LockedPixels target(*result);
  const unsigned char* table = m_pLut ? m_pLut->Data() : nullptr;
  switch (pixkit::TableModeOf(*this)) {
    case TableMode::none: DrawRect<TableMode::none>(layer, plane, table, drawn, target, landing.TopLeft()); break;
    case TableMode::perChannel:
      DrawRect<TableMode::perChannel>(layer, plane, table, drawn, target, landing.TopLeft());
      break;
    case TableMode::greyIndex:
      DrawRect<TableMode::greyIndex>(layer, plane, table, drawn, target, landing.TopLeft());
      break;
  }
  return result.release();
}
