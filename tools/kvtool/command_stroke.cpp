#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>

#include "app/document/layer.h"
#include "app/editing/hair_stroke.h"
#include "imagelib/alpha_pcx.h"
#include "platform/core/atomic_file.h"
#include "tools/kvtool/image_io.h"
#include "tools/kvtool/stroke_command.h"

namespace {

// Far enough for any layer; a point beyond it is a typing error.
constexpr int kFarthestPoint = 1000000;

bool ParseTool(const std::string& word, HairStrokeTool* tool) {
  if (word == "comb") *tool = HairStrokeTool::comb;
  else if (word == "snippers") *tool = HairStrokeTool::snippers;
  else if (word == "brush") *tool = HairStrokeTool::brush;
  else if (word == "spray") *tool = HairStrokeTool::spray;
  else return false;
  return true;
}

bool ParseDouble(const std::string& text, double* value) {
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), *value);
  return error == std::errc() && end == text.data() + text.size() && !text.empty() && std::isfinite(*value);
}

std::vector<std::string> Words(const std::string& text) {
  std::istringstream in(text);
  return {std::istream_iterator<std::string>(in), {}};
}

bool ParsePoints(const std::string& text, std::vector<CPoint>* points) {
  for (const std::string& word : Words(text)) {
    CPoint p;
    if (!ParseIntPair(word, ',', &p.x, &p.y) || std::abs(p.x) > kFarthestPoint || std::abs(p.y) > kFarthestPoint)
      return false;
    points->push_back(p);
  }
  return !points->empty();
}

bool ParseNumbers(const std::string& text, std::vector<unsigned>* numbers) {
  for (const std::string& word : Words(text)) {
    int n = 0;
    if (!ParseInt(word, &n) || n < 0) return false;
    numbers->push_back(static_cast<unsigned>(n));
  }
  return !numbers->empty();
}

std::string Shortest(double value) {
  char text[32];
  auto [end, error] = std::to_chars(text, text + sizeof text, value);
  return error == std::errc() ? std::string(text, end) : std::string("?");
}

bool ReadFile(const std::string& path, std::vector<unsigned char>* bytes) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  bytes->assign(std::istreambuf_iterator<char>(in), {});
  return true;
}

}  // namespace

bool ParseStroke(const CommandArgs& args, StrokeRequest* request) {
  std::vector<std::string> words;
  bool havePoints = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& word = args[i];
    if (!word.starts_with("--")) {
      words.push_back(word);
      continue;
    }
    if (word == "--comb-drawing") {
      request->controls.combDrawing = true;
      continue;
    }
    if (i + 1 == args.size()) return false;
    const std::string& value = args[++i];
    if (word == "--points") {
      if (!ParsePoints(value, &request->points)) return false;
      havePoints = true;
    } else if (word == "--pressure") {
      int& pressure = request->controls.pressure;
      if (!ParseInt(value, &pressure) || pressure < 0 || pressure > 100) return false;
    } else if (word == "--thickness") {
      int& thickness = request->controls.thickness;
      if (value == "none") thickness = kNoThickness;
      else if (!ParseInt(value, &thickness) || thickness < 1 || thickness > 6) return false;
    } else if (word == "--scale") {
      if (!ParseDouble(value, &request->scale) || request->scale <= 0) return false;
    } else if (word == "--colour") {
      unsigned long colour = 0;
      if (!ParseHexColor(value, &colour)) return false;
      request->controls.colour = static_cast<COLORREF>(colour);
    } else if (word == "--rand") {
      std::vector<unsigned> numbers;
      if (!ParseNumbers(value, &numbers)) return false;
      request->random = std::move(numbers);
    } else {
      return false;
    }
  }
  if (words.size() != 5 || !havePoints || !ParseTool(words[0], &request->tool)) return false;
  request->layer = words[1];
  request->alpha = words[2];
  request->outputLayer = words[3];
  request->outputAlpha = words[4];
  return true;
}

// The stroke runs on a layer whose frame is the image itself, so that the
// backup, the pending rectangle and its clipping are the program's own.
StrokeOutcome ApplyStroke(CDibAlpha& image, const StrokeRequest& request) {
  StrokeOutcome outcome;
  outcome.params = MakeHairToolParams(request.tool, request.controls, request.scale);
  CLayer layer(false);
  layer.AttachImage(std::make_unique<CDibAlpha>(image),
                    CDoubleRect{0, 0, static_cast<double>(image.Width()), static_cast<double>(image.Height())});
  std::unique_ptr<CStrokeRandom> random;
  if (request.random) random = std::make_unique<CReplayRandom>(*request.random);
  CHairStroke stroke(layer, outcome.params, std::move(random));
  stroke.StartInImage(request.points.front());
  for (std::size_t i = 1; i < request.points.size(); ++i) stroke.StepInImage(request.points[i - 1], request.points[i]);
  outcome.pending = layer.GetPendingEditRect();
  image = *layer.GetImage();
  return outcome;
}

std::string DescribeStroke(const StrokeOutcome& outcome) {
  const CHairToolParams& p = outcome.params;
  std::string text = "params " + std::to_string(p.size) + " " + Shortest(p.spread) + " " + Shortest(p.strength) + "\n";
  const CRect& r = outcome.pending;
  if (r.IsRectEmpty())
    text += "pending empty\n";
  else
    text += "pending " + std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
            std::to_string(r.bottom) + "\n";
  return text;
}

int RunStroke(const CommandArgs& args) {
  StrokeRequest request;
  if (!ParseStroke(args, &request)) return UsageError(FindCommand("stroke"));
  CDibAlpha image;
  if (!LoadImageOrReport(request.layer, image)) return kExitFailure;
  std::vector<unsigned char> plane;
  if (!ReadFile(request.alpha, &plane)) return Fail(request.alpha, "cannot be opened");
  const std::optional<CSize> planeSize = pixkit::ReadAlphaPcxSize(plane);
  if (!planeSize) return Fail(request.alpha, "not an alpha PCX file or corrupt");
  if (*planeSize != image.GetSize())
    return Fail(request.alpha, "the plane is " + std::to_string(planeSize->cx) + "x" + std::to_string(planeSize->cy) +
                                   ", the layer " + std::to_string(image.Width()) + "x" +
                                   std::to_string(image.Height()));
  if (!image.LoadAlphaFromMemory(plane.data(), static_cast<unsigned>(plane.size())))
    return Fail(request.alpha, "not an alpha PCX file or corrupt");

  const StrokeOutcome outcome = ApplyStroke(image, request);
  if (!SaveImageOrReport(image, request.outputLayer)) return kExitFailure;
  if (!WriteFileAtomically(request.outputAlpha,
                           [&](const std::string& temporary) { return image.SaveAlphaToFile(temporary); }))
    return Fail(request.outputAlpha, "cannot be written");
  std::fputs(DescribeStroke(outcome).c_str(), stdout);
  return 0;
}
