#pragma once
// Where the program finds its data folders (Languages, Materials, Profiles,
// Reports, Structures, Models, Help) and its settings file.

#include <string>

namespace strandel {

// The data folder: the program folder itself when it holds the data folders (a
// build, or a program unpacked in one folder), else <prefix>/share/strandel/ of an
// installation in <prefix>/bin, else the first "strandel" folder of
// $XDG_DATA_DIRS (default /usr/local/share:/usr/share) that exists; the program
// folder when none is found. Ends in "/".
std::string FindDataFolder(const std::string& programFolder);

// "Strandel.ini" in $XDG_CONFIG_HOME/strandel/ (default ~/.config/strandel/),
// which is created; in the program folder only where a settings file is
// already kept there and can be written (a copy of the program carried on a
// stick with its settings). A program installed in /usr/bin never writes there,
// not even when run by root.
std::string SettingsFilePath(const std::string& programFolder);

// The user's folder for documents: XDG_DOCUMENTS_DIR of user-dirs.dirs in
// `configHome` ("$HOME/..." or a full path) when that folder exists and can be
// written, else <home>/Documents when it does, else `home` itself. Ends in "/".
std::string UserDocumentsFolder(const std::string& home, const std::string& configHome);
// The same for the user running the program ($HOME, $XDG_CONFIG_HOME).
std::string UserDocumentsFolder();

// Where recovery copies of unsaved work go: $XDG_STATE_HOME/strandel/ (default
// ~/.local/state/strandel/), ending in "/"; not created here.
std::string RecoveryFolderPath();

// The file name of the settings: the program's title with ".ini".
inline constexpr const char* kSettingsFileName = "Strandel.ini";

} // namespace strandel
