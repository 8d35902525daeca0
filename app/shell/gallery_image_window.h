// "Gallery image": a viewed gallery entry in a window of its own, open
// independently of the bar. The picture fits the window at first; the
// wheel with Ctrl, "+" and "-" zoom from 1/8 to 8 times, "0" fits again,
// and the scroll bars or the wheel move a picture larger than the window.
#pragma once

#include <QImage>
#include <QScrollArea>

class QLabel;

class CGalleryImageWindow : public QScrollArea {
 public:
  CGalleryImageWindow(const QImage& picture, QWidget* parent);
  double Zoom() const { return m_zoom; }
  void SetZoom(double zoom);
  void FitToWindow();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;

 private:
  QImage m_picture;
  QLabel* m_label;  // the scroll area's widget
  double m_zoom = 1.0;
};
