// What the program hands the TWAIN source manager as its parent window
// (the data of DG_CONTROL / DAT_PARENT / MSG_OPENDSM is a pointer to a
// CTwainParent pointer). The manager posts its sources' messages through it,
// and asks the user through it: the program draws those windows in its own
// style, the manager only says what they hold.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/core/memory_block.h"
#include "platform/core/twain.h"

// What the application's message loop passes as TW_EVENT::pEvent: a message
// of the thread's queue, which is a source's message when `sourceMessage` is
// not MSG_NULL (the manager answers TWRC_DSEVENT for those only).
struct TwainQueuedMessage {
  TW_UINT16 sourceMessage = MSG_NULL;
  void* nativeEvent = nullptr;
};

// One setting of a source's window: a label and its choices.
struct TwainSourceSetting {
  std::string label;
  std::vector<std::string> choices;
  int chosen = 0;
};

// The window of an enabled source: its title, its settings, the button that
// takes the picture, and what happens on that button or on closing.
struct TwainSourceWindow {
  std::string title;
  std::string actionText;  // "Scan" or "Take photo"
  std::vector<TwainSourceSetting> settings;
  std::function<void(const std::vector<int>& chosen)> onAction;
  std::function<void()> onClose;
  // Set for sources with a live picture (webcams): the window calls it once
  // with what shows a frame (a packed 24-bit DIB it then owns). Frames stop
  // before the window is taken down.
  std::function<void(std::function<void(HGLOBAL frame)> show)> watchPreview;
};

class CTwainParent {
 public:
  virtual ~CTwainParent() = default;
  // Queues `message` in the application's loop as a TwainQueuedMessage.
  virtual void PostSourceMessage(TW_UINT16 message) = 0;
  // MSG_USERSELECT: the index of the chosen device, or -1 when cancelled.
  virtual int ChooseSource(const std::vector<std::string>& names, int current) = 0;
  // Shows the enabled source's window; CloseSourceWindow takes it down.
  virtual void ShowSourceWindow(TwainSourceWindow window) = 0;
  virtual void CloseSourceWindow() = 0;
  // Brings the application's window to the top (after a close request).
  virtual void BringToTop() = 0;
};
