// CZORColorSelecter ("ZORColorSelecter"): the tools bar's colour, which the
// brush and spray paint and the comb draws with; swatches and the
// eyedropper set it, the right button chooses it in the colour dialog.
#pragma once

#include "controls/zor_color_well.h"

class CZORColorSelecter : public CZORColorWell {
 public:
  explicit CZORColorSelecter(QWidget* parent = nullptr) : CZORColorWell("ZORColorSelecter", parent) {}
};
