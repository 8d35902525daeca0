// Kelvora: the make-over imaging program.
#include <QApplication>

#include "app/shell/kelvora_app.h"
#include "platform/qt/message_box_qt.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Kelvora");
  CQtMessageBoxService messageBoxes;
  SetMessageBoxService(&messageBoxes);

  int result = 0;
  {
    CKelvoraApp app;
    // A second copy ends quietly; a start-up that failed has said why.
    if (app.InitApplication(SingleInstanceFolder()))
      result = app.InitInstance(DesktopEnvironment(QApplication::applicationFilePath().toStdString()))
                   ? application.exec()
                   : 1;
    app.ExitInstance();
  }
  SetMessageBoxService(nullptr);
  return result;
}
