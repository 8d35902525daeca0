// Where the program's files live on a Linux desktop: the profile in the
// user's configuration folder, the writable data in the user's data folder
// (both after the XDG base-directory rules), and the read-only installation
// data in "share/kelvora" beside the program's "bin" folder, which holds for
// an installed program and for a build tree alike.
#pragma once

#include <string>

// $XDG_CONFIG_HOME/Kelvora/ (else ~/.config/Kelvora/).
std::string UserConfigFolder();
// $XDG_DATA_HOME/Kelvora/ (else ~/.local/share/Kelvora/).
std::string UserDataFolder();
// The profile: UserConfigFolder() + "Kelvora.ini".
std::string UserProfilePath();

// The installation's data folder for a program in `programFolder`.
std::string DefaultApplicationFolder(const std::string& programFolder);

// The program's folder from a command line whose first word is the
// program's path, quoted or not. A quoted path ends at its closing quote, so
// arguments after it never leak into the folder. "./" when the path names
// no folder.
std::string ProgramFolderFromCommandLine(const std::string& commandLine);
