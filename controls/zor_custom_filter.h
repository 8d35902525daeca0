// CZORCustomFilter ("ZORCustomFilter"): the item panel's own-colour filter.
// A left click applies its colour as the layer's filter; the right button
// chooses the colour first; "Try your own color" sets it from the picture.
#pragma once

#include "controls/zor_color_well.h"

class CZORCustomFilter : public CZORColorWell {
 public:
  explicit CZORCustomFilter(QWidget* parent = nullptr) : CZORColorWell("ZORCustomFilter", parent) {}
};
