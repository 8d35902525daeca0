#include "app/shell/gallery_image_window.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QScreen>
#include <QWheelEvent>

#include <algorithm>

namespace {
constexpr double kMinZoom = 0.125;
constexpr double kMaxZoom = 8.0;
constexpr double kZoomStep = 1.25;
}  // namespace

CGalleryImageWindow::CGalleryImageWindow(const QImage& picture, QWidget* parent)
    : QScrollArea(parent), m_picture(picture), m_label(new QLabel) {
  setWindowFlag(Qt::Window);
  setAttribute(Qt::WA_DeleteOnClose);
  setWindowTitle("Gallery image");
  setAlignment(Qt::AlignCenter);
  setBackgroundRole(QPalette::Dark);
  m_label->setScaledContents(true);
  setWidget(m_label);
  // Large enough for the picture, within most of the screen.
  QSize size = picture.size() + QSize(4, 4);
  if (QScreen* screen = QGuiApplication::primaryScreen())
    size = size.boundedTo(screen->availableSize() * 3 / 4);
  resize(size.expandedTo(QSize(160, 120)));
  FitToWindow();
}

void CGalleryImageWindow::SetZoom(double zoom) {
  m_zoom = std::clamp(zoom, kMinZoom, kMaxZoom);
  const QSize size(std::max(1, static_cast<int>(m_picture.width() * m_zoom)),
                   std::max(1, static_cast<int>(m_picture.height() * m_zoom)));
  // Smooth scaling once per zoom, not on every paint.
  m_label->setPixmap(QPixmap::fromImage(m_picture.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  m_label->resize(size);
}

void CGalleryImageWindow::FitToWindow() {
  if (m_picture.isNull()) return;
  const QSize room = maximumViewportSize() - QSize(2, 2);
  SetZoom(std::min({1.0, static_cast<double>(room.width()) / m_picture.width(),
                    static_cast<double>(room.height()) / m_picture.height()}));
}

void CGalleryImageWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Plus:
    case Qt::Key_Equal: SetZoom(m_zoom * kZoomStep); return;
    case Qt::Key_Minus: SetZoom(m_zoom / kZoomStep); return;
    case Qt::Key_0: FitToWindow(); return;
    case Qt::Key_Escape: close(); return;
    default: QScrollArea::keyPressEvent(event);
  }
}

void CGalleryImageWindow::wheelEvent(QWheelEvent* event) {
  if (event->modifiers() & Qt::ControlModifier) {
    SetZoom(event->angleDelta().y() > 0 ? m_zoom * kZoomStep : m_zoom / kZoomStep);
    event->accept();
    return;
  }
  QScrollArea::wheelEvent(event);
}
