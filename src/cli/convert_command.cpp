#include "cli/convert_command.h"

#include <cstdio>

#include "cli/arguments.h"
#include "cli/command.h"
#include "cli/model_input.h"
#include "cli/settings_input.h"
#include "model/document_file.h"

namespace strandel::cli {

const char* const kConvertUsage =
    "usage: strandel-cli convert IN.qsd OUT.qsd [--settings FILE]\n"
    "\n"
    "Reads a model document and writes it back with the program's writer: sections\n"
    "and keys in their fixed order, every number so that it reads back exactly (beam\n"
    "values in three significant digits where those suffice, as older versions wrote\n"
    "them), the history texts kept as read. OUT is replaced only once it is written\n"
    "completely.\n"
    "\n"
    "Exit status: 0 written; 2 bad usage, IN unreadable or malformed (a message on\n"
    "stderr names the bad text), or OUT not writable (OUT is then left untouched).\n";

int RunConvert(const std::vector<std::string>& args) {
  const Arguments parsed = ParseArguments(args, {});
  if (!parsed.Error.empty()) return UsageError(parsed.Error);
  if (parsed.Help) {
    std::fputs(kConvertUsage, stdout);
    return kExitOk;
  }
  if (parsed.Positional.size() != 2) return UsageError("convert needs IN.qsd and OUT.qsd");
  AppSettings settings; // the conversion itself needs none, but a wrong --settings is an error
  if (!LoadCommandSettings(parsed, settings)) return kExitUsage;
  ModelDocument doc;
  if (!ReadModel(parsed.Positional[0], doc, ModelUse::Inspect)) return kExitUsage;
  const WriteResult written = SaveDocument(doc, parsed.Positional[1]);
  if (!written.ok) return UsageError(written.message);
  return kExitOk;
}

} // namespace strandel::cli
