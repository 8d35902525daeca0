// `kvtool stroke`: one hair-tool stroke on a layer read from files, in image
// pixels, as the view's stroke loop runs it: the tool's start at the first
// point and one step per following point. It prints the parameters the
// controls gave and the pending-edit rectangle the stroke left, so a stroke
// can be replayed and checked outside the program; `--rand` fixes the
// spray's numbers. Parsing and the stroke are separate from the run for the
// tests.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "app/editing/hair_tool_params.h"
#include "imagelib/dib_alpha.h"
#include "tools/kvtool/command.h"

struct StrokeRequest {
  HairStrokeTool tool = HairStrokeTool::comb;
  std::string layer;
  std::string alpha;
  std::string outputLayer;
  std::string outputAlpha;
  std::vector<CPoint> points;
  CHairToolControls controls;
  double scale = 1.0;
  std::optional<std::vector<unsigned>> random;
};
bool ParseStroke(const CommandArgs& args, StrokeRequest* request);

struct StrokeOutcome {
  CHairToolParams params;
  CRect pending;  // empty when the stroke touched nothing
};
// Runs the stroke on `image` in place.
StrokeOutcome ApplyStroke(CDibAlpha& image, const StrokeRequest& request);

// "params S spread strength" and "pending L,T,R,B" (or "pending empty"),
// each with a newline; numbers in their shortest exact form.
std::string DescribeStroke(const StrokeOutcome& outcome);
