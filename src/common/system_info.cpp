#include "common/system_info.h"

#include <climits>
#include <pwd.h>
#include <unistd.h>
#include <vector>

#include "common/files.h"
#include "common/text.h"

namespace strandel {

std::string CurrentUserName() {
  std::string name;
  char buffer[256] = {};
  if (::getlogin_r(buffer, sizeof buffer) == 0 && buffer[0] != '\0') {
    name = buffer;
  } else {
    long size = ::sysconf(_SC_GETPW_R_SIZE_MAX);
    std::vector<char> work(static_cast<std::size_t>(size > 0 ? size : 16384));
    passwd entry{};
    passwd* found = nullptr;
    if (::getpwuid_r(::geteuid(), &entry, work.data(), work.size(), &found) == 0 && found &&
        found->pw_name && found->pw_name[0] != '\0') {
      name = found->pw_name;
    }
  }
  if (name.empty()) return "?";
  return name.substr(0, 255);
}

std::string ProgramFolder() {
  char buffer[PATH_MAX + 1] = {};
  const ssize_t length = ::readlink("/proc/self/exe", buffer, PATH_MAX);
  if (length <= 0) return "./";
  return FolderOf(std::string(buffer, static_cast<std::size_t>(length)));
}

std::string TodayText() {
  return DateText(Today());
}

} // namespace strandel
