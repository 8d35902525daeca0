#include "app/shell/options/interval_spin_box.h"

#include <QKeyEvent>

#include "app/shell/options/options_model.h"

CIntervalSpinBox::CIntervalSpinBox(QWidget* parent) : QSpinBox(parent) {
  setRange(kSlideshowIntervalMin, kSlideshowIntervalMax);
  setDisplayIntegerBase(10);
}

void CIntervalSpinBox::stepBy(int steps) {
  if (!m_held.isValid()) m_held.start();
  setSingleStep(IntervalSpinStep(m_held.elapsed()));
  QSpinBox::stepBy(steps);
}

void CIntervalSpinBox::mouseReleaseEvent(QMouseEvent* event) {
  m_held.invalidate();
  QSpinBox::mouseReleaseEvent(event);
}

void CIntervalSpinBox::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) m_held.invalidate();
  QSpinBox::keyReleaseEvent(event);
}
