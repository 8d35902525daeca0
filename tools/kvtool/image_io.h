// Loading and saving images for kvtool: load through CDib::LoadFromFile with
// a reason for failure, save by the output name's type without ever leaving
// a half-written file behind.
#pragma once

#include <string>
#include <vector>

#include "imagelib/dib.h"

struct JpegOutputOptions {
  int quality = 75;
  bool grayscale = false;
  bool forceBaseline = true;
};

// Loads `path` into `image`; on failure prints one line and returns false.
bool LoadImageOrReport(const std::string& path, CDib& image);

// Saves as BMP or JPEG by the name's extension; on failure prints one line
// and returns false. The file appears only when complete.
bool SaveImageOrReport(CDib& image, const std::string& path, const JpegOutputOptions& jpeg = {});

// Parses "RRGGBB" (hex red, green, blue) into a 0x00BBGGRR colour.
bool ParseHexColor(const std::string& text, unsigned long* color);
// Takes "--background RRGGBB" out of `args` into `color` and the remaining
// words into `words`; false when the option has no valid colour.
bool SplitBackgroundOption(const std::vector<std::string>& args, std::vector<std::string>* words,
                           unsigned long* color);
// Parses a whole decimal integer.
bool ParseInt(const std::string& text, int* value);
// Parses "A,B" or "AxB" style pairs with the given separator.
bool ParseIntPair(const std::string& text, char separator, int* first, int* second);
