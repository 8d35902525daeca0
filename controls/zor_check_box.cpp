#include "controls/zor_check_box.h"

CZORCheckBox::CZORCheckBox(QWidget* parent) : CZORButton(parent, std::make_unique<CCheckBoxAnimation>()) {}

void CZORCheckBox::SetCheck(bool checked) { Repaint(CheckAnimation().SetCheck(checked)); }

