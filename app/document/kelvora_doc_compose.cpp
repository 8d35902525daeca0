// Composing the current projection into the view, rendering projections
// into rasters, and the skin-colour sample nose and breast items take.
//
// Only the rectangle that changed is recomposed, from a copy of the
// background's part of it; a push writes only inside the raster it is given,
// so every layer can be pushed whether or not it meets the rectangle.
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/document/cross_dissolve.h"
#include "app/document/draw_order.h"
#include "app/document/kelvora_doc.h"
#include "app/document/layer_composer.h"
#include "app/document/projection_render.h"

namespace {

// Draws the background raster's part `rect` at the same place.
void CopyBackground(CDib& background, CDC& target, const CRect& rect) {
  CRect source(rect);
  background.Draw(&target, rect, &source);
}

class CWaitCursorScope {
 public:
  CWaitCursorScope(CDocumentHost& host, bool show) : m_host(show ? &host : nullptr) {
    if (m_host) m_host->BeginWaitCursor();
  }
  ~CWaitCursorScope() {
    if (m_host) m_host->EndWaitCursor();
  }
  CWaitCursorScope(const CWaitCursorScope&) = delete;
  CWaitCursorScope& operator=(const CWaitCursorScope&) = delete;

 private:
  CDocumentHost* m_host;
};

}  // namespace

void CKelvoraDoc::ComposeToView(CDC* target, CRect rect, bool quiet) {
  CDib* background = m_host->GetBackgroundRaster();
  if (!target || !background || background->IsEmpty()) return;
  rect.NormalizeRect();
  CRect part;
  if (!part.IntersectRect(rect, CRect(0, 0, background->Width(), background->Height()))) return;
  const CProjection* projection = GetProjection(-1);
  if (!m_pPhotoLayer || !projection) {
    CopyBackground(*background, *target, part);
    return;
  }

  const std::vector<const CLayer*> layers = LayersInDrawOrder(*projection, m_nMode == kBodySet);
  bool touched = false;
  for (const CLayer* layer : layers) {
    CRect common;
    if (common.IntersectRect(layer->GetBoundingRect(), part)) touched = true;
  }
  if (!touched) {
    CopyBackground(*background, *target, part);
    return;
  }
  CWaitCursorScope wait(*m_host, !quiet);
  // The scratch raster is kept: a fresh screen-sized raster per
  // recomposition costs more than composing some of the layers.
  if (!m_composeScratch) m_composeScratch = std::make_unique<CDib>();
  const std::optional<std::size_t> kept = KeptLayersUnderDrag(layers, *projection, background->GetSize());
  if (!CopyPartInto(kept ? *m_composedUnderDrag->raster : *background, part, *m_composeScratch)) {
    CopyBackground(*background, *target, part);
    return;
  }
  if (kept) {
    const CLayer* dragged = layers[*kept];
    const SampledBox* sampled = m_composedUnderDrag->draggedSamples.get();
    if (!sampled || !PutSampledBoxUnder(*sampled, *dragged, *m_composeScratch, part.TopLeft()))
      m_composeScratch = PushLayersUnder(std::span(&dragged, 1), std::move(m_composeScratch), part.TopLeft());
    for (std::size_t i = 0; m_composeScratch && i < m_composedUnderDrag->over.size(); ++i) {
      if (const CLayerSamples* samples = m_composedUnderDrag->overSamples[i].get())
        samples->PutUnder(*m_composeScratch, part.TopLeft());
      else
        m_composeScratch = PushLayersUnder(std::span(&m_composedUnderDrag->over[i], 1), std::move(m_composeScratch),
                                           part.TopLeft());
    }
  } else {
    m_composeScratch = PushLayersUnder(layers, std::move(m_composeScratch), part.TopLeft());
  }
  if (!m_composeScratch) return;
  m_composeScratch->DrawWithoutStretch(target, part.TopLeft(), m_composeScratch->GetSize());
}

void CKelvoraDoc::BeginLayerDrag(const CLayer& layer) {
  m_composedUnderDrag.reset();
  CDib* background = m_host->GetBackgroundRaster();
  const CProjection* projection = GetProjection(-1);
  if (!m_pPhotoLayer || !projection || !background || background->IsEmpty()) return;
  const std::vector<const CLayer*> layers = LayersInDrawOrder(*projection, m_nMode == kBodySet);
  const auto dragged = std::find(layers.begin(), layers.end(), &layer);
  if (dragged == layers.end()) return;
  auto kept = std::make_unique<ComposedUnderDrag>();
  kept->dragged = &layer;
  kept->projection = projection;
  kept->under.assign(layers.begin(), dragged);
  kept->over.assign(dragged + 1, layers.end());
  for (const CLayer* over : kept->over) kept->overSamples.push_back(SampleLayer(*over, background->GetSize()));
  kept->draggedSamples = SampleLayerBox(layer);
  auto raster = std::make_unique<CDib>();
  if (!CopyPartInto(*background, CRect(CPoint(0, 0), background->GetSize()), *raster)) return;
  kept->raster = PushLayersUnder(kept->under, std::move(raster), CPoint(0, 0));
  if (kept->raster) m_composedUnderDrag = std::move(kept);
}

void CKelvoraDoc::EndLayerDrag() { m_composedUnderDrag.reset(); }

std::optional<std::size_t> CKelvoraDoc::KeptLayersUnderDrag(const std::vector<const CLayer*>& layers, const CProjection& projection,
                                             CSize backgroundSize) const {
  const ComposedUnderDrag* kept = m_composedUnderDrag.get();
  if (!kept || kept->projection != &projection || kept->raster->GetSize() != backgroundSize) return std::nullopt;
  const std::size_t count = kept->under.size();
  if (layers.size() != count + 1 + kept->over.size() || layers[count] != kept->dragged ||
      !std::equal(kept->under.begin(), kept->under.end(), layers.begin()) ||
      !std::equal(kept->over.begin(), kept->over.end(), layers.begin() + count + 1))
    return std::nullopt;
  return count;
}

void CKelvoraDoc::UpdateView(const CRect& rect) {
  if (CDC* surface = m_host->GetComposedSurface()) ComposeToView(surface, rect, true);
  m_host->RefreshViews();
}

void CKelvoraDoc::UpdateWholeView() {
  const CSize client = m_host->GetClientSize();
  UpdateView(CRect(0, 0, client.cx, client.cy));
}

std::unique_ptr<CDib> CKelvoraDoc::RenderProjection(const CProjection& projection, const CRect* area, CDib* base,
                                                    bool waitCursor) {
  if (!projection.HasPhoto()) return nullptr;
  CWaitCursorScope wait(*m_host, waitCursor);
  const bool bodySet = &projection == &m_projections[kBodyProjection];
  return RenderProjectionLayers(projection, bodySet, area, base);
}

std::unique_ptr<CDib> CKelvoraDoc::RenderCurrent(const CRect& rect) {
  const CProjection* projection = GetProjection(-1);
  if (!projection) return nullptr;
  return RenderProjection(*projection, &rect, m_host->GetBackgroundRaster(), true);
}

std::optional<COLORREF> CKelvoraDoc::SampleSkinColour(int kind) {
  const CProjection* projection = GetProjection(-1);
  CDib* background = m_host->GetBackgroundRaster();
  if (!m_pPhotoLayer || !projection || !background || background->IsEmpty()) return std::nullopt;

  CRect sample;
  if (kind == kKindNose) {
    const CPoint p1 = projection->EyesLine().GetPoint0();
    const CPoint p2 = projection->EyesLine().GetPoint1();
    const int m = static_cast<int>(std::floor((p1.x + p2.x + 1) / 2.0));
    const int n = static_cast<int>(std::floor((p1.y + p2.y + 1) / 2.0));
    sample.SetRect(m - 2, n - 2, m + 2, n + 2);
  } else if (kind == kKindBreast) {
    const CPoint p1 = projection->UnderarmLine().GetPoint0();
    const CPoint p2 = projection->UnderarmLine().GetPoint1();
    sample.SetRect(p1.x, p1.y, p2.x, p2.y);
    sample.NormalizeRect();
    if (sample.top == sample.bottom) sample.SetRect(sample.left, sample.top - 1, sample.right, sample.top + 1);
    if (sample.left == sample.right) sample.SetRect(sample.left - 1, sample.top, sample.left + 1, sample.bottom);
  } else {
    return std::nullopt;
  }
  if (sample.left < 0 || sample.top < 0 || sample.right > background->Width() ||
      sample.bottom > background->Height())
    return std::nullopt;

  std::unique_ptr<CDib> under(background->Edit_Copy(sample));
  if (!under) return std::nullopt;
  const CLayer* photo = m_pPhotoLayer;
  under = PushLayersUnder(std::span<const CLayer* const>(&photo, 1), std::move(under), sample.TopLeft());
  unsigned long colour = 0;
  if (!under || !under->CalcMiddleColor(nullptr, &colour)) return std::nullopt;
  return static_cast<COLORREF>(colour);
}

void CKelvoraDoc::ShowCrossDissolve(CDib& before, CDib& after, const CRect& area) {
  ForEachDissolveFrame(before, after, [&](CDib& frame, double) { m_host->DrawDissolveFrame(frame, area); });
}
