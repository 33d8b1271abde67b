#pragma once
// Where the running program finds its data folders and its settings file.
// Tests build one over a temporary folder, so no test touches the user's files.

#include <string>

namespace strandel {

struct AppEnvironment {
  std::string DataFolder;     // holds Languages/, Structures/, Help/ ...; ends in "/"
  std::string SettingsPath;   // Strandel.ini
  std::string RecoveryFolder; // recovery copies of unsaved work, ends in "/"; empty: none

  std::string Folder(const char* name) const { return DataFolder + name + "/"; }
  std::string HelpIndex() const { return Folder("Help") + "index.html"; }

  // The folders of the program that is running: the data beside the executable
  // (or of its installation), the settings in the program folder when it is
  // writable, else in the user's configuration folder; the recovery copies in
  // the user's state folder.
  static AppEnvironment OfRunningProgram();
};

} // namespace strandel
