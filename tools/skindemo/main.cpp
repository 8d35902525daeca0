// skindemo: a panel of skinned buttons, check boxes and sliders laid out in
// a Designer form and skinned from a style module drawn in code. With
// "--screenshot FILE" it saves the panel as an image and quits, which is
// how the pictures in the documentation are made (see README.md).
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cstdio>
#include <cstring>

#include "app/resources/program_resources.h"
#include "controls/skin_resources.h"
#include "controls/zor_check_box.h"
#include "controls/zor_slider.h"
#include "platform/qt/message_box_qt.h"
#include "tools/skindemo/demo_style.h"
#include "ui_demo_panel.h"

namespace {

constexpr unsigned kPlayId = 2001, kStopId = 2002, kGridId = 2003, kSnapId = 2004;
constexpr unsigned kBrightnessId = 2005, kOpacityId = 2006;

class DemoPanel : public CWnd {
 public:
  DemoPanel() {
    m_form.setupUi(this);
    setAutoFillBackground(true);
    QPalette shade = palette();
    shade.setColor(QPalette::Window, QColor(38, 44, 58));
    shade.setColor(QPalette::WindowText, QColor(220, 220, 230));
    setPalette(shade);

    auto* play = new CZORButton(this);
    play->SubclassDlgItem(kPlayId, this);
    m_stop = new CZORButton(this);
    m_stop->SubclassDlgItem(kStopId, this);
    m_grid = new CZORCheckBox(this);
    m_grid->SubclassDlgItem(kGridId, this);
    auto* snap = new CZORCheckBox(this);
    snap->SubclassDlgItem(kSnapId, this);
    snap->SetCheck(true);
    auto* brightness = new CZORSlider(this);
    brightness->SubclassDlgItem(kBrightnessId, this, 0);
    brightness->SetTrackColor(RGB(80, 140, 255));
    brightness->SetPos(70);
    auto* opacity = new CZORSlider(this);
    opacity->SubclassDlgItem(kOpacityId, this, kSliderHorizontal);
    opacity->SetTrackColor(RGB(255, 180, 60));
    opacity->SetPos(40);
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam, const std::string& text) override {
    if (message == WM_SETMESSAGESTRING) m_form.statusLine->setText(QString::fromStdString(text));
    if (message == WM_VSCROLL || message == WM_HSCROLL)
      m_form.statusLine->setText(QStringLiteral("Value %1").arg(HIWORD(wParam)));
    return CWnd::WindowProc(message, wParam, lParam, text);
  }

 protected:
  void OnCommand(UINT id, UINT, HWND) override {
    if (id == kGridId) m_stop->Enable(!m_grid->IsChecked());
    m_form.statusLine->setText(QStringLiteral("Command %1").arg(id));
  }

 private:
  Ui::DemoPanel m_form;
  CZORButton* m_stop;
  CZORCheckBox* m_grid;
};

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Kelvora");
  CQtMessageBoxService messageBoxes;
  SetMessageBoxService(&messageBoxes);

  ProgramResources().AddString(kPlayId, "Play the animation\nPlay");
  ProgramResources().AddString(kStopId, "Stop the animation\nStop");
  UseProgramResources();
  CMemoryResourceModule style;
  FillDemoStyle(style);
  SetImageInstance(&style);

  DemoPanel panel;
  SetMainWindow(&panel);
  panel.show();

  const char* screenshot = argc == 3 && std::strcmp(argv[1], "--screenshot") == 0 ? argv[2] : nullptr;
  if (screenshot) {
    QTimer::singleShot(0, [&panel, screenshot] {
      if (!panel.grab().save(screenshot)) std::fprintf(stderr, "skindemo: %s: cannot write the image\n", screenshot);
      QApplication::quit();
    });
  }
  int result = application.exec();
  SetMainWindow(nullptr);
  SetImageInstance(nullptr);
  SetMessageBoxService(nullptr);
  return result;
}
