// A start-up on a machine made in the test: folders below a temporary root,
// a screen of a chosen depth and size, and a style held in memory.
#pragma once

#include <QCoreApplication>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/shell/kelvora_app.h"
#include "platform/core/message_box.h"
#include "platform/qt/dialog_template.h"
#include "tests/imagelib/test_images.h"
#include "tests/support/test_skin.h"
#include "tests/test_files.h"

class StartupTest : public ::testing::Test {
 protected:
  StartupTest() {
    std::filesystem::create_directories(root.File("bin"));
    AddText(style, "IDR_APPWINDOW_SIZE_MIN", "wndpos", "800, 600");
    AddText(style, "IDR_APPWINDOW_SIZE_MAX", "wndpos", "1600, 1200");
    style.AddResource("IDB_TITLE_PATTERN", "bmpimage", BmpFile(120, 24, [](int, int) { return RGB(40, 60, 90); }));
    style.AddString(1, "Classic");
    AddControlPictures();
  }
  ~StartupTest() override { app.ExitInstance(); }

  std::string StylePath() const { return root.File("share/kelvora/Styles/Style_1/style.kvstyle"); }
  std::string ProfilePath() const { return root.File("config/Kelvora.ini"); }
  std::string HelpFolder() const { return root.File("share/kelvora/Help") + "/"; }

  // A patterned photo as the bytes of a BMP file, for the style's sample
  // photos and for files dropped or opened in the test.
  std::vector<unsigned char> PatternPhotoBytes(int width, int height) {
    CDib photo;
    testimages::MakePatternImage(photo, width, height);
    const std::string path = root.File("pattern_photo.bmp");
    photo.SaveToBMPFile(path);
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), {}};
  }

  // The program started in a 1000 x 700 window with a patterned sample
  // photo, once its sample-photo command has run.
  void StartWithSamplePhoto(int width = 320, int height = 240) {
    style.AddResource("IDB_PHOTO_W1", "bmpimage", PatternPhotoBytes(width, height));
    ASSERT_TRUE(app.InitInstance(Environment()));
    app.MainFrame()->resize(1000, 700);
    app.MainFrame()->show();
    QCoreApplication::sendPostedEvents();
  }

  StartupEnvironment Environment() {
    StartupEnvironment environment;
    environment.commandLine = "\"" + root.File("bin/Kelvora") + "\"";
    environment.profilePath = ProfilePath();
    environment.userDataFolder = root.File("data");
    environment.colourDepth = [this] { return depth; };
    environment.screenClientSize = [this] { return screen; };
    environment.loadStyle = [this](const std::string& path) -> std::unique_ptr<CResourceModule> {
      requestedStyles.push_back(path);
      if (!styleAvailable) return nullptr;
      auto copy = std::make_unique<CMemoryResourceModule>(style);
      return copy;
    };
    environment.openUrl = [this](const std::string& url) {
      openedUrls.push_back(url);
      return true;
    };
    environment.showWindows = false;
    return environment;
  }

  void WriteProfile(const std::string& text) {
    std::filesystem::create_directories(root.File("config"));
    root.Write("config/Kelvora.ini", std::vector<unsigned char>(text.begin(), text.end()));
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const auto& message : messages.messages()) texts.push_back(message.text);
    return texts;
  }

  // Every skinned control of the panels gets its first picture, as a real
  // style gives them, so start-up shows no complaints of missing pictures.
  void AddControlPictures() {
    for (const PanelSpec& spec : PanelTable()) {
      QWidget form;
      SetUpPanelTemplate(spec.templateId, &form);
      for (QWidget* item : form.findChildren<QWidget*>()) {
        std::string caption = DialogItemCaption(item);
        if (caption.empty()) continue;
        for (const char* suffix : {"_D1", "_THUMB"})
          style.AddResource((caption + suffix).c_str(), "bmpimage", SolidPictureWithBlackEdge(8, 8, RGB(200, 200, 200)));
      }
    }
  }

  TemporaryFolder root;
  CMemoryResourceModule style;
  bool styleAvailable = true;
  int depth = 32;
  CSize screen{1920, 1080};
  std::vector<std::string> requestedStyles;
  std::vector<std::string> openedUrls;
  CRecordingMessageBoxService messages;
  CKelvoraApp app;
};
