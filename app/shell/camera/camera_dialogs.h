// The dialogs of an acquisition: the projection dialog with its four
// skinned buttons and the list of devices the source manager offers (the
// enabled source's own window is source_window.h). Their choices are plain
// values so the frame's logic is tested without them.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/qt/wnd.h"

class CZORDibListCtrl;

// Button ids of the projection dialog and the face projection each picks.
inline constexpr UINT kProjectionButtonFirst = 1000;
inline constexpr int kProjectionButtons = 4;
// The projection a button id picks, -1 for another id.
int ProjectionOfButton(UINT id);

class CProjectionDialog : public QDialog {
 public:
  explicit CProjectionDialog(QWidget* parent = nullptr);
  ~CProjectionDialog() override;
  // The chosen face projection, -1 while none (cancelled).
  int Projection() const { return m_projection; }
  // What a press of a button does; tests press them through WM_COMMAND.
  CWnd* Buttons() const { return m_buttons; }

 private:
  CWnd* m_buttons;
  int m_projection = -1;
};

// The devices in the style's thumbnail list, each with a camera picture and
// its name.
class CDeviceChoiceDialog : public QDialog {
 public:
  CDeviceChoiceDialog(const std::vector<std::string>& names, int current, QWidget* parent = nullptr);
  // The chosen device, -1 for none.
  int Chosen() const;
  CZORDibListCtrl* List() const { return m_list; }

 private:
  CZORDibListCtrl* m_list;
};
