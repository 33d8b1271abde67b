// layer_check SOURCE_ROOT: lists the include arrows between the folders of the
// source tree and fails (status 1) on every arrow the ```layers block of
// docs/design/architecture.md does not allow, naming file, line and arrow.

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>

#include "layer_check/layer_check.h"

namespace {

constexpr const char* kRulesFile = "docs/design/architecture.md";

} // namespace

int main(int argc, char** argv) {
  using namespace strandel::layer_check;
  if (argc != 2) {
    std::cerr << "usage: layer_check SOURCE_ROOT\n";
    return 2;
  }
  const std::string root = argv[1];
  std::ifstream in(std::filesystem::path(root) / kRulesFile, std::ios::binary);
  if (!in) {
    std::cerr << root << "/" << kRulesFile << ": cannot be read\n";
    return 2;
  }
  std::ostringstream text;
  text << in.rdbuf();
  const ParsedRules parsed = ParseLayerRules(text.str());
  for (const RuleError& error : parsed.Errors)
    std::cerr << kRulesFile << ":" << error.Line << ": " << error.Text << "\n";
  if (!parsed.Errors.empty()) return 1;

  const TreeReport report = CheckTree(root, parsed.Rules);
  std::cout << "Include arrows (from -> to, number of include lines):\n";
  for (const std::string& line : ArrowLines(report, parsed.Rules))
    std::cout << "  " << line << "\n";
  for (const std::string& note : report.Notes)
    std::cout << "note: " << note << "\n";
  for (const Violation& violation : report.Violations)
    std::cerr << violation.File << ":" << violation.Line << ": " << violation.Text << "\n";
  std::cout << report.Files << " files read; ";
  if (report.Violations.empty()) {
    std::cout << "every arrow is allowed.\n";
    return 0;
  }
  std::cout << report.Violations.size() << " includes the list in " << kRulesFile
            << " does not allow.\n";
  return 1;
}
