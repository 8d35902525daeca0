// The area commands (Blur, Clear, Fill, Copy, Paste) on the edited layer
// through a selection outline, and the magic wand's selection by colour.
// Each of Blur, Clear, Fill and Paste is one pixel undo step of the layer.
#pragma once

#include <functional>
#include <optional>

#include "platform/core/device_context.h"
#include "platform/core/geometry.h"

class CKelvoraDoc;
class CLayer;
class CSelectionContour;

enum class AreaOp { blur = 0, clear = 1, fill = 2, copy = 3, paste = 4 };

// The main window's controls as the command reads them.
struct CAreaControls {
  int pressure = 50;  // "Tools pressure", 0..100
  int thickness = 1;  // the thickness button down, 1..6 (0 none)
  COLORREF colour = 0;
};

// e = (100 - P) * 0.01.
double AreaStrength(int pressure);
// sigma = 2 * trunc((100 - P) / 100) + 1: 3 at pressure 0, 1 otherwise.
int AreaBlurSigma(int pressure);
// 1 -> 5, 2 -> 9, ... 6 -> 25; with no button down as thickness 1.
int AreaFeatherRadius(int thickness);
// The undo step name (string id) of an operation; 0 for Copy.
unsigned AreaStepNameId(AreaOp op);

// The operation on `layer` alone: the image rectangle it touched, or
// nullopt when nothing was done (no completed outline, nothing copied for a
// paste, a mask too large). `progress` hears the mask's percentage.
std::optional<CRect> ApplyAreaOperation(CLayer& layer, CSelectionContour& selection, AreaOp op,
                                        const CAreaControls& controls, const std::function<void(int)>& progress = {});

// The command: nothing without a layer or a selection; otherwise the
// operation under the wait cursor, then the touched rectangle recomposed.
bool AreaOperation(CKelvoraDoc& document, CLayer* layer, CSelectionContour* selection, AreaOp op,
                   const CAreaControls& controls, const std::function<void(int)>& progress = {});

// The wand on `layer` at document point p: the outline and the mask become
// the wand outline's, feathered by thickness. False when p misses the
// layer image.
bool SelectByColour(CLayer& layer, CSelectionContour& wand, CPoint p, int pressure, int thickness);
// SelectByColour under the wait cursor, then the view refreshed.
bool MagicWandSelect(CKelvoraDoc& document, CLayer& layer, CSelectionContour& wand, CPoint p, int pressure,
                     int thickness);
