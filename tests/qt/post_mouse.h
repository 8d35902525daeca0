// Mouse events posted to a headless widget, as a drag loop receives them:
// the button pressed, moved with and released.
#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

inline void PostMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button = Qt::LeftButton) {
  QPointF at(local);
  QCoreApplication::postEvent(widget, new QMouseEvent(type, at, widget->mapToGlobal(at), button,
                                                      type == QEvent::MouseMove ? button : Qt::NoButton,
                                                      Qt::NoModifier));
}
