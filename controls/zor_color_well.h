// CZORColorWell: what the colour selecter and the custom-filter control
// share: a well that shows one colour. A left click sends WM_COMMAND
// (id, BN_CLICKED) to the parent; a right-button press opens the colour
// dialog at the well's colour and, when the user takes one, the well shows
// it and sends WM_COMMAND (id, kColorWellChanged).
#pragma once

#include "controls/zor_ctrl_wnd.h"
#include "platform/core/device_context.h"

inline constexpr UINT kColorWellChanged = 0x0301;

class CZORColorWell : public CZORCtrlWnd {
 public:
  CZORColorWell(const std::string& className, QWidget* parent);

  COLORREF GetColor() const { return m_colour; }
  void SetColor(COLORREF colour);
  // Drawn with a ring, as a pressed button would be.
  void SetChosen(bool chosen);
  bool IsChosen() const { return m_chosen; }
  // The right-button press: the dialog, and the change when taken. True
  // when the colour was taken.
  bool ChooseColour();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Notify(UINT code);

  COLORREF m_colour = 0;
  bool m_chosen = false;
  bool m_leftDown = false;
};
