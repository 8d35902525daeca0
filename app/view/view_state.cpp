#include "app/view/view_state.h"

#include <algorithm>

#include "platform/core/rounding.h"

namespace {

int ClampAxis(int value, int screen, int client, double zoom) {
  const int maximum = screen - TruncateToInt(client / zoom);
  if (value > maximum) return maximum;
  return value < 0 ? 0 : value;
}

}  // namespace

CPoint CViewState::ClientToDocument(CPoint client) const {
  return {TruncateToInt(client.x / m_zoom) + m_scroll.x, TruncateToInt(client.y / m_zoom) + m_scroll.y};
}

CRect CViewState::VisibleDocumentRect() const {
  return {m_scroll.x, m_scroll.y, m_scroll.x + TruncateToInt(m_client.cx / m_zoom),
          m_scroll.y + TruncateToInt(m_client.cy / m_zoom)};
}

bool CViewState::ZoomIn() {
  if (m_zoom >= kMaxZoom) return false;
  m_zoom = m_zoom >= kMaxZoom - kZoomStep ? kMaxZoom : m_zoom + kZoomStep;
  return true;
}

bool CViewState::ZoomOut() {
  if (m_zoom <= kMinZoom) return false;
  m_zoom = m_zoom < kMinZoom + kZoomStep ? kMinZoom : m_zoom - kZoomStep;
  return true;
}

void CViewState::CentreOn(CPoint p) {
  m_scroll.x = p.x - TruncateToInt((m_client.cx / 2) / m_zoom);
  m_scroll.y = p.y - TruncateToInt((m_client.cy / 2) / m_zoom);
  ClampScroll();
}

// The maximum is checked first: with a client larger than the screen the
// maximum is negative, and the origin then goes there, not to 0.
void CViewState::ClampScroll() {
  m_scroll.x = ClampAxis(m_scroll.x, m_screen.cx, m_client.cx, m_zoom);
  m_scroll.y = ClampAxis(m_scroll.y, m_screen.cy, m_client.cy, m_zoom);
}

bool CViewState::Pan(int dx, int dy) {
  const int stepX = TruncateToInt(dx / m_zoom);
  const int stepY = TruncateToInt(dy / m_zoom);
  if (stepX == 0 && stepY == 0) return false;
  m_scroll.x -= stepX;
  m_scroll.y -= stepY;
  ClampScroll();
  return true;
}
