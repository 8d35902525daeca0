// A control's tooltip window. Qt shows tooltips itself from a widget's
// toolTip property, so the tooltip control keeps the text and whether it is
// active and sets the property accordingly; an inactive or empty tip shows
// nothing. Qt does its own hover timing, so there is nothing to relay.
#pragma once

#include <QPointer>
#include <QWidget>

#include <string>

class CToolTipCtrl {
 public:
  explicit CToolTipCtrl(QWidget* tool) : m_tool(tool) {}

  void Activate(bool active);
  void AddTool(const std::string& text) { UpdateTipText(text); }
  void UpdateTipText(const std::string& text);
  // Qt wraps rich-text tips at word boundaries; the width is applied as the
  // text's maximum line width.
  void SetMaxTipWidth(int width);

  bool IsActive() const { return m_active; }
  const std::string& Text() const { return m_text; }
  int MaxTipWidth() const { return m_maxWidth; }

 private:
  void Apply();

  QPointer<QWidget> m_tool;
  std::string m_text;
  bool m_active = false;
  int m_maxWidth = 0;
};
