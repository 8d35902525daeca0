// One stroke of the comb, snippers, brush or spray on a layer, from the
// press to the release, as a state machine fed with document points.
//
// Begin takes the layer's edit backup and runs the tool's start at the
// press point; every Move applies the tool's step from the last point to the
// new one and adds what it touched to the layer's pending-edit rectangle;
// End pushes one undo step named after the tool (none when nothing was
// touched) and recomputes the layer's middle values. Begin and Move return
// the document rectangle to recompose.
//
// The pending rectangle of a step is the union of the S x S squares at both
// ends of the segment grown by a margin of 2, so a stroke that moves left or
// up is restored by Undo as fully as one that moves right or down. The
// recomposed rectangle covers the touched image rectangle mapped onto the
// document, besides the segment's box grown by the brush margin, so a layer
// shown smaller or turned is redrawn wherever it was painted.
#pragma once

#include <memory>

#include "app/editing/hair_tool_params.h"
#include "app/editing/stroke_random.h"
#include "platform/core/geometry.h"

class CLayer;

class CHairStroke {
 public:
  // `random` feeds the spray; without one the stroke seeds its own from the
  // clock. One generator serves the whole stroke.
  CHairStroke(CLayer& layer, const CHairToolParams& params, std::unique_ptr<CStrokeRandom> random = nullptr);
  ~CHairStroke();
  CHairStroke(const CHairStroke&) = delete;
  CHairStroke& operator=(const CHairStroke&) = delete;

  CRect Begin(CPoint pressPoint);
  CRect Move(CPoint point);
  // True when a step was pushed. Later calls do nothing.
  bool End();

  // The tool's start and its steps in image pixels, with no mapping (the
  // command-line tool); they add to the pending rectangle like Begin and
  // Move. StartInImage takes the edit backup in place of Begin.
  void StartInImage(CPoint p);
  void StepInImage(CPoint a, CPoint b);

  const CHairToolParams& Params() const { return m_params; }

 private:
  // The image rectangle the start or step touched, before clipping; empty
  // when it did nothing.
  CRect ApplyStart(CPoint p);
  CRect ApplyStep(CPoint a, CPoint b);
  CRect ToDocument(const CRect& touched) const;
  CPoint ToImage(CPoint documentPoint) const;

  CLayer& m_layer;
  CHairToolParams m_params;
  std::unique_ptr<CStrokeRandom> m_random;
  CPoint m_last;
  // MapToImage(m_last): the frame cannot change during the drag, and each
  // mapping walks the frame's outline.
  CPoint m_lastImage;
  bool m_begun = false;
  bool m_ended = false;
};
