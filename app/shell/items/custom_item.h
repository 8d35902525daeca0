// The user's own items: the current layer kept in the custom base as it lies
// on the photo, and removed again.
//
// The stored picture is the layer as it shows (moved, resized, turned),
// resampled upright in the frame of the kind's reference (the face frame or
// a key-point line) and at a scale that makes the reference's top edge a
// whole number D of pixels. The record's placement holds the anchors the
// document's fitting reads: (left, top) is the picture's pixel under the
// reference's first corner, (right, bottom) lies D pixels to its right. So
// applying the item on the same photo puts every pixel back where it was,
// and on another photo fits it to that face as a shipped item is fitted.
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "app/bases/base_database.h"
#include "app/document/kelvora_doc.h"

struct CustomItem {
  std::unique_ptr<CDibAlpha> image;
  std::unique_ptr<CDib> thumbnail;
  BaseItemRecord record{};
};

// The current projection's layer of kind `layerNumber` (0 to 8) made into a
// custom item called `name`. Nothing when there is no such layer or image,
// the reference has no length, or the picture would pass the memory limit.
std::optional<CustomItem> MakeCustomItem(const CKelvoraDoc& document, const CLayer& layer, int layerNumber,
                                         const std::string& name);

// Adds the item to the custom base and saves it. False when the base is
// not open for writing or the write fails (the base keeps its old state).
bool AddToCustomBase(CBaseDatabase& customBase, const CKelvoraDoc& document, const CLayer& layer, int layerNumber,
                     const std::string& name);

// Deletes the item whose image block is at `imageOffset` and compacts the
// stores. False when there is no such item or the base cannot be written.
bool RemoveFromCustomBase(CBaseDatabase& customBase, std::uint32_t imageOffset);
