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

} // namespace

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
  if (IsWritableFolder(program)) return program + kSettingsFileName;
  std::string config = Environment("XDG_CONFIG_HOME");
  if (config.empty() || config[0] != '/') config = HomeFolder() + ".config";
  const std::string folder = EnsureFolder(JoinPath(config, "strandel"));
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
