// The per-tool table. The comb's pressure factor is the double one step
// above 0.007, as the tool has always computed it; the strengths are kept in
// exactly this arithmetic so strokes repeat byte for byte.
#include "app/editing/hair_tool_params.h"

#include <cmath>

#include "app/document/layer.h"
#include "app/tools/undo_step.h"

namespace {

struct ToolRow {
  double factor[6];
  double spread[6];
};

const ToolRow& RowOf(HairStrokeTool tool) {
  static constexpr ToolRow kComb{{10, 14, 18, 22, 26, 35}, {0.07, 0.13, 0.2, 0.3, 0.4, 0.5}};
  static constexpr ToolRow kSnippers{{11, 13, 15, 17, 19, 21}, {0.3, 0.4, 0.5, 0.6, 0.7, 0.8}};
  static constexpr ToolRow kBrush{{3, 5, 7, 9, 11, 13}, {0.3, 0.4, 0.5, 0.6, 0.7, 0.8}};
  static constexpr ToolRow kSpray{{5, 7, 9, 11, 13, 15}, {0.3, 0.4, 0.5, 0.6, 0.7, 0.8}};
  switch (tool) {
    case HairStrokeTool::snippers: return kSnippers;
    case HairStrokeTool::brush: return kBrush;
    case HairStrokeTool::spray: return kSpray;
    case HairStrokeTool::comb: break;
  }
  return kComb;
}

double StrengthOf(HairStrokeTool tool, int pressure) {
  const double release = 100 - pressure;
  switch (tool) {
    case HairStrokeTool::comb: return release * 0.007000000000000001 + 0.1;
    case HairStrokeTool::brush: return release * 0.00092 + 0.008;
    case HairStrokeTool::spray: return release * 0.0019 + 0.01;
    case HairStrokeTool::snippers: break;
  }
  return 0.0;
}

// trunc(scale * factor), kept between the smallest size a mask can have and
// the largest worth allocating; a scale that is not a number gives the least.
int SizeOf(double scale, double factor) {
  const double size = std::trunc(scale * factor);
  if (!(size >= kMinBrushSize)) return kMinBrushSize;
  if (size > kMaxBrushSize) return kMaxBrushSize;
  return static_cast<int>(size);
}

}  // namespace

double LayerScale(const CLayer& layer) {
  const CDibAlpha* image = layer.GetImage();
  const double topEdge = layer.GetSizeExact().cx;
  if (!image || image->IsEmpty() || !(topEdge > 0)) return 1.0;
  return image->Width() / topEdge;
}

CHairToolParams MakeHairToolParams(HairStrokeTool tool, const CHairToolControls& controls, double scale) {
  CHairToolParams params;
  params.tool = tool;
  params.scale = scale;
  params.colour = controls.colour;
  params.combDrawing = controls.combDrawing;
  params.strength = StrengthOf(tool, controls.pressure);
  if (controls.thickness >= 1 && controls.thickness <= 6) {
    const ToolRow& row = RowOf(tool);
    params.size = SizeOf(scale, row.factor[controls.thickness - 1]);
    params.spread = row.spread[controls.thickness - 1];
  }
  return params;
}

unsigned HairToolStepNameId(HairStrokeTool tool) {
  switch (tool) {
    case HairStrokeTool::snippers: return kScissorsToolStepNameId;
    case HairStrokeTool::brush: return kBrushToolStepNameId;
    case HairStrokeTool::spray: return kSprayToolStepNameId;
    case HairStrokeTool::comb: break;
  }
  return kCombToolStepNameId;
}
