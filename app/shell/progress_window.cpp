#include "app/shell/progress_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>

#include "controls/scaled_picture.h"
#include "controls/skin_resources.h"
#include "platform/qt/painter_dc.h"

namespace {

constexpr int kDialogId = 148;
constexpr QSize kDefaultSize(320, 40);

QImage PictureOf(CDib& dib) {
  QImage picture(dib.Width(), dib.Height(), QImage::Format_RGB32);
  unsigned char* bits = dib.LockBits();
  if (!bits) return {};
  for (int y = 0; y < dib.Height(); ++y) {
    const unsigned char* row = bits + static_cast<std::size_t>(dib.Height() - 1 - y) * dib.RowLength();
    auto* out = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < dib.Width(); ++x) out[x] = qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
  }
  dib.UnlockBits();
  return picture;
}

}  // namespace

CProgressWindow::CProgressWindow(QWidget* parent, Show show)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_show(show) {
  m_clock.start();
  setProperty("controlId", kDialogId);
  setModal(true);
  CScaledDib skin;
  if (skin.Load("IDB_PROGRESS", GetImageInstance())) {
    m_bar = PictureOf(skin.At(1));
    m_denseBar = PictureOf(skin.At(kHighDensityScale));
  }
  setFixedSize(m_bar.isNull() ? kDefaultSize : QSize(std::max(m_bar.width(), 64), m_bar.height() + 16));
}

bool CProgressWindow::Advance(int percent) {
  if (!isVisible()) {
    if (m_show == Show::whenSlow && m_clock.elapsed() < kSlowAfterMs) return !m_cancelled;
    show();
  }
  if (percent != m_percent) {
    m_percent = percent;
    repaint();
  }
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  QApplication::processEvents();
  return !m_cancelled;
}

void CProgressWindow::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), Qt::black);
  const QRect track = rect().adjusted(8, 8, -8, -8);
  const QRect done(track.left(), track.top(), track.width() * m_percent / 100, track.height());
  if (m_bar.isNull())
    painter.fillRect(done, QColor(40, 140, 220));
  else if (PictureScale(painter) > 1 && !m_denseBar.isNull())
    painter.drawImage(done, m_denseBar, QRect(0, 0, m_denseBar.width() * m_percent / 100, m_denseBar.height()));
  else
    painter.drawImage(done, m_bar, QRect(0, 0, m_bar.width() * m_percent / 100, m_bar.height()));
  painter.setPen(Qt::gray);
  painter.drawRect(track.adjusted(0, 0, -1, -1));
}

void CProgressWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) m_cancelled = true;
  else QDialog::keyPressEvent(event);
}
