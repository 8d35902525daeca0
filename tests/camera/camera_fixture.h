// The camera object against the stand-in manager plug-in, with a message
// loop and a parent window that play the user: the source's window is
// pressed or closed as the test says.
#pragma once

#include <gtest/gtest.h>

#include <dlfcn.h>

#include <deque>
#include <optional>

#include "app/document/document_host.h"
#include "app/shell/camera/frame_camera.h"
#include "platform/core/message_box.h"
#include "platform/core/twain_parent.h"
#include "tests/camera/fake_twain_control.h"

// Plays the application's queue and the user at once.
class CScriptedUser : public CTwainParent, public CTwainMessageLoop {
 public:
  void PostSourceMessage(TW_UINT16 message) override { queue.push_back(message); }
  int ChooseSource(const std::vector<std::string>& names, int current) override {
    offered = names;
    offeredCurrent = current;
    return choice;
  }
  void ShowSourceWindow(TwainSourceWindow shown) override {
    shownSettings = shown.settings;
    // A live picture is watched as the program's window does.
    if (shown.watchPreview)
      shown.watchPreview([this](HGLOBAL frame) {
        ++previewFrames;
        MemoryBlockFree(frame);
      });
    window = std::move(shown);
    ++windowsShown;
  }
  void CloseSourceWindow() override { window.reset(); }
  void BringToTop() override { ++broughtToTop; }

  // Delivers the queue; when it runs dry the user presses the window's
  // button `presses` times, then closes it.
  void RunWhileEnabled(CTwainCamera& camera) override {
    while (camera.State() >= 5) {
      if (queue.empty()) {
        if (!window) break;  // nothing more will come
        if (presses > 0) {
          --presses;
          std::vector<int> chosen;
          for (const TwainSourceSetting& setting : window->settings) chosen.push_back(setting.chosen);
          window->onAction(chosen);
        } else {
          window->onClose();
        }
        continue;
      }
      Deliver(camera);
    }
  }
  void Pump(CTwainCamera& camera) override {
    ++pumps;
    // Ordinary messages come through; a source's own wait for the loop.
    while (!queue.empty() && queue.front() == MSG_NULL) Deliver(camera);
  }

  std::deque<TW_UINT16> queue;  // MSG_NULL: an ordinary message
  std::optional<TwainSourceWindow> window;
  int presses = 1;
  int choice = -1;
  std::vector<std::string> offered;
  std::vector<TwainSourceSetting> shownSettings;
  int offeredCurrent = -1;
  int windowsShown = 0, broughtToTop = 0, pumps = 0, dispatched = 0, previewFrames = 0;

 private:
  void Deliver(CTwainCamera& camera) {
    TwainQueuedMessage message{queue.front(), nullptr};
    queue.pop_front();
    if (!camera.ProcessEvent(&message)) ++dispatched;
  }
};

class CRecordingHost : public CDocumentHost {
 public:
  void PhotoEntered(int index) override { entered.push_back(index); }
  std::vector<int> entered;
};

class CameraTest : public ::testing::Test {
 protected:
  CameraTest() {
    m_library = ::dlopen(KELVORA_FAKE_TWAIN, RTLD_NOW | RTLD_LOCAL);
    auto control = m_library ? reinterpret_cast<FakeTwainControlProc>(::dlsym(m_library, "FakeTwain_Control")) : nullptr;
    fake = control ? control() : nullptr;
    if (fake) fake->Reset();
    document.SetHost(&host);
    camera.SetParentWindow(static_cast<CTwainParent*>(&user));
    camera.SetMessageLoop(&user);
  }
  ~CameraTest() override {
    camera.UnwindTo(1);
    if (m_library) ::dlclose(m_library);
  }

  // The log since the last call.
  std::vector<std::string> Triplets() {
    std::vector<std::string> log = fake->log;
    fake->log.clear();
    return log;
  }
  std::vector<std::string> Messages() const {
    std::vector<std::string> texts;
    for (const auto& message : messages.messages()) texts.push_back(message.text);
    return texts;
  }

  CRecordingMessageBoxService messages;
  CRecordingHost host;
  CKelvoraDoc document;
  CScriptedUser user;
  CFrameCamera camera{KELVORA_FAKE_TWAIN, document};
  FakeTwainControl* fake = nullptr;

 private:
  void* m_library = nullptr;
};
