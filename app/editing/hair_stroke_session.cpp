#include "app/editing/hair_stroke_session.h"

#include "app/document/kelvora_doc.h"

CHairStrokeSession::CHairStrokeSession(CKelvoraDoc& document, CLayer& layer, const CHairToolParams& params,
                                       std::unique_ptr<CStrokeRandom> random)
    : m_document(document), m_layer(layer), m_stroke(layer, params, std::move(random)) {}

void CHairStrokeSession::Recompose(const CRect& rect) {
  if (!rect.IsRectEmpty()) m_document.UpdateView(rect);
}

void CHairStrokeSession::Press(CPoint documentPoint) { Recompose(m_stroke.Begin(documentPoint)); }

void CHairStrokeSession::DragTo(CPoint client) {
  Recompose(m_stroke.Move(m_layer.MapClientPoint(client.x, client.y)));
}

bool CHairStrokeSession::Release() {
  const bool pushed = m_stroke.End();
  m_document.Host().RefreshViews();
  return pushed;
}
