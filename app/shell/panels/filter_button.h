// A colour-filter button of the item panel: the skinned "FILTER" check box
// with a chip of the colour its profile group has selected, so the user
// sees the tint before choosing it. Down while its filter is the layer's.
#pragma once

#include <optional>

#include "controls/zor_check_box.h"
#include "platform/core/device_context.h"

class CFilterButton : public CZORCheckBox {
 public:
  explicit CFilterButton(QWidget* parent = nullptr) : CZORCheckBox(parent) {}

  // None for a group without colours: the button shows no chip.
  void SetChipColour(std::optional<COLORREF> colour);
  std::optional<COLORREF> ChipColour() const { return m_chip; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::optional<COLORREF> m_chip;
};
