// skindemo: a panel of skinned buttons, check boxes, sliders and a thumbnail
// list of generated pictures laid out in
// a Designer form and skinned from a style file, by default the Style_1 the
// build generates. With "--screenshot FILE" it saves the panel as an image
// and quits, which is how the pictures in the documentation are made (see
// README.md).
#include <QApplication>
#include <QLabel>
#include <QTimer>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>

#include "app/resources/program_resources.h"
#include "controls/skin_resources.h"
#include "controls/zor_check_box.h"
#include "controls/zor_dib_list_ctrl.h"
#include "controls/zor_slider.h"
#include "platform/core/zip_resource_module.h"
#include "platform/qt/message_box_qt.h"
#include "ui_demo_panel.h"

namespace {

constexpr unsigned kPrintId = 2001, kExitId = 2002, kBrushId = 2003, kLassoId = 2004;
constexpr unsigned kBrightnessId = 2005, kOpacityId = 2006;
constexpr unsigned kHelpId = 2010, kMinimiseId = 2011, kCloseId = 2012, kThinId = 2013, kThickId = 2014;
constexpr unsigned kBodyId = 2015, kPreviousId = 2016, kProjectionId = 2017, kNextId = 2018;
constexpr unsigned kPictureListId = 2020;
constexpr int kPictureCount = 14;

// A 48 x 48 stand-in for an item thumbnail: a lit disc on a shaded ground,
// each picture in its own hue.
std::unique_ptr<CDib> GeneratedPicture(int number) {
  constexpr int kSide = 48;
  auto picture = std::make_unique<CDib>();
  if (!picture->Create(CSize(kSide, kSide))) return nullptr;
  QColor hue = QColor::fromHsv(number * 360 / kPictureCount, 150, 200);
  unsigned char* bits = picture->LockBits();
  for (int y = 0; y < kSide; ++y) {
    unsigned char* pixel = bits + (kSide - 1 - y) * picture->RowLength();
    for (int x = 0; x < kSide; ++x, pixel += 3) {
      double dx = x - 24.0, dy = y - 20.0;
      bool disc = dx * dx + dy * dy < 14.0 * 14.0 || (y > 36 && std::abs(dx) < 20 - (48 - y) / 2.0);
      QColor c = disc ? hue.lighter(130 - y) : hue.darker(220 + 2 * y);
      pixel[0] = static_cast<unsigned char>(c.blue());
      pixel[1] = static_cast<unsigned char>(c.green());
      pixel[2] = static_cast<unsigned char>(c.red());
    }
  }
  picture->UnlockBits();
  return picture;
}

class PictureList : public CZORDibListCtrl {
 public:
  using CZORDibListCtrl::CZORDibListCtrl;
  std::string GetItemToolText(int index) override { return GetItem(index)->text; }
};

class DemoPanel : public CWnd {
 public:
  DemoPanel() {
    m_form.setupUi(this);
    setAutoFillBackground(true);
    QPalette shade = palette();
    QImage background;
    if (auto bytes = GetImageInstance()->FindResource("IDB_RIGHT_EMPTY_PATTERN", "jpgimage"))
      background.loadFromData(bytes->data(), static_cast<int>(bytes->size()));
    if (background.isNull()) shade.setColor(QPalette::Window, QColor(38, 44, 58));
    else shade.setBrush(QPalette::Window, QBrush(background));
    shade.setColor(QPalette::WindowText, QColor(214, 220, 232));
    setPalette(shade);

    for (unsigned id : {kPrintId, kExitId, kHelpId, kMinimiseId, kCloseId, kPreviousId, kNextId})
      (new CZORButton(this))->SubclassDlgItem(id, this);
    m_projection = new CZORButton(this);
    m_projection->SubclassDlgItem(kProjectionId, this);
    for (unsigned id : {kBrushId, kLassoId, kThinId, kThickId, kBodyId}) {
      auto* box = new CZORCheckBox(this);
      box->SubclassDlgItem(id, this);
      if (id == kBrushId || id == kThickId) box->SetCheck(true);
      if (id == kLassoId) box->Enable(false);
    }
    auto* brightness = new CZORSlider(this);
    brightness->SubclassDlgItem(kBrightnessId, this, 0);
    brightness->SetTrackColor(RGB(43, 179, 163));
    brightness->SetPos(70);
    auto* opacity = new CZORSlider(this);
    opacity->SubclassDlgItem(kOpacityId, this, kSliderHorizontal);
    opacity->SetTrackColor(RGB(236, 104, 86));
    opacity->SetPos(40);

    m_pictures = new PictureList(this);
    m_pictures->SubclassDlgItem(kPictureListId, this, CPoint(4, 4), false, kDibListVertical, 3, true);
    CRect fitted;
    m_pictures->CalcWindowRect(&fitted);
    m_pictures->resize(fitted.Width(), fitted.Height());
    for (int i = 0; i < kPictureCount; ++i)
      m_pictures->AddItem(GeneratedPicture(i), "Picture " + std::to_string(i + 1), i);
    m_pictures->SetCurSel(4);
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam, const std::string& text) override {
    if (message == WM_SETMESSAGESTRING) m_form.statusLine->setText(QString::fromStdString(text));
    if (message == WM_VSCROLL || message == WM_HSCROLL)
      m_form.statusLine->setText(QStringLiteral("Value %1").arg(HIWORD(wParam)));
    return CWnd::WindowProc(message, wParam, lParam, text);
  }

 protected:
  void OnCommand(UINT id, UINT code, HWND) override {
    if (id == kPictureListId) {
      int selected = m_pictures->GetCurSel();
      if (code == kDibListNotifyDoubleClick && selected >= 0)
        m_form.statusLine->setText(QStringLiteral("Opened picture %1").arg(selected + 1));
      else if (code == kDibListNotifyClick)
        m_form.statusLine->setText(QStringLiteral("%1 pictures selected").arg(m_pictures->GetSelCount()));
      return;
    }
    m_form.statusLine->setText(QStringLiteral("Command %1").arg(id));
    if (id == kExitId || id == kCloseId) QApplication::quit();
  }

 private:
  Ui::DemoPanel m_form;
  CZORButton* m_projection;
  PictureList* m_pictures;
};

// The style the build generates, found from the program's own folder.
std::string DefaultStylePath(const char* program) {
  std::filesystem::path folder = std::filesystem::absolute(program).parent_path();
  return (folder / ".." / "share" / "kelvora" / "Styles" / "Style_1" / "style.kvstyle").lexically_normal().string();
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName("Kelvora");
  CQtMessageBoxService messageBoxes;
  SetMessageBoxService(&messageBoxes);

  std::string stylePath = DefaultStylePath(argv[0]);
  const char* screenshot = nullptr;
  for (int i = 1; i + 1 < argc; i += 2) {
    if (std::strcmp(argv[i], "--screenshot") == 0) screenshot = argv[i + 1];
    else if (std::strcmp(argv[i], "--style") == 0) stylePath = argv[i + 1];
  }
  std::string reason;
  std::unique_ptr<CZipResourceModule> style = CZipResourceModule::Open(stylePath, &reason);
  if (!style) {
    std::fprintf(stderr, "skindemo: %s\n", reason.c_str());
    return 1;
  }

  ProgramResources().AddString(kPrintId, "Print the pictures of the gallery\nPrint");
  ProgramResources().AddString(kExitId, "Leave the demo\nExit");
  UseProgramResources();
  SetImageInstance(style.get());

  DemoPanel panel;
  SetMainWindow(&panel);
  panel.show();

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
