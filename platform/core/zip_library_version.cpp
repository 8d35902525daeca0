#include "platform/core/zip_library_version.h"

#include <zip.h>

std::string ZipLibraryVersion() { return zip_libzip_version(); }
