// The scanners and cameras SANE finds (Debian's libsane and its back ends),
// each a TWAIN source whose window offers SANE's scan mode and resolution.
#pragma once

#include <memory>

#include "platform/twain/twain_device.h"

std::unique_ptr<CTwainDeviceList> MakeSaneDeviceList();

// A SANE image as it arrives: `bytesPerLine` bytes a line, `depth` bits a
// sample, three samples a pixel when `colour`, else one. Converted to a
// packed 24-bit DIB; null when the numbers do not fit the data or the limits.
struct SaneRaster {
  int width = 0;
  int lines = 0;
  int bytesPerLine = 0;
  int depth = 8;
  bool colour = true;
};
HGLOBAL SaneRasterToDib(const SaneRaster& raster, const unsigned char* data, std::size_t size);
