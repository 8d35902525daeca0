#include "app/bases/base_slots.h"

std::string BaseSlotPath(int slot, const std::string& basesFolder, const std::string& basesVarFolder,
                         const std::string& fileName) {
  if (fileName.empty()) return {};
  return (slot == kCustomBaseSlot ? basesVarFolder : basesFolder) + fileName;
}

bool CBaseSlots::LoadBase(int slot, const std::string& path) {
  if (slot < 0 || slot >= kBaseSlotCount) return false;
  m_slots[slot].reset();
  if (path.empty()) return false;
  auto base = std::make_unique<CBaseDatabase>();
  if (!base->Open(path, slot != kCustomBaseSlot)) return false;
  base->Load();
  m_slots[slot] = std::move(base);
  return true;
}

CBaseDatabase* CBaseSlots::Get(int slot) const {
  if (slot < 0 || slot >= kBaseSlotCount) return nullptr;
  return m_slots[slot].get();
}
