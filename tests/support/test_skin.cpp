#include "tests/support/test_skin.h"

#include <QApplication>
#include <QMouseEvent>

#include <cstring>

#include "platform/core/dib_header.h"
#include "platform/core/region.h"
#include "platform/qt/dialog_template.h"

std::vector<unsigned char> BmpFile(int width, int height, const std::function<COLORREF(int, int)>& colour) {
  int rowLength = (width * 3 + 3) & ~3;
  BITMAPFILEHEADER file{};
  BITMAPINFOHEADER info{};
  file.bfType = kBitmapFileType;
  file.bfOffBits = sizeof file + sizeof info;
  file.bfSize = file.bfOffBits + rowLength * height;
  info.biSize = sizeof info;
  info.biWidth = width;
  info.biHeight = height;
  info.biPlanes = 1;
  info.biBitCount = 24;
  std::vector<unsigned char> bytes(file.bfSize, 0);
  std::memcpy(bytes.data(), &file, sizeof file);
  std::memcpy(bytes.data() + sizeof file, &info, sizeof info);
  for (int y = 0; y < height; ++y) {
    unsigned char* row = bytes.data() + file.bfOffBits + (height - 1 - y) * rowLength;
    for (int x = 0; x < width; ++x) {
      COLORREF c = colour(x, y);
      row[3 * x] = GetBValue(c);
      row[3 * x + 1] = GetGValue(c);
      row[3 * x + 2] = GetRValue(c);
    }
  }
  return bytes;
}

std::vector<unsigned char> SolidPictureWithBlackEdge(int width, int height, COLORREF colour) {
  return BmpFile(width, height, [colour](int x, int) { return x == 0 ? RGB(0, 0, 0) : colour; });
}

void AddText(CMemoryResourceModule& module, const std::string& name, const char* type, const std::string& text) {
  module.AddResource(name.c_str(), type, std::vector<unsigned char>(text.begin(), text.end()));
}

std::vector<unsigned char> RegionResource(const std::vector<CRect>& rects) {
  std::vector<std::uint32_t> words = {kRegionDataHeaderSize, kRegionDataRectangles,
                                      static_cast<std::uint32_t>(rects.size()),
                                      static_cast<std::uint32_t>(rects.size() * kRegionDataRectSize), 0, 0, 0, 0};
  for (const CRect& r : rects)
    for (int v : {r.left, r.top, r.right, r.bottom}) words.push_back(static_cast<std::uint32_t>(v));
  std::uint32_t count = static_cast<std::uint32_t>(words.size() * 4);
  std::vector<unsigned char> bytes(4 + count);
  std::memcpy(bytes.data(), &count, 4);
  std::memcpy(bytes.data() + 4, words.data(), count);
  return bytes;
}

void SendMouse(QWidget* widget, QEvent::Type type, QPoint local, Qt::MouseButton button, Qt::MouseButtons held,
               Qt::KeyboardModifiers modifiers) {
  QPointF position(local);
  QMouseEvent event(type, position, widget->mapToGlobal(position), type == QEvent::MouseMove ? Qt::NoButton : button,
                    held, modifiers);
  QApplication::sendEvent(widget, &event);
}

void ProcessPostedEvents() { QCoreApplication::sendPostedEvents(); }

QWidget* AddTemplateItems(QWidget* panel, const std::vector<TemplateItem>& items) {
  for (const TemplateItem& item : items) {
    auto* placeholder = new QWidget(panel);
    placeholder->setGeometry(item.place);
    placeholder->setWindowTitle(QString::fromStdString(item.caption));
    placeholder->setProperty(kControlIdProperty, item.id);
  }
  return panel;
}
