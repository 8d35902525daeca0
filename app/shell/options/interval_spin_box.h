// The slideshow interval's spin control: steps of 100 while the user starts
// holding an arrow, of 500 after three seconds of holding.
#pragma once

#include <QElapsedTimer>
#include <QSpinBox>

class CIntervalSpinBox : public QSpinBox {
 public:
  explicit CIntervalSpinBox(QWidget* parent = nullptr);
  void stepBy(int steps) override;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  QElapsedTimer m_held;
};
