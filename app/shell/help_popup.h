// The context-help pop-up: a small window at the cursor in the style's help
// colours (text 61787, background 61788), closed by the next click or key.
#pragma once

#include <QPoint>

#include <string>

class QWidget;

// Returns the pop-up, which deletes itself when closed.
QWidget* ShowHelpPopup(const std::string& text, QPoint at, QWidget* parent);
