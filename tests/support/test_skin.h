// Skins made in the tests: pictures as BMP file images in a memory module,
// text resources, region data, and a panel with template items to put
// controls on.
#pragma once

#include <QEvent>
#include <QWidget>

#include <functional>
#include <string>
#include <vector>

#include "platform/core/device_context.h"
#include "platform/core/geometry.h"
#include "platform/core/resource_module.h"

// A 24-bit BMP file image of the given size, each pixel from `colour`.
std::vector<unsigned char> BmpFile(int width, int height, const std::function<COLORREF(int x, int y)>& colour);
// A picture of one colour with a black (see-through) left column.
std::vector<unsigned char> SolidPictureWithBlackEdge(int width, int height, COLORREF colour);

void AddText(CMemoryResourceModule& module, const std::string& name, const char* type, const std::string& text);
// A "wndrgn" resource: the byte count, then region data of the rectangles.
std::vector<unsigned char> RegionResource(const std::vector<CRect>& rects);

// Sends a synthetic mouse event to `widget` at `local`.
void SendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button = Qt::LeftButton,
               Qt::MouseButtons held = Qt::NoButton, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
// Runs the events posted so far.
void ProcessPostedEvents();

// A panel with a template item (plain placeholder widget) per entry.
struct TemplateItem {
  unsigned id;
  std::string caption;
  QRect place;
};
QWidget* AddTemplateItems(QWidget* panel, const std::vector<TemplateItem>& items);
