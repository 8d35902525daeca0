// The version of the zip library that reads styles, as loaded at run time.
#pragma once

#include <string>

std::string ZipLibraryVersion();
