#pragma once
// Command-line parsing of strandel-cli: positional arguments, options that take a
// value ("-o OUT", "--size=WxH" or "--size WxH") and switches ("--json").

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace strandel::cli {

// Exit statuses of every command.
constexpr int kExitOk = 0;
constexpr int kExitAnalysisFailed = 1; // unstable or degenerate structure; output still printed
constexpr int kExitUsage = 2;          // usage, unreadable or malformed input, unwritable output

struct OptionSpec {
  std::set<std::string> WithValue; // e.g. "-o", "--settings"
  std::set<std::string> Switches;  // e.g. "--json"
};

struct Arguments {
  std::vector<std::string> Positional;
  std::map<std::string, std::string> Values;
  std::set<std::string> Switches;
  bool Help = false;
  std::string Error; // non-empty when the command line is wrong

  bool Has(const std::string& option) const {
    return Switches.count(option) || Values.count(option);
  }
  std::optional<std::string> Value(const std::string& option) const;
};

// Every command also accepts "--settings FILE" and "--help"/"-h".
Arguments ParseArguments(const std::vector<std::string>& args, OptionSpec spec);

} // namespace strandel::cli
