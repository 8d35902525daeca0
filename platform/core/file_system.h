// Whole-file operations: existence, removal, renaming, and making a folder's
// entries durable. Each reports failure by its result and takes part in the
// test-time fault injection of io_faults.h.
#pragma once

#include <string>

bool FileExists(const std::string& path);
// True when the file is gone afterwards (also when it never existed).
bool RemoveFile(const std::string& path);
// Atomically replaces `to` with `from`.
bool RenameFile(const std::string& from, const std::string& to);
// Flushes the folder holding `path`, so that renames and creations in it
// survive a crash.
bool SyncFolderOf(const std::string& path);
