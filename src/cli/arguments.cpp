#include "cli/arguments.h"

namespace strandel::cli {

std::optional<std::string> Arguments::Value(const std::string& option) const {
  const auto it = Values.find(option);
  if (it == Values.end()) return std::nullopt;
  return it->second;
}

Arguments ParseArguments(const std::vector<std::string>& args, OptionSpec spec) {
  spec.WithValue.insert("--settings");
  Arguments parsed;
  bool onlyPositional = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyPositional || arg.size() < 2 || arg[0] != '-' || (arg[1] >= '0' && arg[1] <= '9') ||
        arg[1] == '.') {
      // "-2.5" and "-1" are values, not options.
      parsed.Positional.push_back(arg);
      continue;
    }
    if (arg == "--") {
      onlyPositional = true;
      continue;
    }
    if (arg == "--help" || arg == "-h") {
      parsed.Help = true;
      continue;
    }
    std::string name = arg;
    std::optional<std::string> inlineValue;
    if (const std::size_t equals = arg.find('=');
        equals != std::string::npos && arg.rfind("--", 0) == 0) {
      name = arg.substr(0, equals);
      inlineValue = arg.substr(equals + 1);
    }
    if (spec.WithValue.count(name)) {
      if (inlineValue) {
        parsed.Values[name] = *inlineValue;
      } else if (i + 1 < args.size()) {
        parsed.Values[name] = args[++i];
      } else {
        parsed.Error = "option " + name + " needs a value";
        return parsed;
      }
    } else if (spec.Switches.count(name) && !inlineValue) {
      parsed.Switches.insert(name);
    } else {
      parsed.Error = "unknown option " + arg;
      return parsed;
    }
  }
  return parsed;
}

} // namespace strandel::cli
