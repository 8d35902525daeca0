// The panels' backgrounds, the splash, progress and sign pictures, the
// view's texture and the make-up swatches of the style.
#pragma once

#include <string>

#include "platform/core/zip_resource_writer.h"

// `splashPhoto`: the portrait shown on the splash picture.
void AddPanelBackgrounds(CZipResourceWriter& style, const std::string& splashPhoto);
// For each make-up type, its swatch picture "<type>_IMAGE" and the mask
// "<type>_MASK" (an alpha PCX file) through which its colours are painted.
void AddMakeupSwatches(CZipResourceWriter& style);
