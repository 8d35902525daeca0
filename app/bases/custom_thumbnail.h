// The thumbnail of an item the user adds: the picture drawn with its
// transparency onto white, scaled so its larger side is 48 (the other side
// divided by the same factor, truncated), centred on a white 48 x 48 square.
#pragma once

#include <memory>

#include "imagelib/dib_alpha.h"

std::unique_ptr<CDib> MakeCustomItemThumbnail(CDibAlpha& image);
