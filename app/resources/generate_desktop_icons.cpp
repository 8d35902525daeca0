// Writes the desktop icon at the icon theme's usual sizes:
//   generate_desktop_icons FOLDER NAME
// gives FOLDER/SIZExSIZE/apps/NAME.png for each size.
#include <QDir>
#include <QImage>

#include <cstdio>

#include "app/resources/desktop_icon.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: generate_desktop_icons FOLDER NAME\n");
    return 2;
  }
  for (int side : {16, 22, 24, 32, 48, 64, 128, 256}) {
    std::vector<std::uint8_t> pixels = DrawDesktopIcon(side);
    QImage image(pixels.data(), side, side, side * 4, QImage::Format_RGBA8888);
    const QString folder = QString("%1/%2x%2/apps").arg(argv[1]).arg(side);
    const QString file = folder + "/" + argv[2] + ".png";
    if (!QDir().mkpath(folder) || !image.save(file, "PNG")) {
      std::fprintf(stderr, "generate_desktop_icons: cannot write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
