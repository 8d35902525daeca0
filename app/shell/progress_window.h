// Dialog 148: the progress window of long editing operations (the
// simulation's warp, the mask of an area command). A bar over the style's
// "IDB_PROGRESS" picture fills as the work reports its percentage; Escape
// asks the work to stop.
#pragma once

#include <QDialog>
#include <QElapsedTimer>

#include "imagelib/dib.h"

class CProgressWindow : public QDialog {
 public:
  // whenSlow waits until the work has taken kSlowAfterMs before it shows,
  // so quick work does not flash a window.
  enum class Show { atOnce, whenSlow };
  static constexpr int kSlowAfterMs = 300;
  explicit CProgressWindow(QWidget* parent, Show show = Show::atOnce);

  // Shows `percent`, lets the window system deliver its events (so Escape
  // is heard) and answers whether the work may go on. While the window is
  // not shown yet, no events are delivered: nothing modal would hold the
  // user's input back from the rest of the program.
  bool Advance(int percent);
  bool Cancelled() const { return m_cancelled; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void reject() override { m_cancelled = true; }

 private:
  Show m_show;
  QElapsedTimer m_clock;
  QImage m_bar;
  QImage m_denseBar;  // the bar's double picture, for screens of twice the density
  int m_percent = 0;
  bool m_cancelled = false;
};
