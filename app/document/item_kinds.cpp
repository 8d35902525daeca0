#include "app/document/item_kinds.h"

namespace {

// Labels are strings 61757 + kind.
constexpr ItemKindInfo kItemKinds[kItemKindCount] = {
    {61757, 1003, ItemReference::faceFrame},  // hairstyle
    {61758, 1004, ItemReference::eyesLine},   // glasses
    {61759, 1005, ItemReference::lipsLine},   // moustache
    // A custom item is placed under the kind its record names.
    {61760, 1006, ItemReference::none},
    {61761, 1007, ItemReference::eyesLine},      // eyebrow
    {61762, 1008, ItemReference::eyesLine},      // nose
    {61763, 1009, ItemReference::underarmLine},  // breast
    {61764, 1010, ItemReference::faceFrame},     // accessories
    {61765, 1200, ItemReference::faceFrame},     // head-dress
};

}  // namespace

const ItemKindInfo* FindItemKind(int kind) { return IsItemKind(kind) ? &kItemKinds[kind] : nullptr; }
