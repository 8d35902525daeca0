// A raster as a QImage, for drawing it with Qt's painters (printing, the
// gallery's picture windows).
#pragma once

#include <QImage>

#include "imagelib/dib.h"

// A deep copy; a null image for an empty raster.
QImage DibToImage(CDib& picture);
