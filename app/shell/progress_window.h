// Dialog 148: the progress window of long editing operations (the
// simulation's warp). A bar over the style's "IDB_PROGRESS" picture fills
// as the work reports its percentage; Escape asks the work to stop.
#pragma once

#include <QDialog>

#include "imagelib/dib.h"

class CProgressWindow : public QDialog {
 public:
  explicit CProgressWindow(QWidget* parent);

  // Shows `percent`, lets the window system deliver its events (so Escape
  // is heard) and answers whether the work may go on.
  bool Advance(int percent);
  bool Cancelled() const { return m_cancelled; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override { m_cancelled = true; }

 private:
  QImage m_bar;
  int m_percent = 0;
  bool m_cancelled = false;
};
