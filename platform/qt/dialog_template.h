// Dialog templates. Every panel and dialog of the program is laid out in a
// Qt Designer form (.ui, compiled by uic). A template item is any widget of
// the form that carries the dynamic property "controlId" (its dialog id);
// its caption, which for a skinned control is the skin base name, is the
// item's "text" property where it has one (buttons, labels, edits) and its
// windowTitle otherwise (sliders, plain placeholders). The geometry in the
// form is the item's place. CWnd::SubclassDlgItem puts a control in the
// item's place; see wnd.h.
#pragma once

#include <QWidget>

#include <string>

inline constexpr char kControlIdProperty[] = "controlId";

// The template item with this id among the descendants of `dialog`, or null.
QWidget* GetDlgItem(QWidget* dialog, unsigned id);
// The item's id; 0 when it has none.
unsigned GetDlgCtrlID(const QWidget* item);
// The caption the template gave the item.
std::string DialogItemCaption(const QWidget* item);
