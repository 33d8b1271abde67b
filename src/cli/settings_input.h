#pragma once
// The application settings a command works with: the file named by --settings, or
// the program's own settings file. The batch front end never writes settings and
// says nothing when the program's file is missing (every key then has its default).

#include "cli/arguments.h"
#include "model/app_settings.h"

namespace strandel::cli {

// False, after a message on stderr, when --settings names a file that is not there.
bool LoadCommandSettings(const Arguments& arguments, AppSettings& settings);

// The texts of reports and sheets (yes and no, the reductions in words, the sign
// legend) in the language of the settings; English, with a note on stderr, when
// that language is not installed, rather than question marks.
void LoadCommandLanguage(const AppSettings& settings);

// The folder holding Languages, Materials, Profiles, Reports and Structures.
std::string CommandDataFolder();

} // namespace strandel::cli
