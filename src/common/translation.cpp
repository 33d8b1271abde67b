#include "common/translation.h"

#include "common/codepage.h"
#include "common/files.h"
#include "common/text.h"

namespace strandel {
namespace {

std::vector<std::string>& Entries() {
  static std::vector<std::string> entries;
  return entries;
}

} // namespace

const std::string& Translated(int index) {
  static const std::string missing = "?";
  const std::vector<std::string>& entries = Entries();
  if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return missing;
  return entries[static_cast<std::size_t>(index)];
}

bool LoadLanguage(const std::string& path) {
  const FileReadResult read = ReadWholeFile(path);
  if (!read.ok) return false;
  std::vector<std::string> entries;
  for (std::string_view line : SplitLines(read.bytes))
    entries.push_back(Cp1252ToUtf8(line));
  Entries() = std::move(entries);
  return true;
}

void SetTranslations(std::vector<std::string> entries) {
  Entries() = std::move(entries);
}

int TranslationCount() {
  return static_cast<int>(Entries().size());
}

} // namespace strandel
