// The kvtool commands that work on layers (images with a transparency
// plane): compose a layer onto a background, and turn alpha PCX planes into
// grey pictures and back, so layers can be made and inspected by hand.
// Parsing and the image work are separate from the runs for the tests.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "imagelib/dib_alpha.h"
#include "tools/kvtool/command.h"

struct ComposeRequest {
  std::string background;
  std::string layer;
  std::string output;
  std::optional<std::string> alpha;
  CPoint at;
  std::optional<CSize> size;  // the layer's own size when absent
  double degrees = 0.0;
  int opacity = 100;
};
bool ParseCompose(const CommandArgs& args, ComposeRequest* request);

// Without an alpha file: black pixels transparent, all others opaque.
void PlaneFromBlackKey(CDibAlpha& layer);
// The layer scaled, turned about its centre and drawn with the top-left of
// its bounding box at request.at.
std::unique_ptr<CDib> ApplyCompose(CDibAlpha& layer, CDib& background, const ComposeRequest& request);

struct AlphaRequest {
  bool fromBmp = false;
  std::string input;
  std::string output;
};
bool ParseAlpha(const CommandArgs& args, AlphaRequest* request);

// The plane as a grey picture, and a grey picture's blue channel as a plane.
std::unique_ptr<CDib> PlaneAsGrey(CDibAlpha& layer);
void PlaneFromBlue(CDibAlpha& layer);
