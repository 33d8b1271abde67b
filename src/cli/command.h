#pragma once
// One command of strandel-cli: its name, one line for the overview and the
// function that runs it (which also answers its own --help).

#include <string>
#include <vector>

namespace strandel::cli {

struct Command {
  const char* Name;
  const char* Summary;
  int (*Run)(const std::vector<std::string>& args);
};

// The commands in the order the overview lists them.
const std::vector<Command>& Commands();

// "strandel-cli: <message>" on stderr; returns kExitUsage.
int UsageError(const std::string& message);

} // namespace strandel::cli
