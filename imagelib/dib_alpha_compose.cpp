// Drawing a layer onto a background: untransformed (DrawToDib) and scaled and
// rotated into a box (PutUnderRectTransform), the operation every drag,
// slider move and brush stroke recomposes through.
//
// Both blend each channel as s - trunc(t x (s - d) / 255) with the double
// nearest 1/255 and truncation toward zero; the two group the product
// differently ((t x diff) x c against (t x c) x diff), and each keeps its
// own grouping because the truncated results can differ by one.
//
// Speed: only the destination rectangle is walked. PutUnderRectTransform
// steps the source position by the per-column and per-row increments in the
// same order of additions as the plain formula, so every position is the
// same double; the loops are instantiated per table mode so the pixel path
// holds no test that does not depend on the pixel.
#include <algorithm>
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

// The walk of PutUnderRectTransform over one destination rectangle.
struct TransformWalk {
  CRect destination;  // in the result image's coordinates
  double rowStartU, rowStartV;
  double columnStepU, columnStepV;
  double rowStepU, rowStepV;
  int opacityTerm;
};

template <TableMode mode>
void PutUnder(const LockedPixels& layer, const LockedAlpha& plane, CSize layerSize, const unsigned char* table,
              const TransformWalk& walk, const LockedPixels& result) {
  // M x c for every M the blend can meet, computed exactly as per pixel.
  double weights[255];
  for (int m = 0; m < 255; ++m) weights[m] = m * kOneOver255;
  const double width = layerSize.cx;
  const double height = layerSize.cy;

  double rowU = walk.rowStartU;
  double rowV = walk.rowStartV;
  for (int y = walk.destination.top; y < walk.destination.bottom; ++y) {
    double u = rowU;
    double v = rowV;
    unsigned char* out = result.Row(y) + 3 * walk.destination.left;
    for (int x = walk.destination.left; x < walk.destination.right; ++x, out += 3) {
      // trunc(u) lies in 0..width-1 exactly when -1 < u < width.
      if (u > -1.0 && u < width && v > -1.0 && v < height) {
        const int column = static_cast<int>(u);
        const int row = static_cast<int>(v);
        const int m = plane.Row(row)[column] + walk.opacityTerm;
        if (m < 255) {
          int colour[3];
          pixkit::MapColour<mode>(layer.Row(row) + 3 * column, table, colour);
          if (m == 0) {
            out[0] = static_cast<unsigned char>(colour[0]);
            out[1] = static_cast<unsigned char>(colour[1]);
            out[2] = static_cast<unsigned char>(colour[2]);
          } else {
            const double w = weights[m];
            out[0] = static_cast<unsigned char>(colour[0] - static_cast<int>(w * (colour[0] - out[0])));
            out[1] = static_cast<unsigned char>(colour[1] - static_cast<int>(w * (colour[1] - out[1])));
            out[2] = static_cast<unsigned char>(colour[2] - static_cast<int>(w * (colour[2] - out[2])));
          }
        }
      }
      u += walk.columnStepU;
      v += walk.columnStepV;
    }
    rowU += walk.rowStepU;
    rowV += walk.rowStepV;
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

CDib* CDibAlpha::PutUnderRectTransform(CDib* background, CPoint at, CRect area, double sine, double cosine,
                                       CSize scaledSize, CSize boxSize) {
  if (!background || background->IsEmpty()) return nullptr;
  area.NormalizeRect();
  if (area.left < 0 || area.top < 0 || area.right > background->Width() || area.bottom > background->Height())
    return nullptr;
  std::unique_ptr<CDib> result(background->Edit_Copy(area));
  if (!result) return nullptr;

  CRect drawn;
  if (!drawn.IntersectRect(area, CRect(at, boxSize)) || IsEmpty() || !m_hAlpha) return result.release();

  const double fx = static_cast<double>(m_nWidth) / scaledSize.cx;
  const double fy = static_cast<double>(m_nHeight) / scaledSize.cy;
  // Opacity is a percent; a stored byte above 100 draws fully opaque
  // rather than extrapolating past the layer's own colour.
  const int opacity = std::min<int>(m_nOpacity, 100);
  const int dx = drawn.left - at.x - boxSize.cx / 2;
  const int dy = drawn.top - at.y - boxSize.cy / 2;

  TransformWalk walk;
  // The result holds the background's `area`: background pixel (X, Y) is
  // result pixel (X - area.left, Y - area.top).
  walk.destination = drawn;
  walk.destination.OffsetRect(-area.left, -area.top);
  walk.rowStartU = fx * (dx * cosine + dy * sine) + m_nWidth / 2 + 0.5;
  walk.rowStartV = fy * (-dx * sine + dy * cosine) + m_nHeight / 2 + 0.5;
  walk.columnStepU = fx * cosine;
  walk.columnStepV = -fy * sine;
  walk.rowStepU = fx * sine;
  walk.rowStepV = fy * cosine;
  walk.opacityTerm = (100 - opacity) * 255 / 100;

  LockedPixels layer(*this);
  LockedAlpha plane(*this);
  LockedPixels target(*result);
  const unsigned char* table = m_pLut ? m_pLut->Data() : nullptr;
  switch (pixkit::TableModeOf(*this)) {
    case TableMode::none: PutUnder<TableMode::none>(layer, plane, GetSize(), table, walk, target); break;
    case TableMode::perChannel: PutUnder<TableMode::perChannel>(layer, plane, GetSize(), table, walk, target); break;
    case TableMode::greyIndex: PutUnder<TableMode::greyIndex>(layer, plane, GetSize(), table, walk, target); break;
  }
  return result.release();
}
