// Skin pictures held as packed DIB blocks, as the controls keep them.
//
// A style may give each picture again at twice the density, for screens
// whose device pixel ratio is 2 (the "@2x" name of the resource module).
// Whatever draws at scale 2 gets every picture at exactly twice its plain
// size: the style's own double picture, or, where the style has none or a
// double of the wrong size, the plain one with each pixel doubled. So strip
// cells, list cells and window shapes cut at twice the offsets line up.
#pragma once

#include <QImage>

#include <memory>
#include <string>

#include "platform/core/device_context.h"
#include "platform/core/memory_block.h"
#include "platform/core/resource_module.h"

struct MemoryBlockDeleter {
  void operator()(void* block) const { MemoryBlockFree(block); }
};
// An owned packed DIB block; null when the picture is absent.
using PictureBlock = std::unique_ptr<void, MemoryBlockDeleter>;

// A copy of the picture (name, type) of `module`; an empty type tries every
// picture type the image library knows. Null when it cannot be loaded.
PictureBlock LoadPictureBlock(const char* name, const char* type, HINSTANCE module);

// The picture's size from its header; (0, 0) for none or a damaged block.
CSize PictureSize(const void* block);

// Draws every pixel that is not pure black at (at.x + x, at.y + y), rows
// top-down. Takes 24-bit pictures and 8-bit ones through their 256-entry
// colour table. False when the block is absent, of another depth, or too
// small for what its header claims.
bool MaskDrawPicture(CDC* dc, const void* block, CPoint at);

// The picture (name, any picture type) for drawing at `scale` (1 or 2), as
// above. Null when the plain picture cannot be loaded.
PictureBlock LoadScaledPictureBlock(const std::string& name, HINSTANCE module, int scale);
// A copy with every pixel repeated `factor` times each way; null for a
// damaged block.
PictureBlock EnlargePictureBlock(const void* block, int factor);
// The picture as an image with its black pixels see-through, at `scale`
// pixels per logical pixel (its device pixel ratio). Null for a damaged block.
QImage MaskedPictureImage(const void* block, int scale);
