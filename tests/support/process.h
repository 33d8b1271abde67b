#pragma once
// Runs a program of the build the way a user's script does and captures what it
// prints.

#include <string>
#include <vector>

namespace strandel::testing {

struct ProcessResult {
  int ExitCode = -1; // -1 when the program did not end normally (a crash)
  std::string Out;
  std::string Err;
};

ProcessResult RunProgram(const std::string& program, const std::vector<std::string>& args,
                         const std::vector<std::string>& environment = {});

} // namespace strandel::testing
