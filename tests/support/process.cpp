#include "support/process.h"

#include <cstdlib>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include "support/temp_folder.h"

namespace strandel::testing {

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& environment) {
  TempFolder capture;
  const std::string outPath = capture.File("out");
  const std::string errPath = capture.File("err");
  ProcessResult result;
  const pid_t pid = ::fork();
  if (pid == 0) {
    const int out = ::open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int err = ::open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
    const int in = ::open("/dev/null", O_RDONLY);
    ::dup2(out, 1);
    ::dup2(err, 2);
    ::dup2(in, 0);
    // The program's settings are those of the test, never the settings a
    // developer's own runs left in ~/.config; the test's environment may name others.
    const std::string config = "XDG_CONFIG_HOME=" + capture.Path() + "config";
    ::putenv(const_cast<char*>(config.c_str()));
    for (const std::string& assignment : environment)
      ::putenv(const_cast<char*>(assignment.c_str()));
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& arg : args)
      argv.push_back(const_cast<char*>(arg.c_str()));
    argv.push_back(nullptr);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  result.ExitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  result.Out = ReadBytes(outPath);
  result.Err = ReadBytes(errPath);
  return result;
}

} // namespace strandel::testing
