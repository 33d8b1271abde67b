#include "common/data_folders.h"

#include <cstdlib>
#include <pwd.h>
#include <unistd.h>

#include "common/files.h"
#include "common/text.h"

namespace strandel {
namespace {

// A folder counts as a data folder when it holds the folders the program reads.
bool HoldsData(const std::string& folder) {
  return FolderExists(JoinPath(folder, "Languages")) ||
         FolderExists(JoinPath(folder, "Structures"));
}

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value ? std::string(value) : std::string();
}

std::string HomeFolder() {
  std::string home = Environment("HOME");
  if (!home.empty()) return EnsureFolder(home);
  if (const passwd* entry = ::getpwuid(::geteuid()); entry && entry->pw_dir) {
    return EnsureFolder(entry->pw_dir);
  }
  return "/tmp/";
}

// The user's configuration folder: $XDG_CONFIG_HOME when it is a full path, else ~/.config.
std::string ConfigHome() {
  const std::string config = Environment("XDG_CONFIG_HOME");
  return config.empty() || config[0] != '/' ? HomeFolder() + ".config/" : EnsureFolder(config);
}

// The value of XDG_DOCUMENTS_DIR in user-dirs.dirs: a line such as
// XDG_DOCUMENTS_DIR="$HOME/Dokument", with "$HOME/" standing for the home folder
// and other paths written in full. Empty when the file does not say.
std::string DocumentsDirOfUserDirs(const std::string& home, const std::string& configHome) {
  const FileReadResult read = ReadWholeFile(JoinPath(configHome, "user-dirs.dirs"), 65536);
  if (!read.ok) return {};
  std::string found;
  ForEachLine(read.bytes, [&](std::string_view raw) {
    std::string_view line = Trim(raw);
    const std::string_view key = "XDG_DOCUMENTS_DIR=";
    if (!StartsWith(line, key)) return true;
    line.remove_prefix(key.size());
    if (line.size() < 2 || line.front() != '"' || line.back() != '"') return true;
    std::string_view value = line.substr(1, line.size() - 2);
    if (StartsWith(value, "$HOME")) {
      value.remove_prefix(5);
      found = EnsureFolder(home) + std::string(value.empty() ? "" : value.substr(1));
    } else if (StartsWith(value, "/")) {
      found = std::string(value);
    }
    return false;
  });
  return found;
}

} // namespace

std::string UserDocumentsFolder(const std::string& home, const std::string& configHome) {
  // "$HOME" alone is how user-dirs.dirs switches the folder off.
  const std::string fromUserDirs = DocumentsDirOfUserDirs(home, configHome);
  if (!fromUserDirs.empty() && EnsureFolder(fromUserDirs) != EnsureFolder(home) &&
      IsWritableFolder(fromUserDirs))
    return EnsureFolder(fromUserDirs);
  const std::string documents = EnsureFolder(JoinPath(home, "Documents"));
  if (IsWritableFolder(documents)) return documents;
  return EnsureFolder(home);
}

std::string UserDocumentsFolder() {
  return UserDocumentsFolder(HomeFolder(), ConfigHome());
}

std::string FindDataFolder(const std::string& programFolder) {
  const std::string program = EnsureFolder(programFolder);
  if (HoldsData(program)) return program;
  // <prefix>/share/strandel/, written without ".." where the program folder is a
  // full path, as the folder is shown to the user.
  const std::string installed =
      program.size() > 1 && program[0] == '/'
          ? FolderOf(std::string_view(program).substr(0, program.size() - 1)) + "share/strandel/"
          : EnsureFolder(JoinPath(program, "../share/strandel"));
  if (HoldsData(installed)) return installed;
  std::string dirs = Environment("XDG_DATA_DIRS");
  if (dirs.empty()) dirs = "/usr/local/share:/usr/share";
  std::size_t start = 0;
  while (start <= dirs.size()) {
    std::size_t end = dirs.find(':', start);
    if (end == std::string::npos) end = dirs.size();
    const std::string dir(Trim(std::string_view(dirs).substr(start, end - start)));
    if (!dir.empty()) {
      const std::string candidate = EnsureFolder(JoinPath(dir, "strandel"));
      if (HoldsData(candidate)) return candidate;
    }
    start = end + 1;
  }
  return program;
}

std::string SettingsFilePath(const std::string& programFolder) {
  const std::string program = EnsureFolder(programFolder);
  if (FileExists(program + kSettingsFileName) && IsWritableFolder(program))
    return program + kSettingsFileName;
  const std::string folder = EnsureFolder(JoinPath(ConfigHome(), "strandel"));
  MakeFolders(folder);
  return folder + kSettingsFileName;
}

std::string RecoveryFolderPath() {
  std::string state = Environment("XDG_STATE_HOME");
  // A relative value is ignored, as for the other XDG variables.
  if (state.empty() || state[0] != '/') state = HomeFolder() + ".local/state";
  return EnsureFolder(JoinPath(state, "strandel"));
}

} // namespace strandel
