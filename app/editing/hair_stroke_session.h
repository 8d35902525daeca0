// A hair-tool stroke as the view runs it: the press in document units, then
// the drag loop's positions in window pixels (turned into document points
// through the layer's view mapping), each step recomposed into the view at
// once, and the release. The view's drag handler only forwards to this.
#pragma once

#include <memory>

#include "app/editing/hair_stroke.h"

class CKelvoraDoc;
class CLayer;

class CHairStrokeSession {
 public:
  CHairStrokeSession(CKelvoraDoc& document, CLayer& layer, const CHairToolParams& params,
                     std::unique_ptr<CStrokeRandom> random = nullptr);

  void Press(CPoint documentPoint);
  void DragTo(CPoint clientPoint);
  // Ends the stroke (a cancelled drag keeps what was painted, as a release
  // does) and refreshes the views. True when a step was pushed.
  bool Release();

  CHairStroke& Stroke() { return m_stroke; }

 private:
  void Recompose(const CRect& rect);

  CKelvoraDoc& m_document;
  CLayer& m_layer;
  CHairStroke m_stroke;
};
