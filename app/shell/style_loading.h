// Opening a style archive: the one place the program turns a style file into
// a resource module. Everything else takes the loaded module.
#pragma once

#include <memory>
#include <string>

#include "platform/core/resource_module.h"

// The style at `path`, or null when it is missing or cannot be read.
std::unique_ptr<CResourceModule> LoadStyleModule(const std::string& path);
