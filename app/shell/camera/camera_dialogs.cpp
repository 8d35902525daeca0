#include "app/shell/camera/camera_dialogs.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "controls/zor_button.h"
#include "platform/qt/window_message.h"
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
  setWindowTitle("Select camera");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Cameras and scanners:", this));
  m_list = new QListWidget(this);
  for (const std::string& name : names) m_list->addItem(QString::fromStdString(name));
  if (current >= 0 && current < m_list->count()) m_list->setCurrentRow(current);
  layout->addWidget(m_list);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(m_list, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
  layout->addWidget(buttons);
  resize(420, 260);
}

int CDeviceChoiceDialog::Chosen() const { return m_list->currentRow(); }

CSourceWindow::CSourceWindow(TwainSourceWindow window, QWidget* parent)
    : QDialog(parent), m_spec(std::move(window)) {
  setWindowTitle(QString::fromStdString(m_spec.title));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  auto* form = new QFormLayout;
  for (const TwainSourceSetting& setting : m_spec.settings) {
    auto* box = new QComboBox(this);
    for (const std::string& choice : setting.choices) box->addItem(QString::fromStdString(choice));
    box->setCurrentIndex(setting.chosen);
    form->addRow(QString::fromStdString(setting.label), box);
    m_settings.push_back(box);
  }
  layout->addLayout(form);
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* take = buttons->addButton(QString::fromStdString(m_spec.actionText), QDialogButtonBox::AcceptRole);
  take->setDefault(true);
  buttons->addButton(QDialogButtonBox::Close);
  connect(take, &QPushButton::clicked, this, &CSourceWindow::TakePicture);
  connect(buttons, &QDialogButtonBox::rejected, this, &CSourceWindow::reject);
  layout->addWidget(buttons);
  resize(360, sizeHint().height());
}

void CSourceWindow::TakePicture() {
  std::vector<int> chosen;
  for (QComboBox* box : m_settings) chosen.push_back(box->currentIndex());
  if (m_spec.onAction) m_spec.onAction(chosen);
}

// Closing is the source's request to the application; the window goes
// when the application disables the source.
void CSourceWindow::reject() {
  if (m_closing) return;
  m_closing = true;
  if (m_spec.onClose) m_spec.onClose();
}
