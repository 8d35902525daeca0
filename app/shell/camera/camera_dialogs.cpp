#include "app/shell/camera/camera_dialogs.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "controls/zor_button.h"
#include "controls/zor_dib_list_ctrl.h"
#include "imagelib/dib.h"
#include "platform/qt/window_message.h"
#include "ui_device_choice_dialog.h"
#include "ui_projection_dialog.h"

namespace {

// The buttons' panel: a window of the skinned controls, so their clicks
// arrive as commands.
class CProjectionButtons : public CWnd {
 public:
  explicit CProjectionButtons(std::function<void(UINT)> pressed, QWidget* parent)
      : CWnd(parent), m_pressed(std::move(pressed)) {}

 protected:
  void OnCommand(UINT id, UINT code, HWND control) override { m_pressed(id); }

 private:
  std::function<void(UINT)> m_pressed;
};

constexpr UINT kDeviceListId = 998;
constexpr int kGlyphSide = 40;

// A camera drawn in the list's thumbnail: a grey body, a lens, a flash.
std::unique_ptr<CDib> DeviceGlyph() {
  auto glyph = std::make_unique<CDib>();
  if (!glyph->Create(CSize(kGlyphSide, kGlyphSide))) return nullptr;
  unsigned char* bits = glyph->LockBits();
  for (int y = 0; y < kGlyphSide; ++y)
    for (int x = 0; x < kGlyphSide; ++x) {
      const int dx = x - 20, dy = y - 22;
      const bool body = x >= 4 && x < 36 && y >= 12 && y < 34;
      const bool lens = dx * dx + dy * dy < 64;
      const bool flash = x >= 26 && x < 32 && y >= 8 && y < 12;
      unsigned char grey = lens ? 40 : body ? 150 : flash ? 220 : 0;
      unsigned char* pixel = bits + static_cast<std::size_t>(kGlyphSide - 1 - y) * glyph->RowLength() + 3 * x;
      pixel[0] = pixel[1] = pixel[2] = grey;
    }
  glyph->UnlockBits();
  return glyph;
}

}  // namespace

int ProjectionOfButton(UINT id) {
  if (id < kProjectionButtonFirst || id >= kProjectionButtonFirst + kProjectionButtons) return -1;
  return static_cast<int>(id - kProjectionButtonFirst);
}

CProjectionDialog::CProjectionDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle("Projection");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  m_buttons = new CProjectionButtons(
      [this](UINT id) {
        m_projection = ProjectionOfButton(id);
        if (m_projection >= 0) accept();
      },
      this);
  Ui::ProjectionDialog form;
  form.setupUi(m_buttons);
  m_buttons->setFixedSize(m_buttons->size());
  for (int i = 0; i < kProjectionButtons; ++i) (new CZORButton(m_buttons))->SubclassDlgItem(kProjectionButtonFirst + i, m_buttons);
  layout->addWidget(m_buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

CProjectionDialog::~CProjectionDialog() = default;

CDeviceChoiceDialog::CDeviceChoiceDialog(const std::vector<std::string>& names, int current, QWidget* parent)
    : QDialog(parent) {
  Ui::DeviceChoiceDialog form;
  form.setupUi(this);
  m_list = new CZORDibListCtrl(this);
  // The cells leave a line under the camera for its number.
  m_list->SubclassDlgItem(kDeviceListId, this, CPoint(8, 4), true, 0, 1, false);
  // Device names are long; the thumbnails carry numbers, the label the names.
  QString legend;
  for (std::size_t i = 0; i < names.size(); ++i) {
    m_list->AddItem(DeviceGlyph(), std::to_string(i + 1));
    legend += QString("%1. %2\n").arg(i + 1).arg(QString::fromStdString(names[i]));
  }
  form.names->setText(legend.trimmed());
  if (current >= 0 && current < m_list->GetCount()) m_list->SetCurSel(current);
  connect(form.buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(form.buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

int CDeviceChoiceDialog::Chosen() const { return m_list->GetCurSel(); }
