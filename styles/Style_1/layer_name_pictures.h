// The right-hand panels' layer-name labels: which layer the panel's
// sliders and tools act on, one frame per item kind for the item panel.
#pragma once

#include "platform/core/zip_resource_writer.h"

void AddLayerNames(CZipResourceWriter& style);
