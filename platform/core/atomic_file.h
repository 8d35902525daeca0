// Replacing a file so that an interruption never leaves a half-written one:
// the content goes to a private temporary file in the same folder, is flushed
// to disk, and only then renamed over the target (rename is atomic on POSIX).
#pragma once

#include <functional>
#include <string>

// Calls `write` with the path of a fresh, empty temporary file next to
// `path`. When it returns true the file is synced and moved onto `path`;
// when it returns false or throws, the temporary file is removed and `path`
// is left as it was. Returns whether `path` now holds the new content.
bool WriteFileAtomically(const std::string& path,
                         const std::function<bool(const std::string& temporaryPath)>& write);
