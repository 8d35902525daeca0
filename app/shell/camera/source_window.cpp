#include "app/shell/camera/source_window.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

#include "app/shell/printing/dib_image.h"
#include "controls/zor_button.h"
#include "imagelib/dib.h"

namespace {

// The panels' dark ground and light text.
const QColor kGround(34, 38, 51);
const QColor kText(226, 230, 238);
constexpr int kButtonWidth = 88, kButtonHeight = 48, kButtonGap = 8;
constexpr int kPreviewWidth = 320, kPreviewHeight = 240;

// The style's buttons need a window that hears their commands.
class CSourceButtons : public CWnd {
 public:
  CSourceButtons(const std::string& actionText, std::function<void(UINT)> command, QWidget* parent)
      : CWnd(parent), m_command(std::move(command)) {
    // A scanner's button shows a scanner, anything else a camera.
    const std::pair<UINT, const char*> buttons[] = {
        {kSourceActionId, actionText == "Scan" ? "SOURCE_SCAN" : "SOURCE_PHOTO"}, {kSourceCloseId, "SOURCE_CLOSE"}};
    int x = 0;
    for (const auto& [id, base] : buttons) {
      auto* placeholder = new QPushButton(base, this);
      placeholder->setProperty("controlId", id);
      placeholder->setGeometry(x, 0, kButtonWidth, kButtonHeight);
      x += kButtonWidth + kButtonGap;
      (new CZORButton(this))->SubclassDlgItem(id, this);
    }
    setFixedSize(x - kButtonGap, kButtonHeight);
  }

 protected:
  void OnCommand(UINT id, UINT, HWND) override { m_command(id); }
  // The buttons' black corners are see-through: the window's ground shows.
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), kGround); }

 private:
  std::function<void(UINT)> m_command;
};

}  // namespace

CSourcePreview::CSourcePreview(QWidget* parent) : QWidget(parent) {
  setMinimumSize(kPreviewWidth, kPreviewHeight);
}

void CSourcePreview::ShowFrame(HGLOBAL frame) {
  CDib picture;
  if (!picture.Create(frame)) return;  // the block is the picture's, or freed
  m_frame = DibToImage(picture);
  ++m_framesShown;
  update();
}

void CSourcePreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  if (m_frame.isNull()) {
    painter.setPen(kText);
    painter.drawText(rect(), Qt::AlignCenter, "Waiting for the camera...");
    return;
  }
  const QSize fitted = m_frame.size().scaled(size(), Qt::KeepAspectRatio);
  const QRect target(QPoint((width() - fitted.width()) / 2, (height() - fitted.height()) / 2), fitted);
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(target, m_frame);
}

CSourceWindow::CSourceWindow(TwainSourceWindow window, QWidget* parent)
    : QDialog(parent), m_spec(std::move(window)) {
  setWindowTitle(QString::fromStdString(m_spec.title));
  setModal(false);
  setObjectName("SourceWindow");
  setStyleSheet("QDialog#SourceWindow { background: rgb(34, 38, 51); }"
                "QLabel { color: rgb(226, 230, 238); }"
                "QComboBox { color: rgb(235, 235, 235); background: rgb(48, 48, 58);"
                " border: 1px solid rgb(110, 110, 130); padding: 1px 6px; }"
                "QComboBox QAbstractItemView { color: rgb(235, 235, 235); background: rgb(48, 48, 58); }");
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(12, 12, 12, 12);
  layout->setSpacing(10);
  if (m_spec.watchPreview) {
    m_preview = new CSourcePreview(this);
    layout->addWidget(m_preview, 1);
    // Frames come until the source is disabled, which is before this window
    // goes; the guard covers a window taken down any other way.
    QPointer<CSourcePreview> preview = m_preview;
    m_spec.watchPreview([preview](HGLOBAL frame) {
      if (preview) preview->ShowFrame(frame);
      else MemoryBlockFree(frame);
    });
  }
  if (!m_spec.settings.empty()) {
    auto* form = new QFormLayout;
    form->setHorizontalSpacing(12);
    for (const TwainSourceSetting& setting : m_spec.settings) {
      auto* box = new QComboBox(this);
      for (const std::string& choice : setting.choices) box->addItem(QString::fromStdString(choice));
      box->setCurrentIndex(setting.chosen);
      box->setMinimumWidth(160);
      form->addRow(new QLabel(QString::fromStdString(setting.label), this), box);
      m_settings.push_back(box);
    }
    layout->addLayout(form);
  }
  m_buttons = new CSourceButtons(m_spec.actionText,
                                 [this](UINT id) {
                                   if (id == kSourceActionId) TakePicture();
                                   else if (id == kSourceCloseId) reject();
                                 },
                                 this);
  layout->addWidget(m_buttons, 0, Qt::AlignRight);
  if (!m_preview) layout->addStretch();
  resize(m_preview ? kPreviewWidth + 24 : 300, sizeHint().height());
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
