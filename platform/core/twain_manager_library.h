// The TWAIN source manager library, loaded at run time, once per process.
// It is a plug-in of the program (the platform's source manager lives in
// its own library folder); without it the program runs, and acquisition
// stays in state 1.
#pragma once

#include <string>

#include "platform/core/twain.h"

// The plug-in's file name.
inline constexpr char kTwainManagerFileName[] = "libkvtwain.so";

// Loads the library at `path` and finds its "DSM_Entry". False when no file
// is there, it cannot be loaded, or it has no such entry (it is unloaded
// again then). A second load while one is held succeeds at once.
bool LoadTwainManager(const std::string& path);
void UnloadTwainManager();
// The entry, or null while no manager is loaded.
DSMENTRYPROC TwainManagerEntry();

// Where the program's plug-ins live for a program in `programFolder`: the
// installation's lib/kelvora beside bin/, else the program's own folder
// (a build tree keeps them together).
std::string TwainManagerPath(const std::string& programFolder);
