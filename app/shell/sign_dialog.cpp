#include "app/shell/sign_dialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QToolButton>

#include "app/shell/printing/dib_image.h"
#include "app/shell/printing/print_page.h"
#include "controls/scaled_picture.h"
#include "controls/skin_resources.h"
#include "platform/core/message_box.h"
#include "platform/qt/painter_dc.h"

namespace {

// Windows' pitch values, which the settings keep.
constexpr int kFixedPitch = 1;
constexpr int kVariablePitch = 2;
constexpr int kTrueTypeFontType = 4;

class CSignPreview : public QWidget {
 public:
  CSignPreview(const CSignDialogModel& model, QWidget* parent) : QWidget(parent), m_model(model) {
    setMinimumSize(300, 70);
    setProperty("controlId", 1221);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QColor(160, 160, 160));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    const SignProperties& sign = m_model.Properties();
    // The screen's own resolution, so the preview shows the point size.
    if (std::optional<QFont> font = MakeSignFont(sign, logicalDpiY(), 1.0)) {
      painter.setFont(*font);
      painter.setPen(Qt::black);
      painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, QString::fromStdString(sign.sign));
    }
  }

 private:
  const CSignDialogModel& m_model;
};

// Where the picture's heading band and footer band end, and the margin of
// its heading: the fields sit between the bands, the buttons on the footer.
constexpr int kHeadingBand = 56, kFooterBand = 48, kMargin = 12;

// The panels' ink and edges, the accent for what is on or has the focus.
constexpr const char* kSignStyleSheet =
    "QLabel { color: rgb(214, 220, 232); }"
    "QLineEdit, QComboBox { color: rgb(235, 238, 244); background: rgb(26, 29, 39);"
    " border: 1px solid rgb(92, 102, 128); border-radius: 4px; padding: 2px 6px; min-height: 18px; }"
    "QLineEdit:focus, QComboBox:focus { border-color: rgb(43, 179, 163); }"
    "QComboBox QAbstractItemView { color: rgb(235, 238, 244); background: rgb(26, 29, 39);"
    " selection-background-color: rgb(24, 122, 112); }"
    "QToolButton, QPushButton { color: rgb(214, 220, 232); background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1,"
    " stop: 0 rgb(70, 79, 102), stop: 1 rgb(50, 57, 75)); border: 1px solid rgb(92, 102, 128); border-radius: 5px; }"
    "QToolButton { min-width: 24px; min-height: 22px; font-weight: bold; }"
    "QPushButton { min-width: 72px; min-height: 24px; padding: 0 10px; }"
    "QToolButton:hover, QPushButton:hover { border-color: rgb(43, 179, 163); }"
    "QToolButton:checked, QPushButton:pressed { color: white; background: rgb(24, 122, 112);"
    " border-color: rgb(120, 210, 200); }"
    "QPushButton:default { border-color: rgb(43, 179, 163); }";

QToolButton* Toggle(const char* text, int id, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText(text);
  button->setCheckable(true);
  button->setProperty("controlId", id);
  return button;
}

}  // namespace

std::vector<SignFontEntry> InstalledSignFonts() {
  std::vector<SignFontEntry> fonts;
  for (const QString& family : QFontDatabase::families()) {
    SignFontEntry entry;
    entry.name = family.toStdString();
    entry.pitchAndFamily = QFontDatabase::isFixedPitch(family) ? kFixedPitch : kVariablePitch;
    entry.flags = QFontDatabase::isScalable(family) ? kTrueTypeFontType : 0;
    for (QFontDatabase::WritingSystem system : QFontDatabase::writingSystems(family)) {
      const std::string name = QFontDatabase::writingSystemName(system).toStdString();
      entry.scripts.push_back({name, CharSetOfScript(name)});
    }
    fonts.push_back(std::move(entry));
  }
  return fonts;
}

CSignDialog::CSignDialog(const std::string& profilePath, QWidget* parent)
    : QDialog(parent),
      m_profilePath(profilePath),
      m_model(std::make_unique<CSignDialogModel>(InstalledSignFonts(), LoadSignProperties(profilePath))) {
  setWindowTitle("Sign");
  CScaledDib picture;
  if (picture.Load("IDB_SELECTSIGN", GetImageInstance())) {
    m_background = DibToImage(picture.At(1));
    m_denseBackground = DibToImage(picture.At(kHighDensityScale));
  }

  m_text = new QLineEdit(QString::fromStdString(m_model->Properties().sign), this);
  m_text->setProperty("controlId", 1220);
  m_fonts = new QComboBox(this);
  m_fonts->setProperty("controlId", 1218);
  for (const SignFontEntry& font : m_model->Fonts()) m_fonts->addItem(QString::fromStdString(font.name));
  m_fonts->setCurrentIndex(m_model->FontIndex());
  m_sizes = new QComboBox(this);
  m_sizes->setEditable(true);
  m_sizes->setProperty("controlId", 1225);
  for (int size : CSignDialogModel::Sizes()) m_sizes->addItem(QString::number(size));
  m_sizes->setCurrentText(QString::number(m_model->Properties().size));
  m_bold = Toggle("B", 1222, this);
  m_italic = Toggle("I", 1223, this);
  m_underline = Toggle("U", 1224, this);
  m_bold->setChecked(m_model->Properties().bold);
  m_italic->setChecked(m_model->Properties().italic);
  m_underline->setChecked(m_model->Properties().underline);
  m_scripts = new QComboBox(this);
  m_scripts->setProperty("controlId", 1226);
  m_preview = new CSignPreview(*m_model, this);
  FillScripts();

  auto* grid = new QGridLayout(this);
  if (m_background.isNull()) grid->setContentsMargins(16, 40, 16, 12);
  else grid->setContentsMargins(kMargin, kHeadingBand, kMargin, 10);
  grid->addWidget(new QLabel("Text", this), 0, 0);
  grid->addWidget(m_text, 0, 1, 1, 4);
  grid->addWidget(new QLabel("Font", this), 1, 0);
  grid->addWidget(m_fonts, 1, 1, 1, 2);
  grid->addWidget(m_sizes, 1, 3, 1, 2);
  grid->addWidget(new QLabel("Script", this), 2, 0);
  grid->addWidget(m_scripts, 2, 1, 1, 2);
  grid->addWidget(m_bold, 2, 3);
  auto* styleButtons = new QHBoxLayout;
  styleButtons->addWidget(m_italic);
  styleButtons->addWidget(m_underline);
  grid->addLayout(styleButtons, 2, 4);
  grid->addWidget(m_preview, 3, 0, 1, 5);
  grid->setRowStretch(3, 1);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  if (!m_background.isNull()) {
    // The preview stops short of the footer band; the buttons sit on it.
    grid->setRowMinimumHeight(4, kFooterBand - 38);
    setStyleSheet(kSignStyleSheet);
    setFixedSize(m_background.size());
  }
  grid->addWidget(buttons, 5, 0, 1, 5);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

  connect(m_text, &QLineEdit::textChanged, this, [this] { ReadBack(); });
  connect(m_sizes, &QComboBox::currentTextChanged, this, [this] { ReadBack(); });
  connect(m_fonts, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (m_filling) return;
    m_model->ChooseFont(index);
    FillScripts();
    ReadBack();
  });
  connect(m_scripts, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (m_filling) return;
    m_model->ChooseScript(index);
    ReadBack();
  });
  for (QToolButton* toggle : {m_bold, m_italic, m_underline})
    connect(toggle, &QToolButton::toggled, this, [this] { ReadBack(); });
}

void CSignDialog::FillScripts() {
  m_filling = true;
  m_scripts->clear();
  for (const SignFontScript& script : m_model->Scripts()) m_scripts->addItem(QString::fromStdString(script.name));
  m_scripts->setCurrentIndex(m_model->ScriptIndex());
  m_filling = false;
}

void CSignDialog::ReadBack() {
  if (m_filling) return;
  m_model->SetSizeText(m_sizes->currentText().toStdString());
  m_model->SetText(m_text->text().toStdString());
  m_model->SetBold(m_bold->isChecked());
  m_model->SetItalic(m_italic->isChecked());
  m_model->SetUnderline(m_underline->isChecked());
  m_preview->update();
}

void CSignDialog::accept() {
  ReadBack();
  if (!SaveSignProperties(m_profilePath, m_model->Properties()))
    ShowMessageBox("Can't write the settings file " + m_profilePath + ".", {}, MessageIcon::Stop);
  QDialog::accept();
}

void CSignDialog::paintEvent(QPaintEvent* event) {
  if (m_background.isNull()) return QDialog::paintEvent(event);
  QPainter painter(this);
  const bool dense = PictureScale(painter) > 1 && !m_denseBackground.isNull();
  painter.drawImage(rect(), dense ? m_denseBackground : m_background);
}
