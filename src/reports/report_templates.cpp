#include "reports/report_templates.h"

#include "common/codepage.h"
#include "common/text.h"
#include "common/utf8.h"

namespace strandel {
namespace {

// In Windows-1252 the mark would read as "ï»¿", never the start of a template.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

std::vector<FolderEntry> ListReportTemplates(const std::string& folder) {
  return ListFolderTree(folder, "*.txt", false).Files;
}

TemplateReadResult ReadReportTemplate(const std::string& path) {
  TemplateReadResult result;
  const FileReadResult read = ReadWholeFile(path);
  if (!read.ok) {
    result.message = read.message;
    return result;
  }
  std::string_view bytes = read.bytes;
  const bool utf8 =
      StartsWith(bytes, kUtf8ByteOrderMark) && IsValidUtf8(bytes.substr(kUtf8ByteOrderMark.size()));
  if (utf8) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  for (std::string_view line : SplitLines(bytes))
    result.Lines.push_back(utf8 ? std::string(line) : Cp1252ToUtf8(line));
  result.ok = true;
  return result;
}

} // namespace strandel
