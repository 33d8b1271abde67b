#pragma once
// The report templates on disk: the "*.txt" files of the report folder, each a
// Windows-1252 text whose lines are the template's lines.

#include <string>
#include <vector>

#include "common/files.h"

namespace strandel {

// The templates of the folder for the report menu, sorted by name; none when
// the folder is missing.
std::vector<FolderEntry> ListReportTemplates(const std::string& folder);

struct TemplateReadResult {
  bool ok = false;
  std::vector<std::string> Lines; // UTF-8, without line ends
  std::string message;            // user-facing, empty when ok
};

// The lines of the template file. A file saved by a modern editor as UTF-8 with
// a byte-order mark is read as UTF-8, every other one as Windows-1252.
TemplateReadResult ReadReportTemplate(const std::string& path);

} // namespace strandel
