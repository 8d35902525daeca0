// Pushing layers under a raster: the one pixel operation behind the view,
// the gallery, printing and the skin-colour sample. The raster's corner
// stands at a document point; each layer is drawn scaled and turned into
// its frame through its colour table and opacity.
#pragma once

#include <memory>
#include <span>

#include "app/document/layer.h"

// What pushing `layer` under a raster of `area`'s size with its corner at
// document point (0, 0) reads, kept to be laid under parts of such rasters;
// null when nothing of it lands there (or memory runs short).
std::unique_ptr<CLayerSamples> SampleLayer(const CLayer& layer, CSize area);

// `layer` sampled once in its own box. Drawing a layer reads the same
// pixels wherever its box lands as long as the whole box is drawn, so a
// layer that only moves is drawn again from these at every move.
struct SampledBox {
  std::unique_ptr<CLayerSamples> samples;
  // What the samples were taken with; any other value takes a real drawing.
  const CDibAlpha* image = nullptr;
  CSize boxSize, size;
  double sine = 0, cosine = 1;
  int opacity = 100;
};
// Null when nothing of it would be drawn (or memory runs short).
std::unique_ptr<SampledBox> SampleLayerBox(const CLayer& layer);
// Pushes `layer` under `under` (corner at document point `corner`) from its
// samples: false, with nothing drawn, when the layer has changed other than
// by moving or its box is not wholly inside `under`.
bool PutSampledBoxUnder(const SampledBox& sampled, const CLayer& layer, CDib& under, CPoint corner);

// `source`'s rectangle `part` (inside it) copied into `into`, which is
// re-made only when its size differs, so a kept raster serves every
// recomposition of the same size. False when `part` leaves the source.
bool CopyPartInto(CDib& source, const CRect& part, CDib& into);

// Draws `layers`, in order, under `under`, whose top-left pixel is document
// point `corner`, and returns the result (of the same size). Layers that
// miss the raster leave it as it is.
std::unique_ptr<CDib> PushLayersUnder(std::span<const CLayer* const> layers, std::unique_ptr<CDib> under,
                                      CPoint corner);
