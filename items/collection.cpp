// Writing a collection. The category tree follows the version 3.0 layout:
// value group 0 lists the level-1 nodes, each row holding the row numbers
// (counted from 0) of its children in group 1; groups 1 and 2 go on the same
// way; a row of group 3 is a level-4 node and holds its level-5 children as
// their name-table column numbers. Columns are numbered from 1 in depth-first
// order, so the label of column c is cell c - 1 of row 0.
#include "items/collection.h"

#include <algorithm>
#include <map>

#include "app/bases/base_database.h"
#include "app/bases/custom_thumbnail.h"
#include "app/bases/item_record.h"
#include "items/portrait.h"

namespace {

struct Reference {
  float x0, y0, x1, y1;  // first corner, second corner of the top edge
  float bottom;          // the face frame's bottom; a line's own y
};

Reference ReferenceOf(ItemAnchor anchor) {
  using namespace portrait;
  switch (anchor) {
    case ItemAnchor::faceFrame: return {kFaceLeft, kFaceTop, kFaceRight, kFaceTop, kFaceBottom};
    case ItemAnchor::eyesLine: return {kEyesLeft, kEyesY, kEyesRight, kEyesY, kEyesY};
    case ItemAnchor::lipsLine: return {kLipsLeft, kLipsY, kLipsRight, kLipsY, kLipsY};
    case ItemAnchor::underarmLine: return {kUnderarmLeft, kUnderarmY, kUnderarmRight, kUnderarmY, kUnderarmY};
  }
  return {};
}

struct TreeNode {
  std::string label;
  std::vector<int> children;  // indices into the node list
  int level = 0;              // 1 to 5
  int row = -1;               // its row in value group level - 1 (levels 1 to 4)
  int column = 0;
};

}  // namespace

GeneratedItem FinishItem(const ItemCanvas& canvas, ItemAnchor anchor, std::string name,
                         std::vector<std::string> categories, int faceShape) {
  const Reference r = ReferenceOf(anchor);
  GeneratedItem item;
  item.name = std::move(name);
  item.categories = std::move(categories);
  item.faceShape = faceShape;
  item.image = canvas.ToDibAlpha();
  item.anchors = CRect(static_cast<int>(canvas.X(r.x0)), static_cast<int>(canvas.Y(r.y0)),
                       static_cast<int>(canvas.X(r.x1)), static_cast<int>(canvas.Y(r.bottom)));
  return item;
}

bool BuildCategoryTree(const std::vector<GeneratedItem>& items, CategoryTree* tree, std::string* reason) {
  std::vector<TreeNode> nodes;
  std::vector<int> roots;
  std::map<std::vector<std::string>, int> byPath;
  tree->levelLists.assign(kCategoryLevels, {});
  for (const GeneratedItem& item : items) {
    std::vector<std::string> path;
    int parent = -1;
    for (std::size_t level = 0; level < item.categories.size() && level < kCategoryLevels; ++level) {
      const std::string& label = item.categories[level];
      if (label.empty()) break;
      if (label.size() >= kCategoryValueBytes) return *reason = "category \"" + label + "\" is too long", false;
      std::vector<std::string>& list = tree->levelLists[level];
      if (std::find(list.begin(), list.end(), label) == list.end()) list.push_back(label);
      path.push_back(label);
      auto found = byPath.find(path);
      int index;
      if (found == byPath.end()) {
        index = static_cast<int>(nodes.size());
        nodes.push_back({label, {}, static_cast<int>(level) + 1});
        byPath.emplace(path, index);
        (parent < 0 ? roots : nodes[parent].children).push_back(index);
      } else {
        index = found->second;
      }
      parent = index;
    }
  }
  for (const auto& list : tree->levelLists)
    if (list.size() > kCategorySlots) return *reason = "a category level has more than 50 values", false;

  // Rows per group in breadth order, columns in depth-first order.
  tree->valueGroups.assign(kValueGroups, {});
  std::vector<int> rowsOfLevel(kValueGroups, 0);
  std::vector<int> queue = roots;
  for (std::size_t i = 0; i < queue.size(); ++i) {
    TreeNode& node = nodes[queue[i]];
    if (node.level <= kValueGroups) node.row = rowsOfLevel[node.level - 1]++;
    for (int child : node.children) queue.push_back(child);
  }
  for (int level = 0; level < kValueGroups; ++level)
    if (rowsOfLevel[level] > kValueGroupRows)
      return *reason = "level " + std::to_string(level + 1) + " has more than 30 tree nodes", false;
  int column = 0;
  std::vector<int> stack(roots.rbegin(), roots.rend());
  tree->labels.clear();
  while (!stack.empty()) {
    TreeNode& node = nodes[stack.back()];
    stack.pop_back();
    node.column = ++column;
    tree->labels.push_back(node.label);
    for (auto child = node.children.rbegin(); child != node.children.rend(); ++child) stack.push_back(*child);
  }
  if (column > kNameTableColumns) return *reason = "the tree has more than 250 nodes", false;
  for (int level = 0; level < kValueGroups; ++level) tree->valueGroups[level].resize(rowsOfLevel[level]);
  for (const TreeNode& node : nodes) {
    if (node.level > kValueGroups) continue;
    if (node.children.size() > kValueGroupColumns) return *reason = node.label + " has more than 30 sub-categories", false;
    std::vector<std::uint32_t>& row = tree->valueGroups[node.level - 1][node.row];
    for (int child : node.children)
      row.push_back(static_cast<std::uint32_t>(node.level == kValueGroups ? nodes[child].column : nodes[child].row));
  }
  return true;
}

std::unique_ptr<CDib> MakeItemThumbnail(CDibAlpha& image) {
  // Small items (an earring, a clip) would vanish in a thumbnail of the
  // whole picture; show only what is drawn, with a little air around it.
  const unsigned char* plane = image.LockAlpha();
  int left = image.Width(), top = image.Height(), right = -1, bottom = -1;
  for (int y = 0; plane && y < image.Height(); ++y)
    for (int x = 0; x < image.Width(); ++x)
      if (plane[static_cast<std::size_t>(y) * image.Width() + x] < 230) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  image.UnlockAlpha();
  if (right < 0) return MakeCustomItemThumbnail(image);
  const int margin = std::max(2, std::max(right - left, bottom - top) / 16);
  CRect part(std::max(0, left - margin), std::max(0, top - margin), std::min(image.Width(), right + 1 + margin),
             std::min(image.Height(), bottom + 1 + margin));
  std::unique_ptr<CDib> copy(image.Edit_Copy(part));
  auto* cropped = dynamic_cast<CDibAlpha*>(copy.get());
  if (!cropped) return nullptr;
  return MakeCustomItemThumbnail(*cropped);
}

bool WriteCollection(const std::string& path, const std::string& title, const std::vector<GeneratedItem>& items,
                     std::string* reason) {
  CategoryTree tree;
  if (!BuildCategoryTree(items, &tree, reason)) return false;
  CBaseDatabase base;
  if (!base.Create(path, title, "3.0", 0)) return *reason = "cannot be created", false;
  for (int level = 0; level < kCategoryLevels; ++level) base.CategoryListsInMemory()[level] = tree.levelLists[level];
  base.ValueGroups() = tree.valueGroups;
  BaseNameTable& table = base.NameTable();
  table.rowNames.assign(kNameTableRows, std::string());
  table.rowNames[0] = "Labels";
  table.cells.assign(kNameTableRows, std::vector<std::string>(tree.labels.size()));
  table.cells[0] = tree.labels;

  std::vector<std::string> names;
  for (const GeneratedItem& item : items) {
    if (!item.image) return *reason = item.name + ": no picture", false;
    if (item.anchors.right == item.anchors.left) return *reason = item.name + ": anchors share an x", false;
    if (item.name.size() > kShippedNameMaxLength) return *reason = item.name + ": name too long", false;
    if (std::find(names.begin(), names.end(), item.name) != names.end())
      return *reason = item.name + ": name used twice", false;
    names.push_back(item.name);

    BaseItemRecord record{};
    SetItemName(record, item.name);
    record.projection = 0;
    record.faceShape = static_cast<std::uint16_t>(item.faceShape);
    for (std::size_t level = 0; level < item.categories.size() && level < kCategoryLevels; ++level)
      SetItemCategory(record, static_cast<int>(level), item.categories[level]);
    SetItemPlacement(record, item.anchors);

    ItemImagePayload payload;
    std::copy_n("ZOR", 3, payload.header.magic);
    payload.header.compressed = 1;
    payload.header.width = item.image->Width();
    payload.header.height = item.image->Height();
    if (!item.image->SaveToJPGMemory(&payload.colour, true, 92, true) || !item.image->SaveAlphaToMemory(&payload.alpha))
      return *reason = item.name + ": picture cannot be encoded", false;
    std::unique_ptr<CDib> thumbnail = MakeItemThumbnail(*item.image);
    if (!thumbnail || thumbnail->Width() != kThumbnailSide || thumbnail->Height() != kThumbnailSide)
      return *reason = item.name + ": no thumbnail", false;
    const unsigned char* bits = thumbnail->LockBits();
    std::vector<unsigned char> thumbBytes(bits, bits + thumbnail->Length());
    thumbnail->UnlockBits();
    if (!base.AddItemBlock(payload, thumbBytes, record)) return *reason = item.name + ": cannot be written", false;
  }
  if (!base.Save()) return *reason = "cannot be saved", false;
  return true;
}
