// The custom base starts empty in the user's writable folder ("BasesVar"):
// the program creates it on first use, never in the read-only installation.
#pragma once

#include <string>

// When no main file is at `path`, creates an empty version 3.0 base there.
// A base that exists is left as it is, whatever its state: it holds the
// user's items. False when the base is missing and cannot be made.
bool EnsureCustomBase(const std::string& path);
