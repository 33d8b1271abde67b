#include "cli/model_input.h"

#include "cli/command.h"
#include "common/files.h"
#include "model/document_file.h"

namespace strandel::cli {

bool ReadModel(const std::string& path, ModelDocument& doc) {
  if (!FileExists(path)) {
    UsageError("cannot read '" + path + "': no such file");
    return false;
  }
  ClearModel(doc);
  const ReadResult read = LoadDocument(path, doc);
  if (!read.ok) {
    UsageError(path + ": " + read.message);
    return false;
  }
  return true;
}

} // namespace strandel::cli
