#pragma once
// The outcome of reading a file or a line that the user may have damaged.

#include <string>

namespace strandel {

struct ReadResult {
  bool ok = true;
  std::string message; // user-facing, already worded; empty when ok
};

} // namespace strandel
