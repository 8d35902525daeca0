// A shown panel with template items, a skin module as the image instance,
// a program module as the current module, and a recorder of the messages
// the panel and the main window receive.
#pragma once

#include <QWidget>

#include <memory>
#include <vector>

#include "controls/skin_resources.h"
#include "platform/core/message_box.h"
#include "platform/qt/wnd.h"
#include "tests/support/test_skin.h"

struct ReceivedMessage {
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
  std::string text;
};

class RecordingWnd : public CWnd {
 public:
  using CWnd::CWnd;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam, const std::string& text) override {
    received.push_back({message, wParam, lParam, text});
    return CWnd::WindowProc(message, wParam, lParam, text);
  }
  std::vector<ReceivedMessage> Received(UINT message) const {
    std::vector<ReceivedMessage> matching;
    for (const ReceivedMessage& m : received)
      if (m.message == message) matching.push_back(m);
    return matching;
  }
  std::vector<ReceivedMessage> received;
};

class ControlTest : public ::testing::Test {
 protected:
  ControlTest() : m_previousProgram(SetResourceModule(&program)) {
    SetImageInstance(&skin);
    panel = std::make_unique<RecordingWnd>();
    panel->resize(300, 200);
    mainWindow = std::make_unique<RecordingWnd>();
    SetMainWindow(mainWindow.get());
  }
  ~ControlTest() override {
    panel.reset();
    SetMainWindow(nullptr);
    SetImageInstance(nullptr);
    SetResourceModule(m_previousProgram);
  }

  void ShowPanel() {
    panel->show();
    ProcessPostedEvents();
  }
  // What the panel shows at a point, as a colour 0x00BBGGRR.
  COLORREF PanelPixel(QPoint at) {
    QImage image = panel->grab().toImage();
    QColor c = image.pixelColor(at);
    return RGB(c.red(), c.green(), c.blue());
  }
  void MoveMouseOverPanel(QPoint at) {
    SendMouse(panel.get(), QEvent::MouseMove, at, Qt::NoButton);
    ProcessPostedEvents();
  }

  CMemoryResourceModule program;
  CMemoryResourceModule skin;
  CRecordingMessageBoxService messages;
  std::unique_ptr<RecordingWnd> panel;
  std::unique_ptr<RecordingWnd> mainWindow;

 private:
  HINSTANCE m_previousProgram;
};
