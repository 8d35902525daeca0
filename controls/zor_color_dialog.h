// CZORColorDialog: the colour dialog the colour selecter and the custom
// filter open on a right-button press. It is a dialog of our own, dark like
// the rest of the program, around Qt's colour picking widget (never the
// desktop's native dialog, whose look and modality we cannot control).
// DoModal answers IDOK (1) when the user took a colour; GetColor is then the
// chosen colour, else the initial one.
#pragma once

#include <QDialog>

#include <functional>

#include "platform/core/device_context.h"

class QColorDialog;

class CZORColorDialog : public QDialog {
 public:
  CZORColorDialog(COLORREF initial, QWidget* parent);

  // 1 on OK, 2 on cancel.
  int DoModal();
  COLORREF GetColor() const;
  // What the picker shows; tests answer the dialog with it.
  void SetColor(COLORREF colour);

  // Runs every dialog instead of the user (tests); an empty function
  // restores the real one. Answers what DoModal returns.
  using ModalRunner = std::function<int(CZORColorDialog&)>;
  static void SetModalRunner(ModalRunner runner);

 private:
  QColorDialog* m_picker;  // a child of the dialog
  COLORREF m_initial;
};
