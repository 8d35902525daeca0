#include "app/editing/hair_stroke.h"

#include <cstdlib>

#include "app/document/layer.h"
#include "app/editing/hair_pixels.h"

namespace {

// No layer image is this large; only a frame squeezed to nothing maps a
// document point this far out, and a Bresenham walk there would never end.
constexpr int kFarthestImagePoint = 1 << 24;

bool IsFar(CPoint p) { return std::abs(p.x) > kFarthestImagePoint || std::abs(p.y) > kFarthestImagePoint; }

// The S x S square a tool works on around p.
CRect SquareAround(CPoint p, int size) {
  const int left = p.x - size / 2, top = p.y - size / 2;
  return {left, top, left + size, top + size};
}

CRect Grown(CRect rect, int margin) {
  rect.InflateRect(margin, margin);
  return rect;
}


}  // namespace

CHairStroke::CHairStroke(CLayer& layer, const CHairToolParams& params, std::unique_ptr<CStrokeRandom> random)
    : m_layer(layer), m_params(params), m_random(std::move(random)) {
  if (!m_random && params.tool == HairStrokeTool::spray) m_random = std::make_unique<CClockSeededRandom>();
}

CHairStroke::~CHairStroke() = default;

CPoint CHairStroke::ToImage(CPoint q) const {
  return m_layer.MapToImage(q.x, q.y, m_layer.GetImage()->GetSize());
}

CRect CHairStroke::ToDocument(const CRect& touched) const {
  const CDibAlpha* image = m_layer.GetImage();
  CRect inside;
  if (touched.IsRectEmpty() || !image ||
      !inside.IntersectRect(touched, CRect(0, 0, image->Width(), image->Height())))
    return {};
  return m_layer.MapImageRectToDocument(inside);
}

CRect CHairStroke::Begin(CPoint q0) {
  if (m_begun) return {};
  m_begun = true;
  m_last = q0;
  m_layer.BeginEdit();
  if (!m_layer.HasEditBackup()) return {};
  m_lastImage = ToImage(q0);
  const CRect touched = ApplyStart(m_lastImage);
  CRect redraw;
  if (!touched.IsRectEmpty() && m_params.tool != HairStrokeTool::brush) {
    // The box the tool itself redraws at the press, in document units.
    const int left = q0.x - m_params.size / 2 - 1, top = q0.y - m_params.size / 2 - 1;
    redraw.SetRect(left, top, left + m_params.size, top + m_params.size);
  }
  return UnionOf(redraw, ToDocument(touched));
}

CRect CHairStroke::Move(CPoint q1) {
  if (!m_begun || m_ended || !m_layer.HasEditBackup()) return {};
  const CPoint q0 = m_last;
  const CPoint a = m_lastImage;
  m_last = q1;
  m_lastImage = ToImage(q1);
  const CRect touched = ApplyStep(a, m_lastImage);
  CRect segment(q0.x, q0.y, q1.x, q1.y);
  segment.NormalizeRect();
  return UnionOf(Grown(segment, m_params.size / 2 + 2), ToDocument(touched));
}

bool CHairStroke::End() {
  if (!m_begun || m_ended) return false;
  m_ended = true;
  const bool touched = m_layer.HasEditBackup() && !m_layer.GetPendingEditRect().IsRectEmpty();
  m_layer.PushUndoById(HairToolStepNameId(m_params.tool));
  m_layer.RecalcMiddleValues();
  return touched;
}

void CHairStroke::StartInImage(CPoint p) {
  if (m_begun) return;
  m_begun = true;
  m_layer.BeginEdit();
  if (m_layer.HasEditBackup()) ApplyStart(p);
}

void CHairStroke::StepInImage(CPoint a, CPoint b) {
  if (m_begun && !m_ended && m_layer.HasEditBackup()) ApplyStep(a, b);
}

CRect CHairStroke::ApplyStart(CPoint p) {
  CDibAlpha& image = *m_layer.GetImage();
  const int size = m_params.size;
  if (IsFar(p)) return {};
  CRect touched;
  switch (m_params.tool) {
    case HairStrokeTool::comb:
      if (!m_params.combDrawing) return {};
      PaintDab(image, p.x, p.y, size, m_params.spread, 1.0, m_params.colour);
      touched = Grown(SquareAround(p, size), 2);
      break;
    case HairStrokeTool::brush:
      PaintDab(image, p.x, p.y, size, m_params.spread, m_params.strength, m_params.colour);
      touched = Grown(SquareAround(p, size), 2);
      break;
    case HairStrokeTool::spray:
      SprayBurst(image, p.x, p.y, size, m_params.spread, m_params.strength, m_params.colour, kSprayDensity,
                 *m_random);
      touched = SquareAround(p, size);
      break;
    case HairStrokeTool::snippers:
      return {};
  }
  m_layer.AddEditRect(touched.left, touched.top, touched.right, touched.bottom);
  return touched;
}

CRect CHairStroke::ApplyStep(CPoint a, CPoint b) {
  CDibAlpha& image = *m_layer.GetImage();
  const int size = m_params.size;
  if (IsFar(a) || IsFar(b)) return {};
  CRect touched;
  switch (m_params.tool) {
    case HairStrokeTool::comb:
      Smudge(image, a, b, size, m_params.spread, m_params.strength);
      touched = Grown(UnionOf(SquareAround(a, size), SquareAround(b, size)), 2);
      break;
    case HairStrokeTool::snippers:
      Erase(image, a, b, size);
      touched = Grown(UnionOf(SquareAround(a, size), SquareAround(b, size)), 2);
      break;
    case HairStrokeTool::brush:
      PaintLine(image, a, b, size, m_params.spread, m_params.strength, m_params.colour);
      touched = Grown(UnionOf(SquareAround(a, size), SquareAround(b, size)), 2);
      break;
    case HairStrokeTool::spray:
      // The spray bursts at the new point only; its square is the whole
      // S x S, also for an odd S.
      SprayBurst(image, b.x, b.y, size, m_params.spread, m_params.strength, m_params.colour, kSprayDensity,
                 *m_random);
      touched = SquareAround(b, size);
      break;
  }
  m_layer.AddEditRect(touched.left, touched.top, touched.right, touched.bottom);
  return touched;
}
