#include "cli/generate_command.h"

#include <cstdio>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/settings_input.h"
#include "generator/structures.h"
#include "model/document_file.h"

namespace strandel::cli {
namespace {

const char* const kUsage =
    "usage: strandel-cli generate KIND -o OUT.qsd [--width W] [--height H]\n"
    "         [--middle-height H2] [--length-sections N] [--height-sections M] [--load Q]\n"
    "         [--settings FILE]\n"
    "\n"
    "Writes a parametric structure. KIND is frame, tower, truss-girder, arch or\n"
    "suspension-bridge. Values are in SI base units: W, H, H2 in m, Q in N/m along +y\n"
    "(negative pushes down). What is not given takes the kind's preset:\n"
    "  frame              W 6, H 5, N 3 bays, M 3 storeys (at most 25 cells)\n"
    "  tower              W 1, H 4, M 4 panels (at most 25); no load\n"
    "  truss-girder       W 6, H 1, N 4 panels (3..25)\n"
    "  arch               W 8, H 1 rise (at most W/2), N 8 segments (3..25)\n"
    "  suspension-bridge  W 8, H 2 towers, H2 0.5 chain low point (below H), N 8 (3..25)\n"
    "Q is -1000 unless given. The generator corrects values out of range as its dialog\n"
    "does. New beams take the template beam of the settings.\n";

struct KindName {
  const char* Name;
  StructureKind Kind;
};

constexpr KindName kKinds[] = {
    {"frame", StructureKind::Frame},
    {"tower", StructureKind::Tower},
    {"truss-girder", StructureKind::TrussGirder},
    {"arch", StructureKind::Arch},
    {"suspension-bridge", StructureKind::SuspensionBridge},
};

// The option's text, when given; false after a message when the dialog would not
// accept it (a script should hear about a value that is ignored).
bool OptionText(const Arguments& parsed, const std::string& option,
                bool (*accepted)(const std::string&), const char* rule,
                std::optional<std::string>& text) {
  text = parsed.Value(option);
  if (text && !accepted(*text)) {
    UsageError(option + " " + *text + ": " + rule);
    return false;
  }
  return true;
}

} // namespace

int RunGenerate(const std::vector<std::string>& args) {
  const Arguments parsed =
      ParseArguments(args, {{"-o", "--width", "--height", "--middle-height", "--length-sections",
                             "--height-sections", "--load"},
                            {}});
  if (!parsed.Error.empty()) return UsageError(parsed.Error);
  if (parsed.Help) {
    std::fputs(kUsage, stdout);
    return kExitOk;
  }
  if (parsed.Positional.size() != 1) return UsageError("generate needs one KIND (see --help)");
  const std::optional<std::string> out = parsed.Value("-o");
  if (!out) return UsageError("generate needs -o OUT.qsd");
  const KindName* kind = nullptr;
  for (const KindName& candidate : kKinds) {
    if (parsed.Positional[0] == candidate.Name) kind = &candidate;
  }
  if (!kind) return UsageError("unknown structure kind '" + parsed.Positional[0] + "'");

  GeneratorFieldTexts texts;
  const char* positive = "must be a number greater than 0";
  const char* count = "must be a whole number of at least 1";
  if (!OptionText(parsed, "--width", IsAcceptedLength, positive, texts.W) ||
      !OptionText(parsed, "--height", IsAcceptedLength, positive, texts.H) ||
      !OptionText(parsed, "--middle-height", IsAcceptedLength, positive, texts.H2) ||
      !OptionText(parsed, "--length-sections", IsAcceptedCount, count, texts.n) ||
      !OptionText(parsed, "--height-sections", IsAcceptedCount, count, texts.m) ||
      !OptionText(parsed, "--load", IsAcceptedLoad, "must be a number", texts.q)) {
    return kExitUsage;
  }
  AppSettings settings;
  if (!LoadCommandSettings(parsed, settings)) return kExitUsage;

  GeneratorParameters parameters;
  ApplyKindPreset(parameters, kind->Kind);
  ReadGeneratorFields(parameters, texts, 1, 1);
  ModelDocument doc;
  GenerateStructure(doc, parameters, settings.LastBeamStr, NewDocumentSizes(settings));
  StampModification(doc);
  const WriteResult written = SaveDocument(doc, *out);
  if (!written.ok) return UsageError(written.message);
  return kExitOk;
}

} // namespace strandel::cli
