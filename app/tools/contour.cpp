// The contour's drags and drawing. A drag works on the vertex lists
// directly and rebuilds the region once, when it ends, since a lasso of
// thousands of vertices would otherwise rebuild it on every mouse move.
#include "app/tools/contour.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/core/rounding.h"
#include "platform/core/virtual_keys.h"

namespace {

unsigned char KeyBit(int virtualKey) {
  switch (virtualKey) {
    case VK_CONTROL: return kContourKeyCtrl;
    case VK_SHIFT: return kContourKeyShift;
    case VK_MENU: return kContourKeyAlt;
    case VK_SPACE: return kContourKeySpace;
    default: return 0;
  }
}

CDoublePoint Exact(CPoint p) { return {static_cast<double>(p.x), static_cast<double>(p.y)}; }

}  // namespace

// Freehand drawing: the press is the first vertex, each move adds one,
// except while Ctrl+Space holds the drawing paused.
class CContourDrawDrag : public CContourDrag {
 public:
  explicit CContourDrawDrag(CContour& contour) : m_contour(contour) {}
  void Begin(CPoint p) override {
    m_contour.m_vertices.clear();
    m_contour.m_exactVertices.clear();
    m_contour.m_completed = false;
    m_contour.OnNewOutline();
    Append(p);
  }
  void Move(CPoint p) override {
    if (!m_contour.IsPaused()) Append(p);
  }
  void Key(int virtualKey, bool down) override { down ? m_contour.OnKeyDown(virtualKey) : m_contour.OnKeyUp(virtualKey); }
  bool End() override {
    m_contour.RebuildRegion();
    m_contour.m_completed = !m_contour.m_vertices.empty();
    return true;
  }

 private:
  // A pointer that did not move adds nothing: repeated points would only
  // make segments of no length.
  void Append(CPoint p) {
    if (!m_contour.m_vertices.empty() && m_contour.m_vertices.back() == p) return;
    m_contour.m_vertices.push_back(p);
    m_contour.m_exactVertices.push_back(Exact(p));
  }
  CContour& m_contour;
};

class CContourMoveDrag : public CContourDrag {
 public:
  explicit CContourMoveDrag(CContour& contour) : m_contour(contour) {}
  void Begin(CPoint p) override {
    m_last = p;
    m_boxBefore = m_contour.m_region.GetRgnBox();
  }
  void Move(CPoint p) override {
    const int dx = p.x - m_last.x;
    const int dy = p.y - m_last.y;
    if (dx == 0 && dy == 0) return;
    for (CPoint& v : m_contour.m_vertices) v = {v.x + dx, v.y + dy};
    for (CDoublePoint& v : m_contour.m_exactVertices) v = {v.x + dx, v.y + dy};
    m_last = p;
    m_moved = true;
  }
  bool End() override {
    if (!m_moved) return false;
    m_contour.RebuildRegion();
    const CRect after = m_contour.m_region.GetRgnBox();
    m_contour.OnOutlineMoved({after.left - m_boxBefore.left, after.top - m_boxBefore.top});
    return true;
  }

 private:
  CContour& m_contour;
  CPoint m_last;
  CRect m_boxBefore;
  bool m_moved = false;
};

class CContourVertexDrag : public CContourDrag {
 public:
  CContourVertexDrag(CContour& contour, int index) : m_contour(contour), m_index(index) {}
  void Move(CPoint p) override {
    CPoint& v = m_contour.m_vertices[m_index];
    if (v == p) return;
    v = p;
    m_contour.m_exactVertices[m_index] = Exact(p);
    m_moved = true;
  }
  bool End() override {
    if (m_moved) m_contour.RebuildRegion();
    return m_moved;
  }

 private:
  CContour& m_contour;
  int m_index;
  bool m_moved = false;
};

CPoint CContour::ViewToDocument(CPoint view) const {
  return {TruncateToInt((view.x + m_originX) / m_zoom), TruncateToInt((view.y + m_originY) / m_zoom)};
}

CPoint CContour::DocumentToView(CPoint document) const {
  return {TruncateToInt(document.x * m_zoom) - m_originX, TruncateToInt(document.y * m_zoom) - m_originY};
}

void CContour::SetVertices(std::vector<CPoint> vertices) {
  m_vertices = std::move(vertices);
  m_exactVertices.clear();
  for (CPoint p : m_vertices) m_exactVertices.push_back(Exact(p));
  RebuildRegion();
}

void CContour::ClearVertices() {
  m_vertices.clear();
  m_exactVertices.clear();
  m_completed = false;
  RebuildRegion();
}

void CContour::RebuildRegion() { m_region = CPolygonRegion(m_vertices); }

bool CContour::OnKeyDown(int virtualKey) {
  const unsigned char bit = KeyBit(virtualKey);
  m_heldKeys |= bit;
  return bit != 0;
}

bool CContour::OnKeyUp(int virtualKey) {
  const unsigned char bit = KeyBit(virtualKey);
  m_heldKeys &= static_cast<unsigned char>(~bit);
  return bit != 0;
}

std::optional<int> CContour::VertexAtView(int x, int y) const {
  for (std::size_t i = 0; i < m_vertices.size(); ++i) {
    const CPoint v = DocumentToView(m_vertices[i]);
    if (std::abs(v.x - x) <= kContourVertexHitRadius && std::abs(v.y - y) <= kContourVertexHitRadius)
      return static_cast<int>(i);
  }
  return std::nullopt;
}

std::optional<HCURSOR> CContour::SetCursorAt(int x, int y) const {
  HCURSOR chosen = m_cursors.outline;
  if (IsVertexArmed() && VertexAtView(x, y))
    chosen = m_cursors.vertex;
  else if (IsDrawArmed() && m_mayDraw)
    chosen = m_cursors.inside;
  if (!chosen) return std::nullopt;
  return chosen;
}

bool CContour::OnButtonDown(CContourDragRunner& runner, CPoint p) {
  if (IsMoveArmed() && !m_vertices.empty()) {
    CContourMoveDrag drag(*this);
    if (runner.Run(drag, p) && drag.End()) return true;
  }
  if (IsVertexArmed()) {
    const CPoint view = DocumentToView(p);
    if (const std::optional<int> index = VertexAtView(view.x, view.y)) {
      CContourVertexDrag drag(*this, *index);
      if (runner.Run(drag, p) && drag.End()) return true;
    }
  }
  if (IsDrawArmed() && m_mayDraw) {
    CContourDrawDrag drag(*this);
    return runner.Run(drag, p) && drag.End();
  }
  return false;
}

void CContour::Draw(CDC& dc, int dashPhase) const {
  constexpr int kDash = 4;
  const std::size_t count = m_vertices.size();
  if (count == 0) return;
  const std::size_t segments = m_closed && count > 2 ? count : count - 1;
  long long along = dashPhase;
  const auto plot = [&](int x, int y) {
    const bool dash = ((along / kDash) & 1) != 0;
    dc.SetPixel(x, y, dash ? m_fillColour : m_lineColour);
    ++along;
  };
  if (count == 1) {
    const CPoint v = DocumentToView(m_vertices[0]);
    plot(v.x, v.y);
    return;
  }
  for (std::size_t i = 0; i < segments; ++i) {
    // Bresenham, leaving out the end point: the next segment starts there.
    CPoint a = DocumentToView(m_vertices[i]);
    const CPoint b = DocumentToView(m_vertices[(i + 1) % count]);
    const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
    const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
    int error = dx + dy;
    while (a != b) {
      plot(a.x, a.y);
      const int twice = 2 * error;
      if (twice >= dy) {
        error += dy;
        a.x += sx;
      }
      if (twice <= dx) {
        error += dx;
        a.y += sy;
      }
    }
  }
  if (!(m_closed && count > 2)) {
    const CPoint last = DocumentToView(m_vertices.back());
    plot(last.x, last.y);
  }
}

CRect CContour::GetViewBounds() const {
  if (m_vertices.empty()) return {};
  CPoint first = DocumentToView(m_vertices[0]);
  CRect box(first.x, first.y, first.x + 1, first.y + 1);
  for (CPoint v : m_vertices) {
    const CPoint p = DocumentToView(v);
    box.left = std::min(box.left, p.x);
    box.top = std::min(box.top, p.y);
    box.right = std::max(box.right, p.x + 1);
    box.bottom = std::max(box.bottom, p.y + 1);
  }
  return box;
}
