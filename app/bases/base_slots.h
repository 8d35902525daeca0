// The main frame's four database slots. Slots 0 to 2 hold shipped bases,
// opened read-only; slot 3 holds the custom base, the only one opened for
// writing. Which file goes into which slot is a setting; the frame works out
// the path (the "Bases" folder for slots 0 to 2, "BasesVar" for slot 3) and
// calls LoadBase.
#pragma once

#include <array>
#include <memory>
#include <string>

#include "app/bases/base_database.h"

inline constexpr int kBaseSlotCount = 4;
inline constexpr int kCustomBaseSlot = 3;

// The path of a slot's file: the folder of "BasesVar" for the custom base,
// of "Bases" for the others (both end with a separator), then the file name.
// Empty when the file name is.
std::string BaseSlotPath(int slot, const std::string& basesFolder, const std::string& basesVarFolder,
                         const std::string& fileName);

class CBaseSlots {
 public:
  // Replaces what the slot holds with the database at `path`. An empty path,
  // or one that does not open, leaves the slot empty. A database that opens
  // but does not load completely is kept with whatever was read. False for a
  // slot outside 0 to 3 or when the slot ends up empty.
  bool LoadBase(int slot, const std::string& path);

  // The database in the slot, or null.
  CBaseDatabase* Get(int slot) const;

 private:
  std::array<std::unique_ptr<CBaseDatabase>, kBaseSlotCount> m_slots;
};
