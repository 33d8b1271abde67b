#pragma once
// Running strandel-cli in its tests: the program with arguments, and its JSON
// output read back (a test fails when it is not JSON). For the tests built
// with STRANDEL_CLI, the program's path.

#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/json_value.h"
#include "support/process.h"

namespace strandel::testing {

inline ProcessResult Cli(const std::vector<std::string>& args) {
  return RunProgram(STRANDEL_CLI, args);
}

inline JsonValue Json(const ProcessResult& result) {
  const std::optional<JsonValue> json = ParseJson(result.Out);
  EXPECT_TRUE(json.has_value()) << "not JSON:\n" << result.Out.substr(0, 2000);
  return json.value_or(JsonValue{});
}

} // namespace strandel::testing
