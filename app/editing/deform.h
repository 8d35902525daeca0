// The liposuction simulation: the photo warped inside the area so that the
// picture along the initial contour moves onto the final contour.
#pragma once

#include <memory>
#include <vector>

#include "app/editing/field_warp.h"

class CKelvoraDoc;

enum class DeformResult { notReady, cancelled, done };

// The warp of `photo` (photo-image pixels): area polygon, anchors, contour
// pairs, FieldWarp into a new white image. Null when fewer than 2 contour
// or 3 area vertices are given, or when cancelled.
std::unique_ptr<CDib> WarpPhoto(CDib& photo, const std::vector<CPoint>& area, const std::vector<CPoint>& initial,
                                const std::vector<CPoint>& final, const WarpProgress& progress = {},
                                bool* cancelled = nullptr);

// "Start simulation" on the current projection: the tools are disarmed,
// the warp runs with `progress` (false cancels: the photo stays as it was,
// no step is pushed and the contours are kept), the photo layer pushes
// "Modelling", the view is recomposed and the contours are discarded.
DeformResult Deform(CKelvoraDoc& document, const WarpProgress& progress = {});
