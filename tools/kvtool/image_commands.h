// The image-changing kvtool commands, split into parsing, the image
// operation and the run that loads and saves, so the first two can be tested
// without files. Each Parse* takes the words after the command name (file
// names included) and returns false on a usage error; each Apply* returns the
// new image, or null when the library refuses the operation.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "imagelib/dib.h"
#include "imagelib/lut.h"
#include "tools/kvtool/command.h"

struct ImageFiles {
  std::string input;
  std::string output;
};

// Loads files.input, applies `operation`, saves the result to files.output.
// `refused` is the reason printed when the operation gives null.
int RunOnImage(const ImageFiles& files, const std::function<std::unique_ptr<CDib>(CDib&)>& operation,
               const std::string& refused);

// Parses "A,B,C,D" into four integers.
bool ParseIntList4(const std::string& text, int values[4]);

struct ZoomRequest {
  ImageFiles files;
  CSize size;
};
bool ParseZoom(const CommandArgs& args, ZoomRequest* request);
std::unique_ptr<CDib> ApplyZoom(CDib& image, const ZoomRequest& request);

struct ThumbnailRequest {
  ImageFiles files;
  int side = 0;
  unsigned long background = 0xFFFFFF;
};
bool ParseThumbnail(const CommandArgs& args, ThumbnailRequest* request);
std::unique_ptr<CDib> ApplyThumbnail(CDib& image, const ThumbnailRequest& request);

struct RotateRequest {
  ImageFiles files;
  int degrees = 0;
  unsigned long background = 0;
};
bool ParseRotate(const CommandArgs& args, RotateRequest* request);
std::unique_ptr<CDib> ApplyRotate(CDib& image, const RotateRequest& request);

struct FlipRequest {
  ImageFiles files;
  bool horizontal = true;
};
bool ParseFlip(const CommandArgs& args, FlipRequest* request);
std::unique_ptr<CDib> ApplyFlip(CDib& image, const FlipRequest& request);

struct CropRequest {
  ImageFiles files;
  CRect rect;
};
bool ParseCrop(const CommandArgs& args, CropRequest* request);
std::unique_ptr<CDib> ApplyCrop(CDib& image, const CropRequest& request);

struct EffectRequest {
  enum Kind { brightness, contrast, filter, grayscale, invert, posterize, emboss, heightmap };
  ImageFiles files;
  Kind kind = invert;
  int amount = 0;              // brightness, contrast, grayscale type, posterize, heightmap
  unsigned long color = 0;     // filter
  std::optional<unsigned long> key;  // filter --key
};
bool ParseEffect(const CommandArgs& args, EffectRequest* request);
std::unique_ptr<CDib> ApplyEffect(CDib& image, const EffectRequest& request);

struct DissolveRequest {
  std::string first;
  std::string second;
  std::string output;
  double amount = 0.0;
};
bool ParseDissolve(const CommandArgs& args, DissolveRequest* request);
std::unique_ptr<CDib> ApplyDissolve(CDib& first, CDib& second, const DissolveRequest& request);

struct LutRequest {
  ImageFiles files;
  std::optional<int> brightness;
  std::optional<int> contrast;
  std::optional<int> hue;
  std::optional<unsigned long> filterColor;
  int filterLevel = 0;
};
bool ParseLut(const CommandArgs& args, LutRequest* request);
// The table in the order brightness, contrast and hue about the image's mean
// red, green and blue, then the filter.
CLut BuildLut(CDib& image, const LutRequest& request);
// Every pixel through the table; with `greyIndex` each channel's table is
// indexed by the pixel's grey (blue + green + red) / 3 instead.
std::unique_ptr<CDib> MapThroughLut(CDib& image, const CLut& lut, bool greyIndex);
std::unique_ptr<CDib> ApplyLut(CDib& image, const LutRequest& request);
