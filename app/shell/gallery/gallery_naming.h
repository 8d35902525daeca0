// Names of new gallery files. Each bar numbers its files with its own
// counter: the bottom strip with three digits ("007.kvp"), the right-hand
// panel without leading zeros ("7.kvp"). Both read either naming.
#pragma once

#include <string>

enum class GalleryNaming { padded, plain };

std::string GalleryFileName(const std::string& folder, unsigned number, GalleryNaming naming);

// Adds 1 to `counter` until the name is free; existing files are never
// overwritten. Empty when the counter runs out (the counter is left at its
// last value then).
std::string NextGalleryFileName(const std::string& folder, unsigned& counter, GalleryNaming naming);
