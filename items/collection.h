// One shipped collection: the generated items with their names, face
// shapes, category values and anchors, written as a version 3.0 item
// database with its category tree, name table and category lists.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "imagelib/dib_alpha.h"
#include "items/item_canvas.h"
#include "platform/core/geometry.h"

// What the document fits an item of a kind to.
enum class ItemAnchor { faceFrame, eyesLine, lipsLine, underarmLine };

struct GeneratedItem {
  std::string name;
  int faceShape = 0;                    // 0 none, 1 to 5
  std::vector<std::string> categories;  // level 0 first, at most five
  std::unique_ptr<CDibAlpha> image;
  // The item's placement: the two anchor points, in image pixels, that the
  // document puts on the reference's first corner and scales to its top edge.
  CRect anchors;
};

// The item drawn on `canvas`, anchored so that it lands on the portrait
// where it was drawn.
GeneratedItem FinishItem(const ItemCanvas& canvas, ItemAnchor anchor, std::string name,
                         std::vector<std::string> categories, int faceShape);

// The category tree of a collection, as the version 3.0 extension stores it.
struct CategoryTree {
  std::vector<std::vector<std::vector<std::uint32_t>>> valueGroups;  // four groups of rows
  std::vector<std::string> labels;  // name-table row 0: column c (from 1) is labels[c - 1]
  std::vector<std::vector<std::string>> levelLists;  // distinct values per level, first-seen order
};
// Built from the items' category values, nodes in the order items first
// name them. False with a reason when the tree exceeds what the file holds.
bool BuildCategoryTree(const std::vector<GeneratedItem>& items, CategoryTree* tree, std::string* reason);

// The 48 x 48 list picture: the item's drawn part, on white, as large as fits.
std::unique_ptr<CDib> MakeItemThumbnail(CDibAlpha& image);

// Writes the collection to `path` (and its two companion files). Images are
// stored compressed (JPEG colour, PCX alpha), as a shipped base can be.
bool WriteCollection(const std::string& path, const std::string& title, const std::vector<GeneratedItem>& items,
                     std::string* reason);
