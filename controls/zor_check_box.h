// CZORCheckBox: a CZORButton that stays checked. Two frames show unchecked
// and checked; more frames run up to the last while checked and back to
// frame 0 when cleared.
#pragma once

#include "controls/zor_button.h"

class CZORCheckBox : public CZORButton {
 public:
  explicit CZORCheckBox(QWidget* parent = nullptr);

  bool IsChecked() const { return CheckAnimation().Checked(); }
  void SetCheck(bool checked);

 private:
  const CCheckBoxAnimation& CheckAnimation() const { return static_cast<const CCheckBoxAnimation&>(*m_animation); }
  CCheckBoxAnimation& CheckAnimation() { return static_cast<CCheckBoxAnimation&>(*m_animation); }
};
