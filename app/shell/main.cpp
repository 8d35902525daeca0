// Kelvora: the make-over imaging program.
#include <QApplication>
#include <QDialog>
#include <QScreen>
#include <QStringList>
#include <QTimer>

#include "app/shell/command_line.h"
#include "app/shell/kelvora_app.h"
#include "app/shell/screenshot_outlines.h"
#include "app/shell/screenshot_staging.h"
#include "platform/qt/message_box_qt.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Kelvora");
  CQtMessageBoxService messageBoxes;
  SetMessageBoxService(&messageBoxes);

  // "--screenshot FILE": save the screen once the window is up, then quit
  // (for the documentation; run under Xvfb on a machine without a display).
  QStringList arguments = QApplication::arguments();
  int shotAt = static_cast<int>(arguments.indexOf("--screenshot"));
  if (shotAt > 0 && shotAt + 1 < arguments.size()) {
    QString file = arguments[shotAt + 1];
    QTimer::singleShot(2500, &application, [file] {
      // A slow start-up makes the staging timers fire just before this one:
      // let their repaints and posted status texts land first.
      QApplication::processEvents();
      QApplication::primaryScreen()->grabWindow(0).save(file);
      // A modal dialog (a staged information sheet) runs a loop of its own,
      // which must end before the main loop can.
      for (int open = 0; open < 8; ++open)
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) dialog->reject();
      QApplication::exit(0);  // quit() would close the window and ask first
    });
  }

  // "--try-on KIND,ITEM": try the ITEM-th item of a kind on at start-up
  // (for the documentation's screenshots).
  const int tryOnAt = static_cast<int>(arguments.indexOf("--try-on"));
  if (tryOnAt > 0 && tryOnAt + 1 < arguments.size()) StageTryOn(arguments[tryOnAt + 1]);
  // "--stage lasso|contours|simulated": an outline or the simulation.
  const int stageAt = static_cast<int>(arguments.indexOf("--stage"));
  if (stageAt > 0 && stageAt + 1 < arguments.size()) StageOutlines(arguments[stageAt + 1]);
  // "--command ID[,ID...]": press commands' buttons at start-up, in order;
  // "1012" shows the face frame, "1194,1194" adds two looks to the gallery.
  const int commandAt = static_cast<int>(arguments.indexOf("--command"));
  if (commandAt > 0 && commandAt + 1 < arguments.size()) StageCommand(arguments[commandAt + 1]);

  // What is left once the staging options and their values are taken out
  // is the command line proper: the file to open.
  std::vector<std::string> words;
  for (int i = 1; i < arguments.size(); ++i) {
    if (i == shotAt || i == tryOnAt || i == stageAt || i == commandAt) {
      ++i;
      continue;
    }
    words.push_back(arguments[i].toStdString());
  }

  int result = 0;
  {
    CKelvoraApp app;
    // A second copy ends quietly; a start-up that failed has said why.
    if (app.InitApplication(SingleInstanceFolder(), ParseCommandLine(words).fileName))
      result = app.InitInstance(DesktopEnvironment(QApplication::applicationFilePath().toStdString(), words))
                   ? application.exec()
                   : 1;
    app.ExitInstance();
  }
  SetMessageBoxService(nullptr);
  return result;
}
