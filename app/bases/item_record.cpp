#include "app/bases/item_record.h"

#include "app/bases/fixed_text.h"

std::string GetItemName(const BaseItemRecord& record) { return ReadFixedText(record.name); }

void SetItemName(BaseItemRecord& record, const std::string& name) { WriteFixedText(record.name, name); }

void SetCustomItemNameAndLayer(BaseItemRecord& record, const std::string& name, int layer) {
  WriteFixedText(record.name, name.substr(0, kCustomNameMaxLength));
  record.name[53] = static_cast<char>(layer / 10);
  record.name[54] = static_cast<char>(layer % 10);
}

int GetCustomItemLayer(const BaseItemRecord& record) {
  return 10 * static_cast<unsigned char>(record.name[53]) + static_cast<unsigned char>(record.name[54]);
}

CRect GetItemPlacement(const BaseItemRecord& record) {
  return CRect(record.placement[0], record.placement[1], record.placement[2], record.placement[3]);
}

void SetItemPlacement(BaseItemRecord& record, const CRect& placement) {
  record.placement[0] = placement.left;
  record.placement[1] = placement.top;
  record.placement[2] = placement.right;
  record.placement[3] = placement.bottom;
}

std::string GetItemCategory(const BaseItemRecord& record, int level) {
  return ReadFixedText(record.categories[level]);
}

void SetItemCategory(BaseItemRecord& record, int level, const std::string& value) {
  WriteFixedText(record.categories[level], value);
}
