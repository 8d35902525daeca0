#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

#include "app/bases/base_database.h"
#include "app/resources/program_messages.h"
#include "controls/skin_resources.h"
#include "tests/shell/startup_fixture.h"

namespace {

using ::testing::ElementsAre;

TEST_F(StartupTest, StartsWithTheStyleFromTheStagedDataFolderAndEveryPanel) {
  ASSERT_TRUE(app.InitInstance(Environment()));
  EXPECT_TRUE(messages.messages().empty());
  EXPECT_THAT(requestedStyles, ElementsAre(StylePath()));
  EXPECT_EQ(GetImageInstance(), app.Style());

  CMainFrame* frame = app.MainFrame();
  ASSERT_NE(frame, nullptr);
  EXPECT_EQ(GetMainWindow(), frame);
  std::vector<unsigned> order;
  for (CSkinPanel* panel : frame->Panels()) order.push_back(panel->Spec().templateId);
  EXPECT_THAT(order, ElementsAre(110, 103, 109, 106, 112, 104, 151, 143, 154, 152, 102));
  EXPECT_EQ(frame->minimumSize(), QSize(800, 600));
  EXPECT_EQ(frame->maximumSize(), QSize(1600, 1200));
  EXPECT_TRUE(std::filesystem::is_directory(root.File("share/kelvora/Data")));
  QList<QSize> iconSizes = frame->windowIcon().availableSizes();
  EXPECT_TRUE(iconSizes.contains(QSize(16, 16)) && iconSizes.contains(QSize(32, 32))) << "icon 128, small and large";
}

// Nine tenths of the screen, centred, within the window's own limits.
TEST(PlaceMainWindow, CentresNineTenthsOfTheScreenWithinTheWindowsLimits) {
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const auto centred = [&](QSize size) {
    return QRect(screen.x() + (screen.width() - size.width()) / 2, screen.y() + (screen.height() - size.height()) / 2,
                 size.width(), size.height());
  };
  QWidget plain;
  CKelvoraApp::PlaceMainWindow(plain);
  EXPECT_EQ(plain.geometry(), centred(screen.size() * 9 / 10));
  QWidget small;
  small.setMaximumSize(300, 200);
  CKelvoraApp::PlaceMainWindow(small);
  EXPECT_EQ(small.geometry(), centred(QSize(300, 200)));
  QWidget large;
  large.setMinimumSize(screen.width() + 200, screen.height() + 100);
  CKelvoraApp::PlaceMainWindow(large);
  EXPECT_EQ(large.geometry(), QRect(screen.x() - 100, screen.y() - 50, screen.width() + 200, screen.height() + 100));
}

TEST_F(StartupTest, StartUpEndsWithItsMessageWhenTheMachineFallsShort) {
  struct Case {
    int depth;
    CSize screen;
    bool style;
    std::string message;
  };
  for (const Case& c : {Case{8, {1920, 1080}, true, kMsgScreenColours},
                        Case{15, {1920, 1080}, true, kMsgScreenColours},
                        Case{32, {1920, 1080}, false, ""},
                        Case{32, {799, 1080}, true, "Screen resolution must be at less 800x600."},
                        Case{32, {1920, 599}, true, "Screen resolution must be at less 800x600."}}) {
    CRecordingMessageBoxService recorded;
    CKelvoraApp failing;
    depth = c.depth;
    screen = c.screen;
    styleAvailable = c.style;
    EXPECT_FALSE(failing.InitInstance(Environment()));
    std::string expected = c.style ? c.message : "Can't find " + StylePath() + ".";
    ASSERT_EQ(recorded.messages().size(), 1u) << expected;
    EXPECT_EQ(recorded.messages()[0].text, expected);
    EXPECT_EQ(recorded.messages()[0].icon, MessageIcon::Stop);
    EXPECT_EQ(failing.MainFrame(), nullptr);
    failing.ExitInstance();
    EXPECT_EQ(GetImageInstance(), nullptr) << "a failed start frees the style";
  }
}

TEST_F(StartupTest, SixteenBitScreensWarnOnlyWhileWarningsAreOn) {
  depth = 16;
  ASSERT_TRUE(app.InitInstance(Environment()));
  EXPECT_THAT(MessageTexts(), ElementsAre(kMsgUseTrueColour));
  app.ExitInstance();

  WriteProfile("[Options]\nShowWarnings=0\nAutoSave=0\n");
  CRecordingMessageBoxService quiet;
  CKelvoraApp second;
  ASSERT_TRUE(second.InitInstance(Environment()));
  EXPECT_TRUE(quiet.messages().empty());
  second.ExitInstance();
}

TEST_F(StartupTest, APanelThatCannotBeMadeEndsTheStartWithItsName) {
  StartupEnvironment environment = Environment();
  environment.panelTemplates = [](unsigned id, QWidget* panel) { return id != 112 && SetUpPanelTemplate(id, panel); };
  EXPECT_FALSE(app.InitInstance(environment));
  EXPECT_THAT(MessageTexts(), ElementsAre("Failed to create Image Bar"));
  EXPECT_EQ(app.MainFrame(), nullptr);
}

TEST_F(StartupTest, ProfileStyleAndFoldersAreHonoured) {
  WriteProfile("[Options]\nStyleProfile=Dark\\Night.kvstyle\n[Path]\nApplication=" + root.File("elsewhere") + "\n");
  ASSERT_TRUE(app.InitInstance(Environment()));
  EXPECT_THAT(requestedStyles, ElementsAre(root.File("elsewhere/Styles/Dark/Night.kvstyle")));
}

TEST_F(StartupTest, TheCustomBaseIsCreatedEmptyInBasesVarAndNeverInTheInstallation) {
  const std::string custom = root.File("custom");
  WriteProfile("[Path]\nBasesVar=" + custom + "/\n");
  ASSERT_TRUE(app.InitInstance(Environment()));
  CBaseDatabase base;
  ASSERT_TRUE(base.Open(custom + "/Cust1.hbd", false));
  ASSERT_TRUE(base.Load());
  EXPECT_TRUE(base.Records().empty());
  EXPECT_FALSE(std::filesystem::exists(root.File("share/kelvora/Bases/Cust1.hbd")));
}

}  // namespace
