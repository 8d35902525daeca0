#include <QCheckBox>
#include <QCoreApplication>

#include "app/resources/program_messages.h"
#include "app/shell/help_text.h"
#include "app/shell/options/options_dialog.h"
#include "app/shell/settings/settings_file.h"
#include "tests/shell/startup_fixture.h"

namespace {

using ::testing::ElementsAre;

class FrameTest : public StartupTest {
 protected:
  void SetUp() override { ASSERT_TRUE(app.InitInstance(Environment())); }
  CMainFrame& Frame() { return *app.MainFrame(); }
  std::vector<unsigned> VisibleRightPanels() {
    std::vector<unsigned> visible;
    for (CSkinPanel* panel : Frame().Panels())
      if (panel->Spec().side == DockSide::Right && !panel->isHidden()) visible.push_back(panel->Spec().templateId);
    return visible;
  }
  void Command(UINT id) { SendMessage(&Frame(), WM_COMMAND, MAKEWPARAM(id, 0)); }
};

TEST_F(FrameTest, OneRightPanelShowsAtATimeStartingWithTheEmptyOne) {
  EXPECT_THAT(VisibleRightPanels(), ElementsAre(106u));
  EXPECT_TRUE(Frame().ShowRightPanel(104));
  EXPECT_THAT(VisibleRightPanels(), ElementsAre(104u));
  EXPECT_TRUE(Frame().ShowRightPanel(154));
  EXPECT_THAT(VisibleRightPanels(), ElementsAre(154u));
  EXPECT_FALSE(Frame().ShowRightPanel(110)) << "the title bar is not a right-hand panel";
  EXPECT_THAT(VisibleRightPanels(), ElementsAre(154u));
  for (unsigned fixed : {110u, 103u, 109u, 102u}) EXPECT_FALSE(Frame().Panel(fixed)->isHidden()) << fixed;
}

TEST_F(FrameTest, PanelsTakeTheirDepthFromTheStyleBackground) {
  CSkinPanel* title = Frame().Panel(110);
  EXPECT_TRUE(title->HasBackground());
  EXPECT_EQ(title->height(), 24);
  EXPECT_FALSE(Frame().Panel(103)->HasBackground()) << "a missing picture is not an error";
}

TEST_F(FrameTest, TitleBarButtonsMinimiseAndAskToClose) {
  Command(ID_MINIMIZE_WINDOW);
  EXPECT_TRUE(Frame().windowState() & Qt::WindowMinimized);

  Frame().show();
  messages.QueueAnswer(IDNO);
  Command(ID_APP_EXIT_PROGRAM);
  QCoreApplication::sendPostedEvents();
  EXPECT_THAT(MessageTexts(), ElementsAre("Are you sure you want to quit program?"));
  EXPECT_EQ(messages.messages()[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(messages.messages()[0].defaultButton, MessageDefault::Second) << "No is preselected";
  EXPECT_TRUE(Frame().isVisible()) << "No keeps the program";

  messages.QueueAnswer(IDYES);
  Command(ID_APP_EXIT_PROGRAM);
  QCoreApplication::sendPostedEvents();
  EXPECT_FALSE(Frame().isVisible());
}

TEST_F(FrameTest, ClosingDoesNotAskWhenConfirmationsAreOff) {
  app.Settings().showQuestions = false;
  Frame().show();
  EXPECT_TRUE(Frame().close());
  EXPECT_TRUE(messages.messages().empty());
}

TEST_F(FrameTest, OkAppliesWithoutWritingAndSaveNowWritesAtOnce) {
  app.Settings().autoSave = false;
  COptionsDialog ok(app.Settings(), {}, [this] { return app.SaveSettings(); });
  ok.findChild<QCheckBox*>("check1101")->setChecked(false);
  ok.OnOK();
  EXPECT_FALSE(app.Settings().morphing);
  app.ExitInstance();
  EXPECT_FALSE(std::filesystem::exists(ProfilePath())) << "OK and quitting with AutoSave off write nothing";

  CKelvoraApp again;
  ASSERT_TRUE(again.InitInstance(Environment()));
  again.Settings().autoSave = false;
  COptionsDialog saveNow(again.Settings(), {}, [&again] { return again.SaveSettings(); });
  saveNow.findChild<QCheckBox*>("check1101")->setChecked(false);
  saveNow.OnSaveNow();
  EXPECT_FALSE(again.Settings().morphing);
  CIniProfile written;
  ASSERT_TRUE(written.Load(ProfilePath()));
  EXPECT_EQ(written.GetInt("Options", "Morphing", 1), 0);
  EXPECT_EQ(written.GetInt("Options", "AutoSave", 1), 0);
  again.ExitInstance();
}

TEST_F(FrameTest, AutoSaveWritesTheProfileWhenTheFrameGoesAway) {
  app.Settings().searchString = "curls";
  app.ExitInstance();
  CIniProfile written;
  ASSERT_TRUE(written.Load(ProfilePath()));
  EXPECT_EQ(written.GetString("Options", "SearchString", ""), "curls");
  EXPECT_FALSE(written.GetString("Options", "UseCTRLForTracker"));
}

TEST_F(FrameTest, HelpOpensTheManualAtItsIntroductionOrSaysWhatIsMissing) {
  Command(ID_HELP_FINDER);
  EXPECT_THAT(MessageTexts(), ElementsAre("Can't find " + HelpFolder() + "Kelvora.html."));
  EXPECT_TRUE(openedUrls.empty());

  std::filesystem::create_directories(HelpFolder());
  root.Write("share/kelvora/Help/Kelvora.html", {'<', 'p', '>'});
  Command(ID_HELP);
  EXPECT_THAT(openedUrls, ElementsAre("file://" + HelpFolder() + "Kelvora.html#intro"));
}

TEST_F(FrameTest, ContextHelpReadsTheHelpTextsByControlId) {
  EXPECT_EQ(ContextHelpText(HelpFolder(), 1176), kMsgNoHelpTopic) << "no help-text file";
  std::filesystem::create_directories(HelpFolder());
  std::string texts = "[Help]\n1176=Minimizes the window.\\nRestore it from the task bar.\n1175=\n";
  root.Write("share/kelvora/Help/Resdeck.ini", {texts.begin(), texts.end()});
  EXPECT_EQ(ContextHelpText(HelpFolder(), 1176), "Minimizes the window.\nRestore it from the task bar.");
  EXPECT_EQ(ContextHelpText(HelpFolder(), 1175), kMsgNoHelpTopic);
  EXPECT_EQ(HelpManualUrl("/opt/my help/Kelvora.html"), "file:///opt/my%20help/Kelvora.html#intro");
}

}  // namespace
