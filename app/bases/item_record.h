// What the program reads from and writes into an item record beyond its
// plain fields: the name (which in the custom base shares its field with the
// layer number) and the placement rectangle.
#pragma once

#include <string>

#include "app/bases/base_file_layout.h"
#include "platform/core/geometry.h"

// Face shapes of the select-by-type filter, 0 for none.
enum FaceShape { kFaceShapeNone = 0, kFaceShapeTriangle, kFaceShapeSquare, kFaceShapeRound, kFaceShapeOval, kFaceShapeOblong };

inline constexpr int kCustomNameMaxLength = 51;  // byte 52 is the terminator
inline constexpr int kShippedNameMaxLength = 54;

std::string GetItemName(const BaseItemRecord& record);
// For a shipped base: the name cut to 54 characters.
void SetItemName(BaseItemRecord& record, const std::string& name);

// The custom base keeps the layer number as two decimal digits in bytes 53
// (tens) and 54 (units); the name is cut to 51 characters so that byte 52
// stays its terminator.
void SetCustomItemNameAndLayer(BaseItemRecord& record, const std::string& name, int layer);
int GetCustomItemLayer(const BaseItemRecord& record);

CRect GetItemPlacement(const BaseItemRecord& record);
void SetItemPlacement(BaseItemRecord& record, const CRect& placement);

std::string GetItemCategory(const BaseItemRecord& record, int level);
void SetItemCategory(BaseItemRecord& record, int level, const std::string& value);
