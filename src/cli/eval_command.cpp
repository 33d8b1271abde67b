#include "cli/eval_command.h"

#include <algorithm>
#include <cstdio>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/json_text.h"
#include "cli/settings_input.h"
#include "common/number_text.h"
#include "common/text.h"
#include "expr/numeric_field.h"

namespace strandel::cli {

const char* const kEvalUsage =
    "usage: strandel-cli eval [--json] [--settings FILE] EXPR [EXPR ...]\n"
    "\n"
    "Evaluates expressions as the numeric fields of the property dialogs do, in the\n"
    "order given. A definition such as L1=2.5 makes L1 known to the expressions after\n"
    "it; pi is always known. Operators and functions, from the first applied to the\n"
    "last:\n"
    "  sqrt sqr exp ln log ^ asin acos atan sinh cosh tanh sin cos tan hev abs\n"
    "  mod div min max / * - +\n"
    "Functions take the operand after them (sqrt 2, sin(pi/2)); mod, div, min and\n"
    "max stand between their operands (7 mod 3). Angles are radians; \",\" and \".\"\n"
    "both mark decimals. An expression may start with \"-\" (-pi/2).\n"
    "\n"
    "Output: one line per expression, the value as a field stores it, or the reason\n"
    "it was refused. The value shows in three significant digits where those read\n"
    "back as exactly the same number, otherwise in as many as it takes (1/3 prints\n"
    "0.3333333333333333, 1234.5 prints 1234.5). --json prints\n"
    "  {\"results\": [{\"value\": 14.0} | {\"error\": \"MESSAGE\"} | {\"fault\": true}, ...]}\n"
    "with exact values; fault means the expression compiled but its evaluation\n"
    "failed arithmetically (division by zero, logarithm of a negative, overflow).\n"
    "\n"
    "Exit status: 0 every expression was evaluated or reported; 2 bad usage.\n";

namespace {

// Expressions may begin with "-" ("-pi/2"), so only words beginning with "--"
// (and -h) are taken as options; "--" ends the options.
void SplitOptions(const std::vector<std::string>& args, std::vector<std::string>& options,
                  std::vector<std::string>& expressions) {
  bool onlyExpressions = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    if (onlyExpressions) {
      expressions.push_back(arg);
    } else if (arg == "--") {
      onlyExpressions = true;
    } else if (arg == "-h" || StartsWith(arg, "--")) {
      options.push_back(arg);
      if (arg == "--settings" && i + 1 < args.size()) options.push_back(args[++i]);
    } else {
      expressions.push_back(arg);
    }
  }
}

std::string JsonResult(const ExpressionValue& result) {
  if (!result.Error.empty()) return "{\"error\": " + JsonString(result.Error) + "}";
  if (result.Fault != EvaluationFault::None) return "{\"fault\": true}";
  return "{\"value\": " + JsonNumber(result.Value) + "}";
}

std::string TextResult(const ExpressionValue& result) {
  if (!result.Error.empty()) return " : error: " + result.Error;
  if (result.Fault != EvaluationFault::None) return " : fault: " + FaultText(result.Fault);
  return " = " + FormatValueExact(result.Value);
}

} // namespace

int RunEval(const std::vector<std::string>& args) {
  std::vector<std::string> options, expressions;
  SplitOptions(args, options, expressions);
  const Arguments parsed = ParseArguments(options, {{}, {"--json"}});
  if (!parsed.Error.empty()) return UsageError(parsed.Error);
  if (parsed.Help) {
    std::fputs(kEvalUsage, stdout);
    return kExitOk;
  }
  if (expressions.empty()) return UsageError("eval needs at least one expression");
  AppSettings settings; // expressions need none, but a wrong --settings is an error
  if (!LoadCommandSettings(parsed, settings)) return kExitUsage;

  // One run is one program run: a parameter defined by one expression is known
  // to the later ones.
  ParameterTable parameters;
  std::vector<ExpressionValue> results;
  for (const std::string& expression : expressions)
    results.push_back(EvaluateText(expression, parameters));

  if (parsed.Has("--json")) {
    std::string out = "{\"results\": [";
    for (std::size_t i = 0; i < results.size(); ++i)
      out += (i ? ", " : "") + JsonResult(results[i]);
    out += "]}\n";
    std::fputs(out.c_str(), stdout);
    return kExitOk;
  }
  std::size_t width = 0;
  for (const std::string& expression : expressions)
    width = std::max(width, CharacterCount(expression));
  for (std::size_t i = 0; i < results.size(); ++i) {
    const std::string padding(width - CharacterCount(expressions[i]), ' ');
    std::printf("%s%s%s\n", expressions[i].c_str(), padding.c_str(),
                TextResult(results[i]).c_str());
  }
  return kExitOk;
}

} // namespace strandel::cli
