// The nine kinds of items a user tries on, what each is fitted to when it is
// placed, and the layer slot that holds it in a projection.
//
// Every kind has a slot of its own (0 to 8), so an eyebrow or a head-dress
// is kept, composed, saved and printed like a hairstyle. Slot 3 holds
// custom items, which are never composed.
#pragma once

#include <optional>

inline constexpr int kKindHairstyle = 0;
inline constexpr int kKindGlasses = 1;
inline constexpr int kKindMoustache = 2;
inline constexpr int kKindCustom = 3;
inline constexpr int kKindEyebrow = 4;
inline constexpr int kKindNose = 5;
inline constexpr int kKindBreast = 6;
inline constexpr int kKindAccessories = 7;
inline constexpr int kKindHeadDress = 8;
inline constexpr int kItemKindCount = 9;
inline constexpr int kSlotCount = kItemKindCount;

// What an item of a kind is fitted to.
enum class ItemReference { faceFrame, eyesLine, lipsLine, underarmLine, none };

struct ItemKindInfo {
  unsigned labelStringId;  // "Hairstyle" and so on
  unsigned command;        // the kind's button
  ItemReference reference;
};

// Null outside 0..8.
const ItemKindInfo* FindItemKind(int kind);

inline bool IsItemKind(int kind) { return kind >= 0 && kind < kItemKindCount; }
// The slot of a kind (its own number), or none outside 0..8.
inline std::optional<int> SlotOfKind(int kind) {
  return IsItemKind(kind) ? std::optional<int>(kind) : std::nullopt;
}
