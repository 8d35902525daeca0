// A layer drawn once over an area and kept as what drawing it there reads:
// for every pixel of its box the blend term and the layer's table-mapped
// colour. Laying the samples under a raster gives the pixels
// PutUnderRectTransformInPlace over the whole area gives, whatever lies
// beneath, at a fraction of the cost: nothing is walked, looked up or mapped
// again. The view uses it for the layers over one being dragged.
#pragma once

#include <vector>

#include "platform/core/geometry.h"

class CDib;

class CLayerSamples {
 public:
  // Lays the samples under `under`, whose top-left pixel is point `corner`
  // of the sampled area; pixels outside the samples' box keep their values.
  void PutUnder(CDib& under, CPoint corner) const;
  // The pixels sampled, in the area's coordinates.
  const CRect& Box() const { return m_box; }

 private:
  friend class CDibAlpha;
  CRect m_box;
  // Four bytes per pixel of the box, rows top-down: the blend term (255
  // leaves the pixel as it is), then blue, green and red.
  std::vector<unsigned char> m_cells;
};
