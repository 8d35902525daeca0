// Skin pictures held as packed DIB blocks, as the controls keep them.
#pragma once

#include <memory>

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
