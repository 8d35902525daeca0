// The library's own version and that of the JPEG codec library it loads,
// for the program's information sheet.
#pragma once

#include <string>

std::string PixkitVersion();
// "libjpeg-turbo 2.1.5 (libjpeg 6.2 interface)".
std::string PixkitJpegLibraryVersion();
