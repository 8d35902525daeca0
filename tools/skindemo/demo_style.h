// A small style module drawn in code: the pictures of the demo panel's
// buttons, check boxes and sliders, with black as the see-through colour.
#pragma once

#include "platform/core/resource_module.h"

void FillDemoStyle(CMemoryResourceModule& style);
