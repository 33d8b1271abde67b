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

// In Windows-1252 the mark would read as "ï»¿", never the start of a real text, so
// a file that begins with it and decodes cleanly was saved as UTF-8.
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";

} // namespace

std::string Translated(int index) {
  const std::vector<std::string>& entries = Entries();
  if (index < 0 || static_cast<std::size_t>(index) >= entries.size()) return "?";
  return entries[static_cast<std::size_t>(index)];
}

std::string TranslatedOr(int index, std::string_view english) {
  std::string text = Translated(index);
  return text.empty() || text == "?" ? std::string(english) : text;
}

bool LoadLanguage(const std::string& path) {
  if (path.empty()) return false;
  const FileReadResult read = ReadWholeFile(path);
  if (!read.ok) return false;
  std::string_view bytes = read.bytes;
  const bool utf8 =
      StartsWith(bytes, kUtf8ByteOrderMark) && IsValidUtf8(bytes.substr(kUtf8ByteOrderMark.size()));
  if (utf8) bytes.remove_prefix(kUtf8ByteOrderMark.size());
  std::vector<std::string> entries;
  ForEachLine(bytes, [&](std::string_view line) {
    entries.push_back(utf8 ? std::string(line) : Cp1252ToUtf8(line));
    return entries.size() < kMaxLanguageEntries;
  });
  Entries() = std::move(entries);
  return true;
}

std::string LanguageFilePath(const std::string& dataFolder, const std::string& language) {
  if (language.empty() || language == "." || language == ".." ||
      language.find_first_of("/\\") != std::string::npos)
    return {};
  return JoinPath(JoinPath(dataFolder, "Languages"), language + ".txt");
}

void SetTranslations(std::vector<std::string> entries) {
  Entries() = std::move(entries);
}

int TranslationCount() {
  return static_cast<int>(Entries().size());
}

} // namespace strandel
