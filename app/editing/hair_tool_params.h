// What a hair-tool stroke works with, read from the main window's controls
// when the stroke starts: the brush size in image pixels, the spread and
// strength of its mask, the colour and the comb's drawing switch.
//
// Sizes in the table are document units; the layer's scale (image pixels per
// document unit) turns them into image pixels, so a brush covers the same
// part of the picture whatever the layer's resolution.
#pragma once

#include "platform/core/device_context.h"

class CLayer;

enum class HairStrokeTool { comb, snippers, brush, spray };

// The controls as the user left them.
struct CHairToolControls {
  int pressure = 50;         // the "Tools pressure" slider, 0 to 100
  int thickness = 0;         // the thickness button 1 to 6 that is down, 0 for none
  COLORREF colour = 0;       // 0x00BBGGRR
  bool combDrawing = false;  // check box 1023
};

inline constexpr int kNoThickness = 0;
// Without a thickness button every tool paints 30 pixels wide, spread 0.5.
inline constexpr int kDefaultBrushSize = 30;
inline constexpr double kDefaultBrushSpread = 0.5;
// A mask of size 1 has no half to measure its weights from (h = 0); every
// tool paints at least this wide.
inline constexpr int kMinBrushSize = 2;
// Beyond this the mask alone would take hundreds of megabytes; only a frame
// squeezed to almost nothing gives such scales.
inline constexpr int kMaxBrushSize = 4096;
inline constexpr double kSprayDensity = 0.2;

struct CHairToolParams {
  HairStrokeTool tool = HairStrokeTool::comb;
  int size = kDefaultBrushSize;  // S, image pixels
  double spread = kDefaultBrushSpread;
  double strength = 0.0;         // A; not used by the snippers (0)
  COLORREF colour = 0;
  bool combDrawing = false;
  double scale = 1.0;            // sx, image pixels per document unit
};

// The layer image's width over the frame's exact top-edge length; 1.0 for a
// layer without an image or with a frame of no width.
double LayerScale(const CLayer& layer);

// The per-tool table applied to the controls and the scale.
CHairToolParams MakeHairToolParams(HairStrokeTool tool, const CHairToolControls& controls, double scale);

// The undo step name (string id) of the tool's strokes.
unsigned HairToolStepNameId(HairStrokeTool tool);
