#pragma once
// The translation list: every text the user sees is an entry of one program-wide
// list of numbered strings, read from the language file of the chosen language.
// The entry numbers have names in common/text_entries.h.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace strandel {

// Entry `index` of the list; "?" when no list is loaded or the entry is missing.
// Returned by value: a language change replaces the list while a caller may still
// hold an earlier text.
std::string Translated(int index);

// Entry `index`, or `english` where no language file gives it (the batch front
// end runs without one, and a file from an older version lacks the newer texts).
std::string TranslatedOr(int index, std::string_view english);

// A language file's lines beyond this many are not read: the program has fewer
// than 300 texts, and a damaged file of millions of empty lines must not cost a
// list entry for each.
inline constexpr std::size_t kMaxLanguageEntries = 65536;

// When the file exists and can be read, the list becomes its lines (entry i is
// line i counted from 0, lines taken as they are, empty lines included) and true
// is returned; otherwise the list keeps what it held. Language files are
// Windows-1252; one saved by a modern editor as UTF-8 with a byte-order mark is
// read as UTF-8.
bool LoadLanguage(const std::string& path);

// "<dataFolder>Languages/<language>.txt"; empty when `language` is not a plain file
// title (empty, or naming a folder), so a settings file cannot point the program
// at a file outside the Languages folder.
std::string LanguageFilePath(const std::string& dataFolder, const std::string& language);

// Replaces the list (tests and the built-in texts).
void SetTranslations(std::vector<std::string> entries);
int TranslationCount();

} // namespace strandel
