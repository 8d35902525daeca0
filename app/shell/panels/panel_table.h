// The main window's panels: which template each is built from, where it is
// docked, the message when it cannot be made and the style pictures it is
// drawn with. The frame creates them in this order.
#pragma once

#include <functional>
#include <span>

class QWidget;

enum class DockSide { Top, Bottom, Left, Right };

struct PanelSpec {
  unsigned templateId;
  DockSide side;
  const char* failureMessage;
  const char* pattern;     // background picture, drawn at the panel's origin
  const char* extPattern;  // tiled along the rest of the bar; null for none
};

std::span<const PanelSpec> PanelTable();

inline constexpr unsigned kEmptyPanelTemplate = 106;
inline constexpr unsigned kGalleryStripTemplate = 152;

// Lays the template's items out on `panel`; false when there is no such
// template. Tests substitute their own to make a panel fail.
using PanelTemplateFactory = std::function<bool(unsigned templateId, QWidget* panel)>;
bool SetUpPanelTemplate(unsigned templateId, QWidget* panel);
