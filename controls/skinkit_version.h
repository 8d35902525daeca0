// The control library's version, for the program's information sheet.
#pragma once

#include <string>

std::string SkinkitVersion();
