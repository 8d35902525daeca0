#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSysInfo>

#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

#include "app/shell/single_instance.h"
#include "tests/test_files.h"

namespace {

// Runs the event loop until the first copy has seen the request; bounded so
// a lost request fails the test instead of hanging it.
void ProcessUntil(const bool& done) {
  for (int round = 0; round < 200 && !done; ++round) QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
}

TEST(SingleInstance, ASecondCopyAsksTheFirstToShowAndEnds) {
  TemporaryFolder folder;
  CSingleInstance first(folder.File("run"));
  bool shown = false;
  std::string handed = "unset";
  first.SetShowRequestHandler([&](const std::string& path) { shown = true, handed = path; });
  ASSERT_TRUE(first.Acquire());

  CSingleInstance second(folder.File("run"));
  EXPECT_FALSE(second.Acquire());
  EXPECT_TRUE(second.AskRunningCopyToShow());
  ProcessUntil(shown);
  EXPECT_TRUE(shown);
  EXPECT_EQ(handed, "") << "no file to open";

  shown = false;
  EXPECT_TRUE(second.AskRunningCopyToShow("/home/u/Фото с пробелом.jpg"));
  ProcessUntil(shown);
  EXPECT_EQ(handed, "/home/u/Фото с пробелом.jpg");

  first.Release();
  CSingleInstance third(folder.File("run"));
  EXPECT_TRUE(third.Acquire()) << "a copy that ended lets the next one start";
}

TEST(SingleInstance, TheLockOfACrashedCopyDoesNotBlockTheNextStart) {
  TemporaryFolder folder;
  CSingleInstance next(folder.File("run"));
  // A lock left behind by a process that no longer exists, and its socket.
  pid_t gone = ::fork();
  if (gone == 0) ::_exit(0);
  ::waitpid(gone, nullptr, 0);
  std::filesystem::create_directories(folder.File("run"));
  std::ofstream(next.LockPath()) << gone << "\nKelvora\n" << QSysInfo::machineHostName().toStdString() << "\n";
  std::ofstream(next.SocketPath()) << "";

  ASSERT_TRUE(next.Acquire());
  CSingleInstance later(folder.File("run"));
  EXPECT_FALSE(later.Acquire());
  EXPECT_TRUE(later.AskRunningCopyToShow()) << "the stale socket was replaced";
}

TEST(SingleInstance, AnOversizedRequestStillShowsTheWindowButOpensNothing) {
  TemporaryFolder folder;
  CSingleInstance first(folder.File("run"));
  bool shown = false;
  std::string handed = "unset";
  first.SetShowRequestHandler([&](const std::string& path) { shown = true, handed = path; });
  ASSERT_TRUE(first.Acquire());
  CSingleInstance second(folder.File("run"));
  EXPECT_TRUE(second.AskRunningCopyToShow(std::string(CSingleInstance::kMaxRequestBytes + 10, 'a')));
  ProcessUntil(shown);
  EXPECT_TRUE(shown);
  EXPECT_EQ(handed, "");
}

TEST(SingleInstance, NobodyAnswersWhenNoCopyRuns) {
  TemporaryFolder folder;
  CSingleInstance alone(folder.File("run"));
  EXPECT_FALSE(alone.AskRunningCopyToShow());
}

}  // namespace
