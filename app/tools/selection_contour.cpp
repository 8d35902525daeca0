// Copy and paste through the soft selection. The copy adds the mask to the
// pixel's transparency, so a feathered border copies as a soft edge; the
// paste blends each channel by k = min(1, mask / 255 + transparency / 255),
// truncating both parts separately as the program always has.
#include "app/tools/selection_contour.h"

#include <algorithm>

#include "imagelib/dib_alpha_pixels.h"
#include "imagelib/dib_pixels.h"

CSelectionContour::CSelectionContour(COLORREF lineColour, COLORREF secondColour)
    : CContour(lineColour, secondColour) {
  SetFlags(true, true);
  SetActionMasks(kContourKeyCtrl, kContourKeySpace, kContourKeyShift);
}

bool CSelectionContour::BuildMask(int radius, int, int, const CPolygonRegion* region,
                                  const std::function<void(int)>& progress) {
  if (!region) return radius == m_featherRadius && !m_mask.IsEmpty();
  CSelectionMask mask;
  if (!BuildRegionMask(*region, &mask, progress)) return false;
  m_mask = std::move(mask);
  m_featherRadius = kNoFeatherRadius;
  return true;
}

void CSelectionContour::Feather(int radius, bool force) {
  if (radius == m_featherRadius && !force) return;
  m_featherRadius = radius;
  FeatherMask(m_mask, radius);
}

void CSelectionContour::SetMask(CSelectionMask mask, int featherRadius) {
  m_mask = std::move(mask);
  m_featherRadius = featherRadius;
}

void CSelectionContour::ClearBufferFlags() {
  m_bufferFilled = false;
  m_pasted = false;
}

void CSelectionContour::OnOutlineMoved(CSize documentShift) {
  m_bufferShift = {m_bufferShift.cx + documentShift.cx, m_bufferShift.cy + documentShift.cy};
}

CRect CSelectionContour::GetBufferArea() const {
  if (!m_buffer) return {};
  return CRect(m_bufferPosition, m_buffer->GetSize());
}

bool CSelectionContour::CopyToBuffer(CDibAlpha& layerImage) {
  if (m_mask.IsEmpty()) return false;
  auto buffer = std::make_unique<CDibAlpha>();
  if (!buffer->Create(CSize(m_mask.width, m_mask.height))) return false;
  if (layerImage.m_pLut && buffer->m_pLut) *buffer->m_pLut = *layerImage.m_pLut;
  buffer->m_bGrayIndex = layerImage.m_bGrayIndex;
  {
    pixkit::LockedPixels source(layerImage);
    pixkit::LockedAlpha sourcePlane(layerImage);
    pixkit::LockedPixels target(*buffer);
    pixkit::LockedAlpha targetPlane(*buffer);
    if (!source || !sourcePlane || !target || !targetPlane) return false;
    const int w = layerImage.Width();
    const int h = layerImage.Height();
    for (int r = 0; r < m_mask.height; ++r) {
      const unsigned char* weights = m_mask.cells.data() + static_cast<std::size_t>(r) * m_mask.width;
      unsigned char* pixel = target.Row(r);
      unsigned char* transparency = targetPlane.Row(r);
      const int y = m_mask.origin.y + r;
      for (int j = 0; j < m_mask.width; ++j) {
        const int x = m_mask.origin.x + j;
        if (x < 0 || y < 0 || x >= w || y >= h) {
          transparency[j] = 255;
          continue;
        }
        const unsigned char* from = source.Row(y) + 3 * x;
        std::copy(from, from + 3, pixel + 3 * j);
        transparency[j] = static_cast<unsigned char>(std::min(255, sourcePlane.Row(y)[x] + weights[j]));
      }
    }
  }
  m_buffer = std::move(buffer);
  m_bufferMask = m_mask.cells;
  m_bufferPosition = m_mask.origin;
  m_bufferShift = {};
  m_bufferFilled = true;
  m_pasted = true;
  return true;
}

bool CSelectionContour::PasteBuffer(CDibAlpha& layerImage, CPoint position) {
  if (!m_buffer) return false;
  pixkit::LockedPixels target(layerImage);
  pixkit::LockedAlpha targetPlane(layerImage);
  pixkit::LockedPixels source(*m_buffer);
  pixkit::LockedAlpha sourcePlane(*m_buffer);
  if (!source || !sourcePlane || !target || !targetPlane) return false;
  const int w = layerImage.Width();
  const int h = layerImage.Height();
  const int bw = m_buffer->Width();
  for (int r = 0; r < m_buffer->Height(); ++r) {
    const int y = position.y + r;
    if (y < 0 || y >= h) continue;
    const unsigned char* weights = m_bufferMask.data() + static_cast<std::size_t>(r) * bw;
    const unsigned char* from = source.Row(r);
    const unsigned char* fromPlane = sourcePlane.Row(r);
    unsigned char* pixel = target.Row(y);
    unsigned char* transparency = targetPlane.Row(y);
    for (int j = 0; j < bw; ++j) {
      const int x = position.x + j;
      if (x < 0 || x >= w) continue;
      const double k = std::min(1.0, weights[j] / 255.0 + fromPlane[j] / 255.0);
      for (int c = 0; c < 3; ++c)
        pixel[3 * x + c] = static_cast<unsigned char>(static_cast<int>(pixel[3 * x + c] * k) +
                                                      static_cast<int>(from[3 * j + c] * (1 - k)));
      if (layerImage.m_nOpacity + fromPlane[j] < transparency[x]) transparency[x] = fromPlane[j];
    }
  }
  m_bufferFilled = true;
  m_pasted = true;
  return true;
}
