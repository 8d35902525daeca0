// The in-place flag of the Effect_ operations: true writes into the image
// itself and returns it; false writes into a new black plain CDib of the same
// size, which the caller owns, and leaves the image as it was.
#pragma once

#include <memory>

#include "imagelib/dib.h"
#include "imagelib/dib_pixels.h"

namespace pixkit {

// Runs body(in, out) with the locked pixel areas of the image and the target
// (the same area in place). Null when the image has no block or the new
// image cannot be made.
template <typename Body>
CDib* ApplyEffect(CDib& image, bool inPlace, Body body) {
  if (image.IsEmpty()) return nullptr;
  std::unique_ptr<CDib> created;
  if (!inPlace) {
    created = std::make_unique<CDib>();
    if (!created->Create(image.GetSize())) return nullptr;
  }
  CDib& target = inPlace ? image : *created;
  LockedPixels in(image);
  LockedPixels out(target);
  if (!in || !out) return nullptr;
  body(in.bits(), out.bits());
  return inPlace ? &image : created.release();
}

// Maps every channel through its 256-entry table (blue, green, red).
inline void MapThroughTables(const unsigned char* in, unsigned char* out, int width, int height,
                             int rowLength, const unsigned char (&tables)[3][256]) {
  for (int row = 0; row < height; ++row) {
    const unsigned char* from = in + static_cast<std::ptrdiff_t>(row) * rowLength;
    unsigned char* to = out + static_cast<std::ptrdiff_t>(row) * rowLength;
    for (int x = 0; x < width; ++x, from += 3, to += 3) {
      to[0] = tables[0][from[0]];
      to[1] = tables[1][from[1]];
      to[2] = tables[2][from[2]];
    }
  }
}

}  // namespace pixkit
