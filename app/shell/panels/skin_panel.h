// One of the main window's panels: a bar laid out from its template, drawn
// with its background picture from the style, its buttons, check boxes and
// sliders turned into skinned controls. The picture sets the bar's depth
// (its height when docked at the top or bottom, its width at the sides); a
// bar longer than its picture repeats the extension picture after it, or
// stretches the picture's last row or column when there is none.
// Commands of its controls go on to the frame. On a screen of twice the
// density the pictures' double versions are drawn over the same places.
#pragma once

#include <QPointer>

#include "app/shell/panels/panel_table.h"
#include "controls/scaled_picture.h"
#include "platform/qt/wnd.h"

class CSkinPanel : public CWnd {
 public:
  CSkinPanel(const PanelSpec& spec, QWidget* frame);

  // Builds the template and its controls; false when the template fails.
  bool Create(const PanelTemplateFactory& templates);

  const PanelSpec& Spec() const { return m_spec; }
  bool HasBackground() const { return !m_pattern.IsEmpty(); }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam, const std::string& text) override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void SubclassControls();

  const PanelSpec& m_spec;
  QPointer<QWidget> m_frame;
  CScaledDib m_pattern;
  CScaledDib m_extPattern;
};
