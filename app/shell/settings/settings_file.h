// The settings record and the profile file on disk: where the profile lives
// on this system and how a save keeps the parts of it the record does not
// own (the category choices, the folders an installer set).
#pragma once

#include <string>

#include "app/shell/settings/settings.h"

// Reads the profile at `profilePath` into the record. A missing profile
// leaves the defaults; false when the file exists but cannot be read (the
// defaults are used then too).
bool LoadSettingsFile(CSettings& settings, const std::string& profilePath, const SettingsLocations& where);
// Writes the record's saved keys into the profile, replacing the file
// atomically and creating its folder when missing. False when nothing was
// written; a profile that exists but cannot be read is left alone rather
// than replaced by one without its other sections.
bool SaveSettingsFile(const CSettings& settings, const std::string& profilePath);
