// What the area and warp commands share: options as name/value pairs,
// point lists as one argument, a layer read with its alpha plane, a mask
// written as a grey picture.
#pragma once

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "app/tools/selection_mask.h"
#include "imagelib/dib_alpha.h"
#include "tools/kvtool/command.h"

struct AreaArgs {
  std::vector<std::string> words;               // arguments that are not options
  std::map<std::string, std::string> options;  // "--name" -> value
};
// False when an option has no value or is not in `known`.
bool SplitAreaArgs(const CommandArgs& args, const std::vector<std::string>& known, AreaArgs* out);

// "x,y x,y ..." with every coordinate within a million of the origin.
bool ParsePointList(const std::string& text, std::vector<CPoint>* points);
// A whole number within [low, high].
bool ParseBoundedInt(const std::string& text, int low, int high, int* value);

// LAYER and its alpha PCX of the same size; on failure prints the reason.
bool LoadLayerWithAlpha(const std::string& layerPath, const std::string& alphaPath, CDibAlpha& layer);
// The layer's colour as BMP or JPEG and its plane as an alpha PCX.
bool SaveLayerWithAlpha(CDibAlpha& layer, const std::string& imagePath, const std::string& alphaPath);
// The mask as a grey picture and "origin X Y", "size W H" on stdout.
bool SaveMaskPicture(const CSelectionMask& mask, const std::string& path);
