#include "cli/model_input.h"

#include <algorithm>
#include <cstdio>

#include "cli/command.h"
#include "common/files.h"
#include "common/user_message.h"
#include "model/document_file.h"
#include "model/loose_objects.h"

namespace strandel::cli {

bool ReadModel(const std::string& path, ModelDocument& doc, ModelUse use) {
  if (!FileExists(path)) {
    UsageError("cannot read '" + path + "': no such file");
    return false;
  }
  ClearModel(doc);
  const DocumentReadResult read = LoadDocument(path, doc);
  if (!read.ok) {
    UsageError(path + ": " + read.message);
    return false;
  }
  if (!read.damage.empty()) {
    UsageError(path + ": " + OneLine(read.damage));
    return false;
  }
  const std::vector<LooseObject> loose = LooseObjects(doc);
  if (loose.empty()) return true;
  const std::string text = path + ": " + LooseObjectsText(loose);
  const bool changesTheLoads =
      std::any_of(loose.begin(), loose.end(), [](const LooseObject& o) { return o.Carries(); });
  if (use == ModelUse::Analyse && changesTheLoads) {
    UsageError(text);
    return false;
  }
  std::fprintf(stderr, "strandel-cli: warning: %s\n", text.c_str());
  return true;
}

} // namespace strandel::cli
